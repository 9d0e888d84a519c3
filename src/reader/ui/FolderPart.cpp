#include "reader/ui/FolderPart.h"

#include "controls/dialogs.h"
#include "import/ui/TFileSelForm.h"
#include "reader/book.h"
#include "reader/ui/ReaderContext.h"
#include "settings/configuration.h"
#include "settings/import_settings.h"
#include "settings/ui/colour_scheme_ui.h"

#include <QApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>

namespace qw {

FolderPart::FolderPart(ReaderContext& context, std::function<bool(const FileRef&)> open,
                       std::function<std::string()> folderWithoutBook)
    : QObject(&context.window), context_(context), open_(std::move(open)),
      folderWithoutBook_(std::move(folderWithoutBook)) {
    setObjectName(QStringLiteral("FolderPart"));
    // A window of its own for the whole run, in the colours of the scheme.
    FileSelForm = new TFileSelForm(&context.window);
    SetColourRole(*FileSelForm, ColourRole::Window);
    SetColourRole(*FileSelForm->FileSelList, ColourRole::List);
}

std::vector<std::string> FolderPart::ignoredPatterns() const {
    if (!context_.configLoaded)
        return {};
    return ImportOptionsFrom(context_.config.settings, context_.config.state).ignoredFiles;
}

void FolderPart::goToFile(FileDirection direction) {
    const Book& book = context_.book;
    const FileRef current{book.FileName, book.ArchiveEntry};
    const std::string folder = book.isOpen() ? FolderOfPath(book.FileName) : folderWithoutBook_();
    if (folder.empty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const FileStep step = StepThroughFolder(folder, current, direction, ignoredPatterns());
    QApplication::restoreOverrideCursor();
    if (!step.message.empty()) {
        context_.dialogs.information(step.message);
        return;
    }
    // A file that vanished since the listing is reported by the open itself.
    open_(step.target);
}

std::vector<FileRef> FolderPart::orderFiles(std::vector<FileRef> files) {
    FileSelForm->setFiles(std::move(files));
    ApplyColourScheme(*FileSelForm);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        FileSelForm->move(screen->availableGeometry().center() - FileSelForm->rect().center());
    if (FileSelForm->exec() != QDialog::Accepted)
        return {};
    return FileSelForm->orderedFiles();
}

} // namespace qw

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
#include <QMenu>
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

void FolderPart::addMenuCommands(QMenu& menu, QAction* before) {
    QMenu* files = new QMenu(tr("&Files in this folder"), &menu);
    files->setObjectName(QStringLiteral("FolderMenu"));
    const struct {
        const char* name;
        QString text;
        QString keys;
        FileDirection direction;
    } commands[] = {
        {"FirstFile", tr("&First file"), tr("Ctrl+Home"), FileDirection::First},
        {"PreviousFile", tr("&Previous file"), tr("Ctrl+PgUp"), FileDirection::Previous},
        {"NextFile", tr("&Next file"), tr("Ctrl+PgDown"), FileDirection::Next},
        {"LastFile", tr("&Last file"), tr("Ctrl+End"), FileDirection::Last},
    };
    for (const auto& command : commands) {
        QAction* action = files->addAction(command.text + QLatin1Char('\t') + command.keys);
        action->setObjectName(QString::fromLatin1(command.name));
        const FileDirection direction = command.direction;
        connect(action, &QAction::triggered, this, [this, direction] { goToFile(direction); });
    }
    menu.insertMenu(before, files);
}

} // namespace qw

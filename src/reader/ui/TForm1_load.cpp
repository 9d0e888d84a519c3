// The reader window's part of the loading flow: progress, archives, the book
// record read at the start and the layout at the end of a load.

#include "reader/ui/TForm1.h"

#include "settings/book_encoding.h"

#include "controls/dialogs.h"
#include "import/natural_sort.h"
#include "import/ui/TZipForm.h"
#include "import/zip_archive.h"
#include "reader/caption.h"
#include "reader/ui/EditorPart.h"
#include "reader/ui/FolderPart.h"
#include "reader/ui/LayoutPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/RecentPart.h"
#include "reader/ui/RecordsPart.h"
#include "settings/import_settings.h"
#include "settings/ini_write.h"

#include <QApplication>
#include <QDateTime>
#include <QLayout>
#include <QPushButton>

namespace qw {

void TForm1::showProgress(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void TForm1::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

std::vector<std::string> TForm1::archiveMembersToOpen(const std::string& archivePath) {
    const ImportOptions options = importOptions();
    std::vector<std::string> entries =
        ListArchive(archivePath, options.hideIgnoredInArchives, options.ignoredFiles).entries;
    entries = SortArchiveListing(std::move(entries));
    if (entries.size() > 1)
        entries = ShowArchiveContents(this, archivePath, entries);
    return entries;
}

std::optional<std::string> TForm1::extractArchiveMember(const std::string& archivePath,
                                                        const std::string& entry) {
    ArchiveEntryBytes member = ExtractArchiveEntry(archivePath, entry);
    if (!member.ok()) {
        dialogs_.error(member.error);
        return std::nullopt;
    }
    return std::move(member.bytes);
}

std::vector<FileRef> TForm1::orderFiles(std::vector<FileRef> files) {
    return folder_->orderFiles(std::move(files));
}

ImportOptions TForm1::importOptions() {
    return configLoaded_ ? ImportOptionsFrom(config_->settings, config_->state) : ImportOptions{};
}

std::string TForm1::bookEncoding(const std::string& path, const std::string& entry) {
    return configLoaded_ ? ReadBookEncoding(config_->file, path, entry) : "Auto";
}

void TForm1::switchOffLineBreakRemoval() {
    config_->state.book.removeLineBreaks = false;
}

void TForm1::firstFileLoaded(Book& book, bool appending) {
    pages_->leftPage()->clearPage();
    pages_->rightPage()->clearPage();
    editor_->markStale();
    Append->setEnabled(true);
    Speichern->setEnabled(true);
    Schliessen->setEnabled(true);
    if (appending)
        return;
    layout_->recomputeLinesPerPage();
    records_->openBook();
    layout_->applyPageFont();
    if (book.BreaksAutoOff)
        config_->state.book.removeLineBreaks = false; // the file type decides
    pages_->history().clear();
}

void TForm1::layOutBook(Book& book) {
    if (book.AppendMode)
        book.Pages.LeftPage = 0; // a joined book starts at its title page
    records_->updateTitlePage();
    if (contents_->syncContentsDocking()) {
        // The reading area takes its new width before the lines are fitted to it.
        layout()->activate();
        layout_->recomputeLinesPerPage();
    }
    layout_->fitLines();
}

void TForm1::bookLoaded(Book&) {
    records_->bookOpened();
    syncOptionsWindow();
}

void TForm1::registerLastRead(const FileRef& file) {
    recent_->registerLastRead(file);
}

void TForm1::bookClosed(Book& book) {
    setWindowIconText(QString::fromLatin1(kProgramVersionTitle));
    recent_->bookClosed();
    editor_->markStale();
    Append->setEnabled(false);
    Speichern->setEnabled(false);
    Schliessen->setEnabled(false);
    // The "Default" settings come back, the contents panel stays docked as it was.
    const bool tocOnLeft = config_->state.book.tocOnLeftSide;
    loadRecord(kDefaultRecord);
    config_->state.book.tocOnLeftSide = tocOnLeft;
    book.Pages.clear();
    contents_->clearSections();
    layout_->recomputeLinesPerPage();
    pages_->history().clear();
    pages_->showCurrentPages();
    records_->refreshBookmarkButtons();
    records_->refreshBookInfo();
    syncOptionsWindow();
}

void TForm1::rememberOpenFolder(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    openFolder_ = slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace qw

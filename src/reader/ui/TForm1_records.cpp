// The reader window's book record: reading it, writing the position and the
// bookmarks, and the title page drawn from its information.

#include "reader/ui/TForm1.h"

#include "reader/ui/PageArea.h"
#include "settings/ini_write.h"

#include <QToolButton>

namespace qw {

std::string TForm1::recordName() const {
    return BookSectionName(book_.FileName, book_.ArchiveEntry);
}

RecordRules TForm1::recordRules() const {
    RecordRules rules;
    rules.ignoredPatterns = config_->state.ignoredFiles;
    rules.excludedPaths = config_->state.excludedPaths;
    rules.includedPaths = config_->state.includedPaths;
    return rules;
}

bool TForm1::isUnrecorded() const {
    // The single-key writers judge the file itself (for a member: its archive).
    return !configLoaded_ || !book_.isOpen() ||
           IsUnrecorded(EncodeSectionName(book_.FileName), recordRules());
}

void TForm1::loadRecord(const std::string& name) {
    if (!configLoaded_)
        return;
    FontChoice fonts;
    fonts.fontList = config_->state.fontList;
    fonts.defaultFontName = config_->state.defaultFontName;
    fonts.defaultFontSize = config_->state.defaultFontSize;
    LoadRecordOptions options;
    options.applyDefaultToNewFiles = config_->settings.Bool(Setting::ApplyDefaultSettings);
    options.currentLinesPerPage = std::max(1, book_.Pages.LinesPerPage);
    record_.settings = config_->state.book;
    record_ = LoadBookSection(config_->file, name, record_, fonts, recordRules(), options);
    config_->state.book = record_.settings;
    applyPageFont();
}

void TForm1::writeBookRecord() {
    if (!configLoaded_ || !book_.isOpen() || book_.AppendMode)
        return;
    record_.settings = config_->state.book;
    record_.position = {book_.Pages.LeftPage, book_.LineCount, book_.Pages.LinesPerPage};
    for (size_t i = 0; i < 3; ++i)
        record_.bookmarks[i] =
            book_.Pages.Bookmarks[i] > 0 ? book_.Pages.Bookmarks[i] : kNoBookmark;
    SaveBookSection(config_->file, recordName(), record_, tocShown(), recordRules());
}

void TForm1::writePage(int leftPage) {
    record_.position.page = leftPage;
    if (book_.ChangeReason == "DateiLaden" || isUnrecorded())
        return;
    SavePage(config_->file, recordName(), leftPage);
}

void TForm1::writeBookmarks() {
    for (size_t i = 0; i < 3; ++i)
        record_.bookmarks[i] =
            book_.Pages.Bookmarks[i] > 0 ? book_.Pages.Bookmarks[i] : kNoBookmark;
    if (isUnrecorded())
        return;
    SaveBookmarks(config_->file, recordName(), record_.bookmarks);
    config_->file.UpdateFile();
}

void TForm1::refreshBookmarkButtons() {
    for (int i = 0; i < 3; ++i) {
        const int mark = book_.Pages.Bookmarks[static_cast<size_t>(i)];
        const std::optional<int> caption = mark > 0 ? std::optional<int>(mark) : std::nullopt;
        LesezeichenNr[i]->setText(caption ? QString::number(*caption) : QString());
        LesezeichenNr[i]->setEnabled(book_.isOpen());
        // An unset bookmark takes no room in the top row.
        LesezeichenNr[i]->setVisible(caption.has_value());
    }
    Lesezeichen->setEnabled(book_.isOpen());
}

void TForm1::LesezeichenClick() {
    if (!book_.isOpen())
        return;
    if (!book_.Pages.setNextBookmark())
        return;
    writeBookmarks();
    refreshBookmarkButtons();
}

void TForm1::goToBookmark(int index) {
    if (!book_.isOpen())
        return;
    const std::optional<int> page = book_.Pages.bookmarkTarget(index);
    if (page && *page != book_.Pages.LeftPage)
        pages_->goToPage(*page);
}

void TForm1::clearBookmark(int index) {
    if (!book_.isOpen())
        return;
    if (!book_.Pages.clearBookmark(index))
        return;
    writeBookmarks();
    refreshBookmarkButtons();
}

void TForm1::clearAllBookmarks() {
    if (!book_.isOpen())
        return;
    if (!book_.Pages.clearAllBookmarks())
        return;
    writeBookmarks();
    refreshBookmarkButtons();
}

void TForm1::updateTitlePage() {
    TitlePageInput title;
    title.title = record_.info.title;
    title.subtitle = record_.info.subtitle;
    title.author = record_.info.author;
    title.synopsis = record_.info.synopsis;
    title.remarks = record_.info.remarks;
    title.fileName = book_.FileName;
    title.archiveEntry = book_.ArchiveEntry;
    pages_->setTitleInfo(title);
}

} // namespace qw

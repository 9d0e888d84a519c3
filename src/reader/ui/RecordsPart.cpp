#include "reader/ui/RecordsPart.h"

#include "controls/ui/TPanelButton.h"
#include "import/archive.h"
#include "reader/book.h"
#include "reader/title_page.h"
#include "reader/ui/PageArea.h"
#include "settings/book_fingerprint.h"
#include "settings/book_info_fields.h"
#include "settings/configuration.h"
#include "settings/ui/AnnotationPage.h"
#include "settings/ui/BookInfoPage.h"

#include <QBoxLayout>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace qw {

namespace {

TPanelButton* bookmarkButton(QWidget* parent, const QString& name, const QString& tip) {
    auto* button = new TPanelButton(parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    return button;
}

std::string timeText(const QDateTime& time) {
    if (!time.isValid())
        return std::string();
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

// Size, creation and modification time of a plain file; empty for an archive
// member and for a file that is gone.
FileFacts fileFactsOf(const Book& book) {
    FileFacts facts;
    if (!book.isOpen() || !book.ArchiveEntry.empty())
        return facts;
    const QFileInfo file(QString::fromStdString(book.FileName));
    if (!file.exists())
        return facts;
    facts.size = FormatByteCount(static_cast<std::uintmax_t>(file.size()),
                                 QLocale().groupSeparator().toStdString());
    facts.created = timeText(file.birthTime());
    facts.modified = timeText(file.lastModified());
    return facts;
}

} // namespace

RecordsPart::RecordsPart(ReaderContext& context, QBoxLayout& buttonRow)
    : QObject(&context.window), context_(context) {
    record_.settings = context_.config.state.book;
    Lesezeichen = bookmarkButton(&context_.window, QStringLiteral("Lesezeichen"),
                                 tr("Bookmark the left page (Ctrl+B); right click clears all"));
    Lesezeichen->setText(tr("Bookmark"));
    buttonRow.addWidget(Lesezeichen);
    connect(Lesezeichen, &TPanelButton::clicked, this, &RecordsPart::setNextBookmark);
    connect(Lesezeichen, &QWidget::customContextMenuRequested, this,
            &RecordsPart::clearAllBookmarks);
    for (int i = 0; i < 3; ++i) {
        TPanelButton* button =
            bookmarkButton(&context_.window, QStringLiteral("Lesezeichen%1").arg(i + 1),
                           tr("Go to the bookmark (Ctrl+%1); right click clears it").arg(i + 1));
        buttonRow.addWidget(button);
        connect(button, &TPanelButton::clicked, this, [this, i] { goToBookmark(i); });
        connect(button, &QWidget::customContextMenuRequested, this,
                [this, i] { clearBookmark(i); });
        LesezeichenNr[i] = button;
    }
    refreshBookmarkButtons();
}

std::string RecordsPart::recordName() const {
    return BookSectionName(context_.book.FileName, context_.book.ArchiveEntry);
}

RecordRules RecordsPart::recordRules() const {
    const ConfigState& state = context_.config.state;
    RecordRules rules;
    rules.ignoredPatterns = state.ignoredFiles;
    rules.excludedPaths = state.excludedPaths;
    rules.includedPaths = state.includedPaths;
    return rules;
}

bool RecordsPart::isUnrecorded() const {
    // The single-key writers judge the file itself (for a member: its archive).
    return !context_.configLoaded || !context_.book.isOpen() ||
           IsUnrecorded(EncodeSectionName(context_.book.FileName), recordRules());
}

void RecordsPart::loadRecord(const std::string& name) {
    if (!context_.configLoaded)
        return;
    Configuration& config = context_.config;
    FontChoice fonts;
    fonts.fontList = config.state.fontList;
    fonts.defaultFontName = config.state.defaultFontName;
    fonts.defaultFontSize = config.state.defaultFontSize;
    LoadRecordOptions options;
    options.applyDefaultToNewFiles = config.settings.Bool(Setting::ApplyDefaultSettings);
    options.currentLinesPerPage = std::max(1, context_.book.Pages.LinesPerPage);
    record_.settings = config.state.book;
    record_ = LoadBookSection(config.file, name, record_, fonts, recordRules(), options);
    config.state.book = record_.settings;
}

void RecordsPart::openBook() {
    Book& book = context_.book;
    takeOverMovedRecord();
    loadRecord(recordName());
    if (record_.info.title.empty() && !book.PalmDocTitle.empty())
        record_.info.title = book.PalmDocTitle;
    // The stored position: fitting carries it over to the new layout.
    book.LineCount = record_.position.totalLines;
    book.Pages.restore(record_.position.page, record_.position.linesPerPage, record_.bookmarks);
}

void RecordsPart::takeOverMovedRecord() {
    if (!context_.configLoaded || !context_.config.settings.Bool(Setting::FindMovedBooks) ||
        IsUnrecorded(recordName(), recordRules()))
        return;
    const std::string moved = FindMovedRecord(
        context_.config.file, recordName(), context_.book.Fingerprint,
        [](const std::string& reference) { return FileReferenceExists(reference); });
    if (!moved.empty())
        TakeOverRecord(context_.config.file, moved, recordName());
}

void RecordsPart::bookOpened() {
    const std::string now =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    record_.info.lastOpened = now;
    if (!isUnrecorded())
        SaveLastOpened(context_.config.file, recordName(), now);
    refreshBookInfo();
}

void RecordsPart::writeBookRecord() {
    const Book& book = context_.book;
    if (!context_.configLoaded || !book.isOpen() || book.AppendMode)
        return;
    record_.settings = context_.config.state.book;
    record_.position = {book.Pages.LeftPage, book.LineCount, book.Pages.LinesPerPage};
    for (size_t i = 0; i < 3; ++i)
        record_.bookmarks[i] = book.Pages.Bookmarks[i] > 0 ? book.Pages.Bookmarks[i] : kNoBookmark;
    // Kept with the record so that the book is found again after a move.
    record_.fingerprint = book.Fingerprint;
    SaveBookSection(context_.config.file, recordName(), record_, tocShown(), recordRules());
}

void RecordsPart::writeFontSettings() {
    if (!context_.configLoaded)
        return;
    if (!context_.book.isOpen())
        SaveFontLineSettings(context_.config.file, kDefaultRecord, context_.config.state.book);
    else if (!isUnrecorded())
        SaveFontLineSettings(context_.config.file, recordName(), context_.config.state.book);
}

void RecordsPart::writePage(int leftPage) {
    record_.position.page = leftPage;
    if (context_.book.ChangeReason == "DateiLaden" || isUnrecorded())
        return;
    SavePage(context_.config.file, recordName(), leftPage);
}

void RecordsPart::writeBookmarks() {
    const Book& book = context_.book;
    for (size_t i = 0; i < 3; ++i)
        record_.bookmarks[i] = book.Pages.Bookmarks[i] > 0 ? book.Pages.Bookmarks[i] : kNoBookmark;
    if (isUnrecorded())
        return;
    SaveBookmarks(context_.config.file, recordName(), record_.bookmarks);
    context_.config.file.UpdateFile();
}

void RecordsPart::refreshBookmarkButtons() {
    const Book& book = context_.book;
    for (size_t i = 0; i < 3; ++i) {
        const int mark = book.Pages.Bookmarks[i];
        LesezeichenNr[i]->setText(mark > 0 ? QString::number(mark) : QString());
        LesezeichenNr[i]->setEnabled(book.isOpen());
        // An unset bookmark takes no room in the top row.
        LesezeichenNr[i]->setVisible(mark > 0);
    }
    Lesezeichen->setEnabled(book.isOpen());
}

void RecordsPart::setNextBookmark() {
    if (!context_.book.isOpen() || !context_.book.Pages.setNextBookmark())
        return;
    writeBookmarks();
    refreshBookmarkButtons();
}

void RecordsPart::goToBookmark(int index) {
    const Book& book = context_.book;
    if (!book.isOpen())
        return;
    const std::optional<int> page = book.Pages.bookmarkTarget(index);
    if (page && *page != book.Pages.LeftPage)
        context_.pages.goToPage(*page);
}

void RecordsPart::clearBookmark(int index) {
    if (!context_.book.isOpen() || !context_.book.Pages.clearBookmark(index))
        return;
    writeBookmarks();
    refreshBookmarkButtons();
}

void RecordsPart::clearAllBookmarks() {
    if (!context_.book.isOpen() || !context_.book.Pages.clearAllBookmarks())
        return;
    writeBookmarks();
    refreshBookmarkButtons();
}

void RecordsPart::updateTitlePage() {
    TitlePageInput title;
    title.title = record_.info.title;
    title.subtitle = record_.info.subtitle;
    title.author = record_.info.author;
    title.synopsis = record_.info.synopsis;
    title.remarks = record_.info.remarks;
    title.fileName = context_.book.FileName;
    title.archiveEntry = context_.book.ArchiveEntry;
    FillFromGutenbergHeader(title, context_.book.Frame.header);
    context_.pages.setTitleInfo(title);
}

void RecordsPart::attachInfoPages(BookInfoPage* info, AnnotationPage* annotation) {
    bookInfo_ = info;
    annotation_ = annotation;
    auto edited = [this](BookKey key, const std::string& value) { infoEdited(key, value); };
    info->onEdited = edited;
    annotation->onEdited = edited;
    refreshBookInfo();
}

void RecordsPart::refreshBookInfo() {
    if (bookInfo_ == nullptr)
        return;
    const Book& book = context_.book;
    bookInfo_->setInfo(record_.info);
    bookInfo_->setCurrentFile(book.FileName);
    bookInfo_->setFileFacts(fileFactsOf(book));
    annotation_->setInfo(record_.info);
    // The fields belong to the open book; without one there is nothing to edit.
    bookInfo_->setEnabled(book.isOpen());
    annotation_->setEnabled(book.isOpen());
}

void RecordsPart::infoEdited(BookKey key, const std::string& value) {
    if (!context_.book.isOpen() || !IsInfoKey(key))
        return;
    SetInfoField(record_.info, key, value);
    updateTitlePage();
    if (!isUnrecorded())
        WriteInfoField(context_.config.file, recordName(), record_.info, key);
    if (IsCaptionKey(key))
        emit captionFieldsChanged();
}

} // namespace qw

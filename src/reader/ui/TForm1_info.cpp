// The reader window's record pages: the "Book info" button, the window that
// shows the book information, the annotation and the INI file list, and the
// writes of single information fields.

#include "reader/ui/TForm1.h"

#include "import/archive.h"
#include "reader/ui/PageArea.h"
#include "settings/book_info_fields.h"
#include "settings/ui/AnnotationPage.h"
#include "settings/ui/BookInfoPage.h"
#include "settings/ui/BookRecordDialog.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QUrl>

namespace qw {

namespace {

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

void TForm1::setUpBookInfo() {
    BookInfoButton = new QPushButton(tr("Book info"), this);
    BookInfoButton->setObjectName(QStringLiteral("BookInfo"));
    BookInfoButton->setToolTip(tr("Book information, annotation and the INI file list"));
    BookInfoButton->setFocusPolicy(Qt::NoFocus);
    BookInfoButton->setFlat(true);
    pages_->buttonRow()->insertWidget(pages_->buttonRow()->indexOf(Schliessen) + 1, BookInfoButton);
    connect(BookInfoButton, &QPushButton::clicked, this, &TForm1::BookInfoClick);
    BookInfoButton->setEnabled(configLoaded_);
    // A new book record shows up in the INI file list at once.
    config_->file.SetNewSectionListener([this](const std::string&) {
        if (bookRecordDialog_ != nullptr)
            bookRecordDialog_->iniFileListPage()->refresh();
    });
}

void TForm1::BookInfoClick() {
    if (!configLoaded_)
        return;
    if (bookRecordDialog_ == nullptr) {
        IniListBinding binding;
        binding.config = &config_->file;
        binding.listOptions = [this] {
            IniListOptions options;
            options.hideFilePaths = config_->settings.Bool(Setting::HideFilePath);
            options.hideArchiveNames = config_->settings.Bool(Setting::HideArchiveName);
            return options;
        };
        binding.exists = [](const std::string& reference) {
            return FileReferenceExists(reference);
        };
        // The recent files and favourites as the configuration holds them.
        binding.recentAndFavourites = [this] {
            std::vector<std::string> kept = config_->state.recent;
            kept.insert(kept.end(), config_->state.favorites.begin(),
                        config_->state.favorites.end());
            return kept;
        };
        binding.rules = [this] { return recordRules(); };
        binding.currentSettings = [this] { return config_->state.book; };
        // The contents panel is not shown yet.
        binding.tocPanelVisible = [] { return false; };
        bookRecordDialog_ = new BookRecordDialog(std::move(binding), this);
        auto edited = [this](BookKey key, const std::string& value) { bookInfoEdited(key, value); };
        bookRecordDialog_->bookInfoPage()->onEdited = edited;
        bookRecordDialog_->annotationPage()->onEdited = edited;
        bookRecordDialog_->bookInfoPage()->onOpenAddress = [](const std::string& address) {
            QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
        };
    }
    refreshBookInfo();
    bookRecordDialog_->show();
    bookRecordDialog_->raise();
    bookRecordDialog_->activateWindow();
}

void TForm1::refreshBookInfo() {
    if (bookRecordDialog_ == nullptr)
        return;
    BookInfoPage* info = bookRecordDialog_->bookInfoPage();
    AnnotationPage* annotation = bookRecordDialog_->annotationPage();
    info->setInfo(record_.info);
    info->setCurrentFile(book_.FileName);
    info->setFileFacts(fileFactsOf(book_));
    annotation->setInfo(record_.info);
    // The fields belong to the open book; without one there is nothing to edit.
    info->setEnabled(book_.isOpen());
    annotation->setEnabled(book_.isOpen());
}

void TForm1::bookInfoEdited(BookKey key, const std::string& value) {
    if (!book_.isOpen() || !IsInfoKey(key))
        return;
    SetInfoField(record_.info, key, value);
    updateTitlePage();
    if (!isUnrecorded())
        WriteInfoField(config_->file, recordName(), record_.info, key);
    if (IsCaptionKey(key))
        UpdateCaption();
}

} // namespace qw

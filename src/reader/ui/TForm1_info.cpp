// The reader window's record pages: the book information and the annotation
// shown for the open book, and the writes of single information fields.

#include "reader/ui/TForm1.h"

#include "import/archive.h"
#include "reader/ui/PageArea.h"
#include "settings/book_info_fields.h"
#include "settings/ui/AnnotationPage.h"
#include "settings/ui/BookInfoPage.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

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

void TForm1::refreshBookInfo() {
    syncOptionsWindow();
    if (options_ == nullptr)
        return;
    BookInfoPage* info = bookInfo_;
    AnnotationPage* annotation = annotation_;
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

#pragma once
// The "Book info" page: title, subtitle, author, rating, categories, source,
// "Finished reading" and the file facts of the current book. Every change
// the user makes is reported at once through onEdited; filling the page from
// a record reports nothing.

#include "controls/ui/TPanelButton.h"
#include "settings/book_record.h"
#include "settings/book_settings.h"

#include <QWidget>

#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace qw {

// The file facts the page shows; all empty for an archive member.
struct FileFacts {
    std::string size;     // "1,234 Bytes"
    std::string created;  // local time
    std::string modified; // local time
};

class BookInfoPage : public QWidget {
    Q_OBJECT
  public:
    explicit BookInfoPage(QWidget* parent = nullptr);

    // Shows the fields of a record; nothing is reported.
    void setInfo(const BookInfo& info);
    void setFileFacts(const FileFacts& facts);
    void setLastOpened(const std::string& text);
    // The open book's file (an archive's path for a member); empty: no book.
    void setCurrentFile(const std::string& fileName) { currentFile_ = fileName; }

    // A field changed by the user: its key and its new text (UTF-8; "Yes" or
    // "No" for "Finished").
    std::function<void(BookKey key, const std::string& value)> onEdited;
    // The "Source" button: the address to open.
    std::function<void(const std::string& address)> onOpenAddress;

    QLineEdit* field(BookKey key) const;
    QComboBox* ratingList() const { return rating_; }
    QCheckBox* finishedBox() const { return finished_; }
    TPanelButton* nameButton(BookKey key) const;
    TPanelButton* sourceButton() const { return sourceButton_; }
    QString factText(const char* which) const; // "Size", "Created", "Modified", "Last opened"

  private:
    void report(BookKey key, const QString& value);
    void insertFileName(BookKey key);
    void openSource();

    std::string currentFile_;
    QLineEdit* title_;
    QLineEdit* subtitle_;
    QLineEdit* author_;
    TPanelButton* titleButton_;
    TPanelButton* subtitleButton_;
    TPanelButton* authorButton_;
    QComboBox* rating_;
    QLineEdit* categories_;
    QLineEdit* source_;
    TPanelButton* sourceButton_;
    QCheckBox* finished_;
    QLabel* size_;
    QLabel* created_;
    QLabel* modified_;
    QLabel* lastOpened_;
};

} // namespace qw

#pragma once
// The "Annotation" page: the three memos of a book record ("Synopsis",
// "Additional information" and "Personal remarks / notes"). Every change the
// user makes is reported at once; filling the page reports nothing.

#include "settings/book_record.h"
#include "settings/book_settings.h"

#include <QWidget>

#include <functional>
#include <string>

class QPlainTextEdit;

namespace qw {

class AnnotationPage : public QWidget {
    Q_OBJECT
  public:
    explicit AnnotationPage(QWidget* parent = nullptr);

    void setInfo(const BookInfo& info);

    // A memo changed by the user: its key and its text with CR LF line breaks.
    std::function<void(BookKey key, const std::string& value)> onEdited;

    QPlainTextEdit* memo(BookKey key) const;

  private:
    void changed(BookKey key);

    bool filling_ = false;
    QPlainTextEdit* synopsis_;
    QPlainTextEdit* additional_;
    QPlainTextEdit* remarks_;
};

} // namespace qw

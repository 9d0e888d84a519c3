#pragma once
// The reader window's part for the open book's record: reading it when a
// book opens, writing the position, the bookmarks and the information
// fields, the bookmark buttons, the title page drawn from the information,
// and the "Book info" and "Annotation" pages.

#include "controls/ui/TPanelButton.h"
#include "reader/ui/ReaderContext.h"
#include "settings/book_record.h"

#include <QObject>

#include <functional>
#include <string>

class QBoxLayout;

namespace qw {

class AnnotationPage;
class BookInfoPage;

class RecordsPart : public QObject {
    Q_OBJECT
  public:
    // The bookmark buttons go into `buttonRow`.
    RecordsPart(ReaderContext& context, QBoxLayout& buttonRow);

    const BookRecord& record() const { return record_; }
    // The record's name: "Default" without a book, else the file reference.
    std::string recordName() const;
    RecordRules recordRules() const;
    // Books that never get a record (ignored, excluded, never saved).
    bool isUnrecorded() const;
    // Whether the contents panel is shown, for "TOC on left side".
    std::function<bool()> tocShown = [] { return false; };

    // Reads a record (or "Default") into the book controls of the
    // configuration; the caller applies the font.
    void loadRecord(const std::string& name);
    // A book is opening: its record is read, the Palm DOC name becomes the
    // title of a record without one, and the stored position and bookmarks
    // go to the pages.
    void openBook();
    // The book was loaded: "Last opened" now.
    void bookOpened();
    // Settings, position and bookmarks, with one rewrite of the file.
    void writeBookRecord();
    void writeFontSettings();
    void writePage(int leftPage);

    // Bookmarks (Ctrl+B, Ctrl+1..3, Ctrl+Shift+1..3, Ctrl+Shift+B).
    void setNextBookmark();
    void goToBookmark(int index);
    void clearBookmark(int index);
    void clearAllBookmarks();
    void refreshBookmarkButtons();

    void updateTitlePage();

    // The options' information pages, once they exist.
    void attachInfoPages(BookInfoPage* info, AnnotationPage* annotation);
    void refreshBookInfo();

  signals:
    // A field the caption shows (title, subtitle, author) changed.
    void captionFieldsChanged();

  private:
    void writeBookmarks();
    // "Find the reading position of moved or renamed books".
    void takeOverMovedRecord();
    void infoEdited(BookKey key, const std::string& value);

    ReaderContext& context_;
    BookRecord record_;
    TPanelButton* Lesezeichen;
    TPanelButton* LesezeichenNr[3];
    BookInfoPage* bookInfo_ = nullptr;
    AnnotationPage* annotation_ = nullptr;
};

} // namespace qw

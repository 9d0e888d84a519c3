#pragma once
// The reader window's find-in-files part: opens "Find text in files" with
// the find panel's text, hands the text back, and opens a chosen file at its
// first hit through the find panel.

#include <QObject>
#include <QString>

namespace qw {

class BookLoader;
class FindPart;
class TFIFForm;
struct ReaderContext;

class FindInFilesPart : public QObject {
    Q_OBJECT
  public:
    FindInFilesPart(ReaderContext& context, BookLoader& loader, FindPart& find);

    // Ctrl+Shift+F, the menu, "Find in files" and Shift+Enter in the find
    // panel: the window with `phrase` and the find panel's case flag.
    void start(const QString& phrase);
    // The window, made when first shown; null before.
    TFIFForm* form() const { return form_; }

  private:
    void formFinished(int result);
    QString startFolder() const;

    ReaderContext& context_;
    BookLoader& loader_;
    FindPart& find_;
    TFIFForm* form_ = nullptr;
};

} // namespace qw

#pragma once
// Fits the open book to a plain scrolling text view and shows its display
// lines in order: the view the reader has until the two pages arrive. The
// view draws the fitted lines with wrapping off, so what it shows is exactly
// what fitting counted. Its scroll position is kept as the book's left page,
// so a refit (new width or font) stays on the same passage.

#include "reader/fit_lines.h"
#include "reader/para_wrap.h"

#include <QFont>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QPlainTextEdit;

namespace qw {

class FitLinesView : public QObject, public FitHost {
    Q_OBJECT
  public:
    // `caption` shows progress texts; `captionDone` recomposes the caption.
    FitLinesView(Book& book, QPlainTextEdit* view, std::function<void(const QString&)> caption,
                 std::function<void()> captionDone);

    FitOptions& options() { return options_; }
    const ParaWrap& wrap() const { return wrap_; }

    // The page font (kerning and ligatures are switched off).
    void setPageFont(const QFont& font);
    const QFont& pageFont() const { return font_; }
    // The width lines are fitted to: the view's text area.
    int pageWidth() const;

    // Fits the book with the current font and width and shows it.
    void fit();
    // Refits when the width, font or removal option differ from the last fitting.
    void fitIfNeeded();

    // FitHost
    void showProgress(const std::string& caption) override;
    void setBusy(bool busy) override;
    void showPages() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void prepare();
    void trackScrollPosition(int value);

    Book& book_;
    QPlainTextEdit* view_;
    std::function<void(const QString&)> caption_;
    std::function<void()> captionDone_;
    FitOptions options_;
    ParaWrap wrap_;
    QFont font_;
    QTimer resizeTimer_;
    bool showing_ = false;
};

} // namespace qw

#pragma once
// The reading area of the reader window: the top row of turning buttons, the
// two facing pages (LinkeSeite, RechteSeite) with the drawn title page, the
// page numbers with the page history, the progress bar and the turn areas.
// It shows the pages of the book it is given and carries out the moves.

#include "controls/ui/TPanelButton.h"
#include "reader/book.h"
#include "reader/page_history.h"
#include "reader/page_layout.h"
#include "reader/page_moves.h"
#include "reader/page_text.h"
#include "reader/title_page.h"

#include <QPixmap>
#include <QStyle>
#include <QWidget>

#include <functional>

class QComboBox;
class QHBoxLayout;
class QLabel;

namespace qw {

class Dialogs;
class PageView;
class ProgressBar;
class TitlePageView;

struct PageAreaOptions {
    bool bookStyle = true;
    bool progressBarShown = true;
    bool progressBarBelow = true;
    bool pageNumbersBelow = false;
    PageMargins margins{}; // applied
    // Full screen: the button row is pushed above the screen's edge.
    bool fullScreen = false;
    // "Justify text": the lines of a paragraph are drawn to the page width.
    bool justify = false;
};

class PageArea : public QWidget {
    Q_OBJECT
  public:
    PageArea(Book& book, Dialogs& dialogs, QWidget* parent = nullptr);

    // The row at the top, for the window's own buttons.
    QHBoxLayout* buttonRow() const { return buttonRow_; }

    void setOptions(const PageAreaOptions& options);
    const PageAreaOptions& options() const { return options_; }
    void setPageFont(const QFont& font);
    QFont pageFont() const { return font_; }
    void setTabStopDistance(double pixels);
    void setColors(const QColor& page, const QColor& text, const QColor& window);

    // The fitted lines the pages are made of.
    void setLines(int lineCount, DisplayLineSource source);
    // Closes the panels open over the book; true when one was open. A left
    // press on the page text calls it first.
    std::function<bool()> closePanels;
    void setTitleInfo(const TitlePageInput& info);

    // Display lines that fit the page control's height, at least 1.
    int computeLinesPerPage() const;
    // The page control's width, which the lines are fitted to.
    int pageWidth() const;

    // Fills both pages for the book's LeftPage.
    void showCurrentPages();
    // A move of the turning table; does nothing without a book.
    void applyMove(PageMove move);
    void goToPage(int leftPage);
    // The jump dialog for the left or right page; prefill replaces the
    // current page number (the quick-page digit).
    void jumpDialog(bool rightPage, const std::string& prefill = {});
    void historyBack();
    void historyForward();
    PageHistory& history() { return history_; }
    void toggleHistoryList();

    PageView* leftPage() const { return LinkeSeite; }
    PageView* rightPage() const { return RechteSeite; }
    TitlePageView* titlePage() const { return TitlePage; }
    // What the left half shows: the title page on page 0, else the left page.
    QWidget* visibleLeftPage() const;
    // The page that copy and find work on.
    PageView* activePage() const { return activePage_; }
    void setActivePage(PageView* page) { activePage_ = page; }
    const PageText& leftText() const { return shown_.left; }
    const PageText& rightText() const { return shown_.right; }

    // Places every control for the current size and options.
    void placeControls();
    // Where the controls went.
    const PageLayout& layout() const { return layout_; }
    QLabel* leftPageNumber() const { return SeitenNrLinks; }

  signals:
    // After every shown move (the window writes the page into the book's record).
    void pagesShown(int leftPage);
    // A plain size change of the reading area.
    void resized();
    void contextMenuRequested(const QPoint& globalPosition);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void turnByArea(bool forward);
    void showMove(const MoveResult& result);
    void updateHistoryList();
    void renderBackground();
    TPanelButton* makeButton(const char* name, QStyle::StandardPixmap icon, const QString& tip,
                             PageMove move);

    Book& book_;
    Dialogs& dialogs_;
    PageAreaOptions options_;
    void justifyShownPages();
    QFont font_;
    QColor pageColour_{0xe7, 0xe7, 0xe7};
    QColor textColour_{0, 0, 0};
    QColor windowColour_;
    int lineCount_ = 0;
    DisplayLineSource source_;
    PageHistory history_;
    bool historyJump_ = false;
    PagePair shown_;
    PageLayout layout_;
    QPixmap background_;

    QHBoxLayout* buttonRow_;
    QWidget* topRow_;
    PageView* LinkeSeite;
    PageView* RechteSeite;
    PageView* activePage_;
    TitlePageView* TitlePage;
    QLabel* SeitenNrLinks;
    QLabel* SeitenNrRechts;
    QComboBox* History;
    ProgressBar* Fortschritt;
};

} // namespace qw

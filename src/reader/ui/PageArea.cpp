#include "reader/ui/PageArea.h"

#include "controls/dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "reader/justify.h"
#include "reader/ui/PageView.h"
#include "reader/ui/ProgressBar.h"
#include "reader/ui/TitlePageView.h"
#include "reader/window_layout.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

namespace qw {

namespace {
constexpr int kButtonRowHeight = 34;
constexpr int kProgressBarHeight = 10;
constexpr int kSeparatorWidth = 2;
} // namespace

PageArea::PageArea(Book& book, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), book_(book), dialogs_(dialogs) {
    setObjectName(QStringLiteral("PageArea"));
    setMouseTracking(true);
    windowColour_ = palette().color(QPalette::Window);
    font_.setKerning(false);

    topRow_ = new QWidget(this);
    topRow_->setObjectName(QStringLiteral("TopRow"));
    buttonRow_ = new QHBoxLayout(topRow_);
    // Room for the page numbers in the two top corners.
    buttonRow_->setContentsMargins(64, 3, 60, 3);
    buttonRow_->setSpacing(2);
    // The window's own buttons are inserted before this stretch.
    buttonRow_->addStretch(1);
    buttonRow_->addWidget(makeButton("MBFirst", QStyle::SP_MediaSkipBackward,
                                     tr("Title page (Home)"), PageMove::First));
    buttonRow_->addWidget(makeButton("MB10Back", QStyle::SP_MediaSeekBackward,
                                     tr("10 pages back (Page Up)"), PageMove::TenBack));
    buttonRow_->addWidget(
        makeButton("MBBack", QStyle::SP_ArrowBack, tr("Previous pages (Up)"), PageMove::Back));
    Fortschritt = new ProgressBar(this);
    Fortschritt->setFixedHeight(kProgressBarHeight);
    buttonRow_->addWidget(makeButton("MBForward", QStyle::SP_ArrowForward,
                                     tr("Next pages (Down, Space)"), PageMove::ForwardButton));
    buttonRow_->addWidget(makeButton("MB10Forward", QStyle::SP_MediaSeekForward,
                                     tr("10 pages forward (Page Down)"), PageMove::TenForward));
    buttonRow_->addWidget(makeButton("MBLast", QStyle::SP_MediaSkipForward, tr("Last pages (End)"),
                                     PageMove::LastButton));
    buttonRow_->addStretch(1);

    TitlePage = new TitlePageView(this);
    TitlePage->setObjectName(QStringLiteral("TitlePage"));
    LinkeSeite = new PageView(this);
    LinkeSeite->setObjectName(QStringLiteral("LinkeSeite"));
    RechteSeite = new PageView(this);
    RechteSeite->setObjectName(QStringLiteral("RechteSeite"));
    activePage_ = LinkeSeite;
    for (PageView* page : {LinkeSeite, RechteSeite})
        page->installEventFilter(this);
    TitlePage->installEventFilter(this);

    SeitenNrLinks = new QLabel(this);
    SeitenNrLinks->setObjectName(QStringLiteral("SeitenNrLinks"));
    SeitenNrRechts = new QLabel(this);
    SeitenNrRechts->setObjectName(QStringLiteral("SeitenNrRechts"));
    for (QLabel* label : {SeitenNrLinks, SeitenNrRechts}) {
        label->setCursor(Qt::PointingHandCursor);
        label->setAlignment(Qt::AlignCenter);
        label->installEventFilter(this);
    }
    SeitenNrLinks->setToolTip(tr("Jump to page; right click shows the page history"));
    SeitenNrRechts->setToolTip(tr("Jump to page"));
    History = new QComboBox(this);
    History->setObjectName(QStringLiteral("History"));
    History->setFocusPolicy(Qt::NoFocus);
    History->hide();
    connect(History, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        if (const std::optional<int> page = history_.choose(index)) {
            historyJump_ = true;
            goToPage(*page);
            historyJump_ = false;
        }
    });
    connect(Fortschritt, &ProgressBar::pageClicked, this, [this](int page) {
        if (book_.isOpen())
            goToPage(page);
    });
    placeControls();
}

TPanelButton* PageArea::makeButton(const char* name, QStyle::StandardPixmap icon,
                                   const QString& tip, PageMove move) {
    auto* button = new TPanelButton(topRow_);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumWidth(24);
    connect(button, &TPanelButton::clicked, this, [this, move] { applyMove(move); });
    return button;
}

void PageArea::setOptions(const PageAreaOptions& options) {
    options_ = options;
    placeControls();
    justifyShownPages();
    update();
}

void PageArea::justifyShownPages() {
    const auto justify = [this](PageView* view, int page, const PageText& text, bool filled) {
        view->setJustifiedLines(
            options_.justify && filled && book_.isOpen()
                ? PageLinesToJustify(book_, page, text.leadingBlankLines, view->lineCount())
                : std::vector<bool>());
    };
    justify(LinkeSeite, book_.Pages.LeftPage, shown_.left, shown_.leftFilled);
    justify(RechteSeite, book_.Pages.LeftPage + 1, shown_.right, shown_.rightFilled);
}

void PageArea::setPageFont(const QFont& font) {
    font_ = font;
    font_.setKerning(false);
    LinkeSeite->setPageFont(font_);
    RechteSeite->setPageFont(font_);
    TitlePage->setPageFont(font_);
}

void PageArea::setTabStopDistance(double pixels) {
    LinkeSeite->setTabStopDistance(pixels);
    RechteSeite->setTabStopDistance(pixels);
}

void PageArea::setColors(const QColor& page, const QColor& text, const QColor& window) {
    pageColour_ = page;
    textColour_ = text;
    windowColour_ = window;
    LinkeSeite->setColors(page, text);
    RechteSeite->setColors(page, text);
    TitlePage->setColors(page, text);
    background_ = QPixmap();
    update();
}

void PageArea::setLines(int lineCount, DisplayLineSource source) {
    lineCount_ = lineCount;
    source_ = std::move(source);
}

void PageArea::setTitleInfo(const TitlePageInput& info) {
    TitlePage->setBook(info);
}

int PageArea::computeLinesPerPage() const {
    return ComputeLinesPerPage(LinkeSeite->height(), QFontMetricsF(font_, this).height());
}

int PageArea::pageWidth() const {
    return LinkeSeite->width();
}

void PageArea::placeControls() {
    LayoutInput in;
    in.clientWidth = width();
    in.clientHeight = height();
    in.buttonRowHeight = kButtonRowHeight;
    in.separatorWidth = kSeparatorWidth;
    in.progressBarShown = options_.progressBarShown;
    in.progressBarBelow = options_.progressBarBelow;
    in.progressBarHeight = kProgressBarHeight;
    in.bookStyle = options_.bookStyle;
    in.margins = options_.margins;
    const int hidden = options_.fullScreen ? FullScreenOverhang(kButtonRowHeight) : 0;
    in.aboveScreen = hidden;
    layout_ = ComputePageLayout(in);

    topRow_->setGeometry(0, -hidden, width(), kButtonRowHeight);
    auto toQ = [](const Rect& r) { return QRect(r.x, r.y, r.width, r.height); };
    LinkeSeite->setGeometry(toQ(layout_.left));
    TitlePage->setGeometry(toQ(layout_.left));
    RechteSeite->setGeometry(toQ(layout_.right));

    // The progress bar sits below the pages or in the top row.
    const int backIndex =
        buttonRow_->indexOf(topRow_->findChild<TPanelButton*>(QStringLiteral("MBBack")));
    Fortschritt->setBelowText(options_.progressBarBelow);
    if (options_.progressBarShown && options_.progressBarBelow) {
        if (Fortschritt->parentWidget() != this) {
            buttonRow_->removeWidget(Fortschritt);
            Fortschritt->setParent(this);
        }
        Fortschritt->setGeometry(toQ(layout_.progressBar));
        Fortschritt->setMinimumWidth(0);
        Fortschritt->setVisible(true);
    } else if (options_.progressBarShown) {
        if (Fortschritt->parentWidget() != topRow_) {
            Fortschritt->setParent(topRow_);
            buttonRow_->insertWidget(backIndex + 1, Fortschritt);
        }
        Fortschritt->setMinimumWidth(std::max(60, width() / 4));
        Fortschritt->setVisible(true);
    } else {
        Fortschritt->setVisible(false);
    }

    const QFontMetrics labelMetrics(SeitenNrLinks->font());
    const int labelHeight = labelMetrics.height() + 4;
    const int labelWidth = labelMetrics.horizontalAdvance(QStringLiteral("00000")) + 12;
    const bool below = options_.pageNumbersBelow && PageNumbersBelowAllowed(options_.margins);
    if (below) {
        SeitenNrLinks->setGeometry(layout_.left.x + (layout_.left.width - labelWidth) / 2,
                                   layout_.left.bottom(), labelWidth, labelHeight);
        SeitenNrRechts->setGeometry(layout_.right.x + (layout_.right.width - labelWidth) / 2,
                                    layout_.right.bottom(), labelWidth, labelHeight);
        History->move(SeitenNrLinks->x() + labelWidth + 48, SeitenNrLinks->y());
    } else {
        const int y = (kButtonRowHeight - labelHeight) / 2 - hidden;
        SeitenNrLinks->setGeometry(8, y, labelWidth, labelHeight);
        SeitenNrRechts->setGeometry(width() - 5 - labelWidth, y, labelWidth, labelHeight);
        History->move(56, y);
    }
    History->raise();
    background_ = QPixmap();
    update();
}

void PageArea::resizeEvent(QResizeEvent*) {
    placeControls();
    emit resized();
}

void PageArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (background_.size() != size())
        renderBackground();
    painter.drawPixmap(event->rect(), background_, event->rect());
}

void PageArea::renderBackground() {
    // Drawn once per size, style or colour change, not on every page turn.
    background_ = QPixmap(size());
    background_.fill(windowColour_);
    QPainter painter(&background_);
    if (!options_.bookStyle) {
        painter.fillRect(rect().adjusted(0, layout_.topLine.y, 0, 0), pageColour_);
        painter.setPen(QPen(palette().color(QPalette::Mid), 1));
        const Rect& s = layout_.separator;
        painter.fillRect(QRect(s.x, s.y, s.width, s.height), palette().color(QPalette::Mid));
        const Rect& t = layout_.topLine;
        painter.drawLine(t.x, t.y, t.right(), t.y);
        return;
    }
    // An open book: two pages on a darker cover, a shadow along the spine.
    const Rect& b = layout_.bookPicture;
    if (b.width <= 0 || b.height <= 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF book(b.x + 4, b.y + 3, b.width - 8, b.height - 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(windowColour_.darker(135));
    painter.drawRoundedRect(book, 6, 6);
    const double spine = b.x + b.width / 2.0;
    const QRectF leftSheet(book.left() + 4, book.top() + 3, spine - book.left() - 5,
                           book.height() - 8);
    const QRectF rightSheet(spine + 1, book.top() + 3, book.right() - spine - 5, book.height() - 8);
    painter.setBrush(pageColour_);
    painter.drawRoundedRect(leftSheet, 3, 3);
    painter.drawRoundedRect(rightSheet, 3, 3);
    // The fold: a shadow that stays in the gap between the two text areas.
    const double half =
        std::max(2.0, std::min(spine - layout_.left.right(), layout_.right.x - spine));
    QLinearGradient shade(spine - half, 0, spine + half, 0);
    const QColor dark = pageColour_.darker(118);
    QColor clear = pageColour_;
    shade.setColorAt(0.0, clear);
    shade.setColorAt(0.5, dark);
    shade.setColorAt(1.0, clear);
    painter.setBrush(shade);
    painter.drawRect(QRectF(spine - half, leftSheet.top(), 2 * half, leftSheet.height()));
    painter.setPen(QPen(pageColour_.darker(135), 1));
    painter.drawLine(QPointF(spine, leftSheet.top()), QPointF(spine, leftSheet.bottom()));
}

void PageArea::showCurrentPages() {
    if (!book_.isOpen() || book_.Pages.PageCount < 0) {
        LinkeSeite->clearPage();
        RechteSeite->clearPage();
        SeitenNrLinks->clear();
        SeitenNrRechts->clear();
        TitlePage->hide();
        LinkeSeite->show();
        Fortschritt->setPosition(0, 0);
        shown_ = PagePair{};
        return;
    }
    setUpdatesEnabled(false);
    shown_ = ComposePages(book_.Pages.LeftPage, book_.Pages.LinesPerPage, lineCount_, source_);
    LinkeSeite->setPageText(shown_.left.text);
    RechteSeite->setPageText(shown_.right.text);
    justifyShownPages();
    setUpdatesEnabled(true);
    if (!shown_.failedLines.empty()) {
        const std::string n = std::to_string(shown_.failedLines.front());
        dialogs_.error("Error in line " + n + "=>" + n);
    }

    TitlePage->setVisible(book_.Pages.LeftPage == 0);
    LinkeSeite->setVisible(book_.Pages.LeftPage > 0);
    SeitenNrLinks->setText(book_.Pages.LeftPage == 0 ? QStringLiteral("Title")
                                                     : QString::number(book_.Pages.LeftPage));
    SeitenNrRechts->setText(QString::number(book_.Pages.LeftPage + 1));
    SeitenNrLinks->show();
    SeitenNrRechts->show();
    LinkeSeite->collapseSelection();
    RechteSeite->collapseSelection();
    activePage_ = LinkeSeite;

    if (!historyJump_) {
        history_.record(book_.Pages.LeftPage);
        updateHistoryList();
    }
    Fortschritt->setPosition(book_.Pages.LeftPage, book_.Pages.PageCount);
    Fortschritt->setVisible(options_.progressBarShown);
    emit pagesShown(book_.Pages.LeftPage);
}

void PageArea::updateHistoryList() {
    History->clear();
    for (const std::string& entry : history_.entries())
        History->addItem(QString::fromStdString(entry));
    History->setCurrentIndex(history_.selected());
}

void PageArea::showMove(const MoveResult& result) {
    if (!result.show)
        return;
    book_.Pages.LeftPage = result.leftPage;
    showCurrentPages();
}

QWidget* PageArea::visibleLeftPage() const {
    if (TitlePage->isVisibleTo(const_cast<PageArea*>(this)))
        return TitlePage;
    return LinkeSeite;
}

void PageArea::applyMove(PageMove move) {
    if (!book_.isOpen())
        return;
    showMove(ApplyPageMove(move, book_.Pages.LeftPage, book_.Pages.PageCount));
}

void PageArea::goToPage(int leftPage) {
    if (!book_.isOpen())
        return;
    book_.Pages.goTo(leftPage);
    showCurrentPages();
}

void PageArea::jumpDialog(bool rightPage, const std::string& prefill) {
    if (!book_.isOpen())
        return;
    const int current = rightPage ? book_.Pages.LeftPage + 1 : book_.Pages.LeftPage;
    const std::string prompt =
        rightPage ? "Please enter right page number:" : "Please enter left page number:";
    // A typed digit stays unselected, so that further digits extend it.
    const std::optional<std::string> input = dialogs_.inputLine(
        {prompt, "Jump to page", prefill.empty() ? std::to_string(current) : prefill, 255,
         !prefill.empty()});
    if (!input)
        return;
    const std::optional<int> page = JumpTarget(*input, rightPage, book_.Pages.PageCount);
    if (page && *page != book_.Pages.LeftPage) {
        book_.Pages.LeftPage = *page;
        showCurrentPages();
    }
}

void PageArea::historyBack() {
    if (!book_.isOpen())
        return;
    if (const std::optional<int> page = history_.back()) {
        historyJump_ = true;
        goToPage(*page);
        updateHistoryList();
        historyJump_ = false;
    }
}

void PageArea::historyForward() {
    if (!book_.isOpen())
        return;
    if (const std::optional<int> page = history_.forward()) {
        historyJump_ = true;
        goToPage(*page);
        updateHistoryList();
        historyJump_ = false;
    }
}

void PageArea::toggleHistoryList() {
    History->setVisible(!History->isVisible());
    if (History->isVisible())
        History->raise();
}

void PageArea::turnByArea(bool forward) {
    if (!book_.isOpen())
        return;
    showMove(ApplyPageMove(forward ? PageMove::TurnForwardArea : PageMove::TurnBackArea,
                           book_.Pages.LeftPage, book_.Pages.PageCount));
}

void PageArea::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool inLeftArea = QRect(layout_.leftTurnArea.x, layout_.leftTurnArea.y,
                                  layout_.leftTurnArea.width, layout_.leftTurnArea.height)
                                .contains(at);
    const bool inRightArea = QRect(layout_.rightTurnArea.x, layout_.rightTurnArea.y,
                                   layout_.rightTurnArea.width, layout_.rightTurnArea.height)
                                 .contains(at);
    if (event->button() == Qt::LeftButton) {
        turnByArea(inRightArea);
    } else if (event->button() == Qt::RightButton) {
        if (inLeftArea || inRightArea)
            emit contextMenuRequested(event->globalPosition().toPoint());
        else
            turnByArea(true);
    }
}

void PageArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (QRect(layout_.leftTurnArea.x, layout_.leftTurnArea.y, layout_.leftTurnArea.width,
              layout_.leftTurnArea.height)
            .contains(at))
        setCursor(Qt::SizeBDiagCursor);
    else if (QRect(layout_.rightTurnArea.x, layout_.rightTurnArea.y, layout_.rightTurnArea.width,
                   layout_.rightTurnArea.height)
                 .contains(at))
        setCursor(Qt::SizeFDiagCursor);
    else
        setCursor(Qt::SizeHorCursor);
}

bool PageArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == SeitenNrLinks || watched == SeitenNrRechts) {
        if (mouse->button() == Qt::LeftButton)
            jumpDialog(watched == SeitenNrRechts);
        else if (mouse->button() == Qt::RightButton && watched == SeitenNrLinks)
            toggleHistoryList();
        return true;
    }
    if (watched == LinkeSeite || watched == RechteSeite || watched == TitlePage) {
        if (mouse->button() == Qt::RightButton) {
            emit contextMenuRequested(mouse->globalPosition().toPoint());
            return true;
        }
        // With a panel open over the book, a press on the text closes it
        // instead of selecting.
        if (mouse->button() == Qt::LeftButton && closePanels && closePanels())
            return true;
        // A press on one page empties the selection of the other.
        if (watched == LinkeSeite)
            RechteSeite->collapseSelection();
        else if (watched == RechteSeite)
            LinkeSeite->collapseSelection();
        if (watched != TitlePage)
            activePage_ = static_cast<PageView*>(watched);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qw

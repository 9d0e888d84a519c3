#include "reader/ui/ContentsPanel.h"

#include "controls/ui/TPanelButton.h"
#include "reader/ui/qt_text_measurer.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace qw {

namespace {

constexpr int kPageColumn = 44;
constexpr int kTextColumn = 336;
constexpr int kLastColumn = 39;

QWidget* labelStrip(QWidget* parent, const char* name, const QString& text) {
    auto* strip = new QWidget(parent);
    strip->setObjectName(QString::fromLatin1(name));
    strip->setMouseTracking(true);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* label = new QLabel(text, strip);
    label->setMouseTracking(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(label);
    return strip;
}

} // namespace

ContentsPanel::ContentsPanel(QWidget* window) : QFrame(window), window_(window) {
    setObjectName(QStringLiteral("Contents"));
    setFrameShape(QFrame::StyledPanel);
    setMouseTracking(true);
    setWindowTitle(tr("TABLE OF CONTENTS"));
    setAutoFillBackground(true);

    title_ = new QLabel(tr("TABLE OF CONTENTS"), this);
    title_->setAlignment(Qt::AlignCenter);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);

    TOCLeft = new QCheckBox(tr("&Left"), this);
    TOCLeft->setObjectName(QStringLiteral("TOCLeft"));
    TOCLeft->setToolTip(tr("When checked: Stick TOC to the left side"));
    TOCLeft->setFocusPolicy(Qt::NoFocus);
    CreateTOC = new TPanelButton(tr("Create"), this);
    CreateTOC->useGrooveLook();
    CreateTOC->setObjectName(QStringLiteral("CreateTOC"));
    CreateTOC->setToolTip(tr("Create TOC now"));
    CreateTOC->setFocusPolicy(Qt::NoFocus);
    TOCClose = new TPanelButton(tr("Hide"), this);
    TOCClose->useGrooveLook();
    TOCClose->setObjectName(QStringLiteral("TOCClose"));
    TOCClose->setToolTip(tr("Hide the TOC panel"));
    TOCClose->setFocusPolicy(Qt::NoFocus);
    auto* bar = new QHBoxLayout;
    bar->addWidget(TOCLeft);
    bar->addStretch(1);
    bar->addWidget(CreateTOC);
    bar->addWidget(TOCClose);

    ChapterPanelDown =
        labelStrip(this, "ChapterPanelDown", tr("Click on a line to jump to that section"));

    ChapterList = new QTableWidget(0, 3, this);
    ChapterList->setObjectName(QStringLiteral("ChapterList"));
    ChapterList->setSelectionBehavior(QAbstractItemView::SelectRows);
    ChapterList->setSelectionMode(QAbstractItemView::SingleSelection);
    ChapterList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ChapterList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ChapterList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ChapterList->setWordWrap(false);
    ChapterList->setShowGrid(false);
    ChapterList->verticalHeader()->hide();
    ChapterList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ChapterList->verticalHeader()->setDefaultSectionSize(ChapterList->fontMetrics().height() + 4);
    ChapterList->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ChapterList->horizontalHeader()->setHighlightSections(false);
    ChapterList->horizontalHeader()->setSectionsClickable(false);
    ChapterList->setColumnWidth(0, kPageColumn);
    ChapterList->setColumnWidth(1, kTextColumn);
    ChapterList->setColumnWidth(2, kLastColumn);
    ChapterList->setMouseTracking(true);
    ChapterList->viewport()->setMouseTracking(true);
    ChapterList->horizontalHeader()->setMouseTracking(true);
    ChapterList->installEventFilter(this);
    ChapterList->viewport()->installEventFilter(this);
    ChapterList->horizontalHeader()->installEventFilter(this);
    ChapterPanelDown->installEventFilter(this);

    ChapterPanelUp = labelStrip(this, "ChapterPanelUp", tr("PREVIEW"));
    ChapterPanelUp->installEventFilter(this);

    ChapterPreview = new QPlainTextEdit(this);
    ChapterPreview->setObjectName(QStringLiteral("ChapterPreview"));
    ChapterPreview->setReadOnly(true);
    // Kerning off, as on the pages, so the preview wraps as it was measured.
    ChapterPreview->setFont(PageFont(ChapterPreview->font()));
    ChapterPreview->setFocusPolicy(Qt::NoFocus);
    ChapterPreview->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ChapterPreview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ChapterPreview->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ChapterPreview->setToolTip(tr("Click on a TOC line (above) to see the text of the section "
                                  "header in this preview."));
    ChapterPreview->setMouseTracking(true);
    ChapterPreview->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(title_);
    layout->addLayout(bar);
    layout->addWidget(ChapterPanelDown);
    layout->addWidget(ChapterList, 3);
    layout->addWidget(ChapterPanelUp);
    layout->addWidget(ChapterPreview, 1);

    CScrDelay.setObjectName(QStringLiteral("CScrDelay"));
    CScrDelay.setInterval(100);
    connect(&CScrDelay, &QTimer::timeout, this, &ContentsPanel::scrollTick);

    connect(CreateTOC, &TPanelButton::clicked, this, &ContentsPanel::createRequested);
    connect(TOCClose, &TPanelButton::clicked, this, &ContentsPanel::hideRequested);
    connect(TOCLeft, &QCheckBox::toggled, this, &ContentsPanel::dockingChanged);
    connect(ChapterList, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previous, int) {
                if (row >= 0 && row != previous)
                    emit rowSelected(row);
            });
    window_->installEventFilter(this);
    resize(panelWidth(), 600);
    hide();
}

int ContentsPanel::panelWidth() {
    return kPageColumn + kTextColumn + kLastColumn + 40;
}

void ContentsPanel::setRows(const std::vector<SectionRow>& rows) {
    const QSignalBlocker blocker(ChapterList);
    ChapterList->clearContents();
    ChapterList->setHorizontalHeaderLabels({tr("Page"), tr("First line"), QString()});
    ChapterList->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SectionRow& row = rows[static_cast<size_t>(r)];
        auto* page = new QTableWidgetItem(QString::number(row.page));
        page->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ChapterList->setItem(r, 0, page);
        ChapterList->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(row.text)));
    }
}

void ContentsPanel::clearRows() {
    const QSignalBlocker blocker(ChapterList);
    CScrDelay.stop();
    ChapterList->setRowCount(0);
    ChapterList->setHorizontalHeaderLabels({QString(), QString(), QString()});
}

int ContentsPanel::rowCount() const {
    return ChapterList->rowCount();
}

int ContentsPanel::selectedRow() const {
    return ChapterList->currentRow();
}

void ContentsPanel::selectRow(int row) {
    if (row < 0 || row >= ChapterList->rowCount())
        return;
    if (ChapterList->currentRow() != row)
        ChapterList->setCurrentCell(row, 1);
    ChapterList->scrollToItem(ChapterList->item(row, 1));
}

int ContentsPanel::previewMaxRows() const {
    const int line = ChapterPreview->fontMetrics().lineSpacing();
    const int margin = static_cast<int>(ChapterPreview->document()->documentMargin());
    return line > 0 ? (ChapterPreview->viewport()->height() - 2 * margin) / line : 0;
}

void ContentsPanel::preparePreviewWrap(ParaWrap& wrap) {
    const QtTextMeasurer measurer(ChapterPreview->font());
    const double margin = ChapterPreview->document()->documentMargin();
    wrap.setFont(measurer);
    wrap.setBounds(ChapterPreview->viewport()->width() - 2 * margin,
                   ChapterPreview->viewport()->height());
    wrap.setTabStops(32);
    ChapterPreview->setTabStopDistance(wrap.tabStopDistance());
}

void ContentsPanel::setPreviewText(const QString& text) {
    ChapterPreview->setPlainText(text);
}

QString ContentsPanel::previewText() const {
    return ChapterPreview->toPlainText();
}

void ContentsPanel::setDocked(bool docked) {
    if (placed_ && docked == docked_) {
        followWindow();
        return;
    }
    placed_ = true;
    const bool wasVisible = isVisible();
    docked_ = docked;
    {
        const QSignalBlocker blocker(TOCLeft);
        TOCLeft->setChecked(docked);
    }
    if (docked) {
        setParent(window_, Qt::Widget);
        if (window_->layout() != nullptr)
            window_->layout()->setContentsMargins(panelWidth(), 0, 0, 0);
        followWindow();
    } else {
        if (window_->layout() != nullptr)
            window_->layout()->setContentsMargins(0, 0, 0, 0);
        const QPoint at = window_->mapToGlobal(QPoint(0, 0));
        setParent(window_, Qt::Tool);
        setGeometry(at.x() + 8, at.y() + 8, panelWidth(), std::max(300, window_->height() - 16));
    }
    setVisible(wasVisible);
    if (wasVisible)
        raise();
}

void ContentsPanel::followWindow() {
    if (docked_)
        setGeometry(0, 0, panelWidth(), window_->height());
}

void ContentsPanel::hover(HoverZone zone) {
    zone_ = zone;
    if (HoverScrollRuns(zone, selectedRow(), rowCount())) {
        if (!CScrDelay.isActive())
            CScrDelay.start();
    } else {
        CScrDelay.stop();
    }
}

void ContentsPanel::scrollTick() {
    const int row = selectedRow();
    const int next = HoverScrollStep(zone_, row, rowCount());
    if (next == row) {
        CScrDelay.stop();
        return;
    }
    selectRow(next);
}

bool ContentsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::Resize)
            followWindow();
        return QFrame::eventFilter(watched, event);
    }
    if (watched == ChapterPreview) {
        if (event->type() == QEvent::Resize)
            emit previewResized();
        return QFrame::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseMove) {
        if (watched == ChapterList->viewport()) {
            hover(HoverZone::Elsewhere);
            auto* move = static_cast<QMouseEvent*>(event);
            // The pointer selects the row it moves onto; a panel that moved
            // under a resting pointer keeps its selection.
            const QPointF global = move->globalPosition();
            const bool pointerMoved = global != lastPointer_;
            lastPointer_ = global;
            const int row = ChapterList->rowAt(move->position().toPoint().y());
            if (pointerMoved && row >= 0 && (move->buttons() & Qt::LeftButton) == 0)
                selectRow(row);
        } else if (watched == ChapterList->horizontalHeader() || watched == ChapterPanelDown) {
            hover(HoverZone::Above);
            return true; // not on to the panel, which would stop the timer
        } else if (watched == ChapterPanelUp) {
            hover(HoverZone::Below);
            return true;
        }
    } else if (event->type() == QEvent::Leave &&
               (watched == ChapterList->horizontalHeader() || watched == ChapterPanelDown ||
                watched == ChapterPanelUp)) {
        hover(HoverZone::Elsewhere);
    } else if (event->type() == QEvent::KeyPress && watched == ChapterList) {
        // The reader window has routed the key here (Enter and the shortcuts
        // it carries out itself): Home and End go to the first and the last
        // section, not to the row's first and last column.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Home || key == Qt::Key_End) && rowCount() > 0) {
            selectRow(key == Qt::Key_Home ? 0 : rowCount() - 1);
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonPress && watched == ChapterList->viewport()) {
        auto* press = static_cast<QMouseEvent*>(event);
        lastPointer_ = press->globalPosition();
        const int row = ChapterList->rowAt(press->position().toPoint().y());
        if (press->button() == Qt::LeftButton && row >= 0) {
            selectRow(row);
            ChapterList->setFocus();
            emit sectionClicked(row);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void ContentsPanel::mouseMoveEvent(QMouseEvent* event) {
    hover(HoverZone::Elsewhere);
    QFrame::mouseMoveEvent(event);
}

} // namespace qw

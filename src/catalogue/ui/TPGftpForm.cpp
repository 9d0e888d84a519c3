#include "catalogue/ui/TPGftpForm.h"

#include "catalogue/gutindex.h"
#include "catalogue/server_config.h"
#include "catalogue/ui/CatalogueModel.h"
#include "catalogue/ui/DownloadPane.h"
#include "catalogue/ui/THttpCli.h"
#include "controls/dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "settings/configuration.h"
#include "settings/ui/colour_scheme_ui.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace qw {

namespace {

const char* const kCaption = "Browse and download Project Gutenberg files";
const char* const kLoadingCaption = "Loading index - please wait...";

// The hourglass for the length of a scope, restored on every way out.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

TPanelButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new TPanelButton(text, parent);
    button->useGrooveLook();
    button->setObjectName(QLatin1String(name));
    return button;
}

QCheckBox* Check(const QString& text, const char* name, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

} // namespace

TPGftpForm::TPGftpForm(Configuration& config, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), config_(config.file), settings_(config.settings),
      configDir_(config.state.configDir), dialogs_(dialogs) {
    setObjectName(QStringLiteral("PGftpForm"));
    setWindowTitle(QLatin1String(kCaption));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    // Design sizes grow with the screen's pixels per inch.
    const int dpi = screen() ? static_cast<int>(screen()->logicalDotsPerInch()) : 96;
    auto scaled = [dpi](int size) { return size * dpi / 96; };
    designWidth_ = scaled(kDesignWidth);
    designHeight_ = scaled(kDesignHeight);
    int minWidth = scaled(kDesignMinWidth), minHeight = scaled(kDesignMinHeight);
    if (screen()) {
        const QSize s = screen()->size();
        if (s.width() + 8 < minWidth)
            minWidth = s.width() - 50;
        if (s.height() + 8 < minHeight)
            minHeight = s.height() - 30;
    }
    setMinimumSize(minWidth, minHeight);
    resize(designWidth_, designHeight_);

    ItemsLabel = new QLabel(tr("0 items"), this);
    ItemsLabel->setObjectName(QStringLiteral("ItemsLabel"));
    ItemsLabel->setMinimumWidth(scaled(80));
    FilterText = new QLineEdit(this);
    FilterText->setObjectName(QStringLiteral("FilterText"));
    FilterText->setPlaceholderText(tr("Filter text"));
    FilterApply = Button(tr("Filter"), "FilterApply", this);
    FilterActive = Check(tr("Active"), "FilterActive", true, this);
    CaseSens = Check(tr("Case sensitive"), "CaseSens", false, this);
    FilterReset = Button(tr("Reset"), "FilterReset", this);
    ShowAddInfo = Check(tr("Show info"), "ShowAddInfo", true, this);

    list_.reset(entries_);
    model_ = new CatalogueModel(list_, this);
    PGList = new QTableView(this);
    PGList->setObjectName(QStringLiteral("PGList"));
    PGList->setModel(model_);
    PGList->setSelectionBehavior(QAbstractItemView::SelectRows);
    PGList->setSelectionMode(QAbstractItemView::ContiguousSelection);
    PGList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PGList->setWordWrap(false);
    PGList->setMouseTracking(true);
    PGList->verticalHeader()->hide();
    PGList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    PGList->verticalHeader()->setDefaultSectionSize(PGList->fontMetrics().height() + 4);
    PGList->horizontalHeader()->setSectionsClickable(true);
    PGList->horizontalHeader()->setHighlightSections(false);
    PGList->horizontalHeader()->setStretchLastSection(true);
    // Room for a six-digit number with "C" or an Australian "A" number.
    PGList->setColumnWidth(
        0, std::max(scaled(62),
                    PGList->fontMetrics().horizontalAdvance(QStringLiteral("0000000C")) + 12));
    PGList->setColumnWidth(1, scaled(430));
    for (int hidden : {3, 4, 5})
        PGList->setColumnHidden(hidden, true);
    PGList->viewport()->installEventFilter(this);
    PGList->installEventFilter(this);
    FilterText->installEventFilter(this);

    EtextSelect = Button(tr("Copy selection\nto download list"), "EtextSelect", this);
    DownloadPanel = new QFrame(this);
    DownloadPanel->setObjectName(QStringLiteral("DownloadPanel"));
    DownloadPanel->setFrameShape(QFrame::StyledPanel);
    http_ = new THttpCli(this);
    Downloads =
        new DownloadPane(*http_, dialogs_, ReadServerBases(config_), configDir_, DownloadPanel);
    auto* downloadLayout = new QVBoxLayout(DownloadPanel);
    downloadLayout->setContentsMargins(0, 0, 0, 0);
    downloadLayout->addWidget(Downloads);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(ItemsLabel);
    filterRow->addWidget(FilterText, 1);
    filterRow->addWidget(FilterApply);
    filterRow->addWidget(FilterActive);
    filterRow->addWidget(CaseSens);
    filterRow->addWidget(FilterReset);
    filterRow->addSpacing(scaled(12));
    filterRow->addWidget(ShowAddInfo);
    auto* copyRow = new QHBoxLayout;
    copyRow->addWidget(EtextSelect);
    copyRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(PGList, 3);
    layout->addLayout(copyRow);
    layout->addWidget(DownloadPanel, 2);

    connect(FilterApply, &TPanelButton::clicked, this, &TPGftpForm::applyFilter);
    connect(FilterText, &QLineEdit::textChanged, this, [this] {
        if (FilterActive->isChecked())
            applyFilter();
    });
    connect(FilterActive, &QCheckBox::clicked, this, [this](bool checked) {
        if (checked)
            applyFilter();
    });
    connect(CaseSens, &QCheckBox::clicked, this, &TPGftpForm::applyFilter);
    connect(FilterReset, &TPanelButton::clicked, this, &TPGftpForm::resetFilter);
    connect(ShowAddInfo, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            hideInfoTip();
    });
    connect(PGList->horizontalHeader(), &QHeaderView::sectionPressed, this,
            &TPGftpForm::sortByColumn);
    connect(PGList, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (Downloads->running())
            return;
        const std::vector<CatalogueEntry> one{list_.entry(static_cast<size_t>(index.row()))};
        if (!one.front().number.empty())
            emit entriesChosen(one);
    });
    connect(EtextSelect, &TPanelButton::clicked, this, &TPGftpForm::chooseSelection);
    connect(this, &TPGftpForm::entriesChosen, Downloads, &DownloadPane::add);
    connect(Downloads, &DownloadPane::runningChanged, EtextSelect,
            [this](bool running) { EtextSelect->setEnabled(!running); });
    connect(Downloads, &DownloadPane::indexRefreshed, this, [this] {
        setWindowTitle(QLatin1String(kLoadingCaption));
        loadCatalogue();
        setWindowTitle(QLatin1String(kCaption));
    });
}

TPGftpForm::~TPGftpForm() = default;

void TPGftpForm::loadCatalogue() {
    {
        WaitCursor wait;
        entries_ = LoadCatalogue(configDir_);
    }
    fillList();
    if (entries_.empty())
        dialogs_.information(kNoIndexMessage);
}

void TPGftpForm::fillList() {
    list_.reset(entries_);
    list_.prepareFilter();
    model_->refresh();
    if (!entries_.empty()) {
        PGList->selectRow(0);
        PGList->scrollToTop();
    }
    showItemCount();
}

void TPGftpForm::showItemCount() {
    ItemsLabel->setText(QString::number(model_->rowCount()) + tr(" items"));
}

void TPGftpForm::sortByColumn(int column) {
    if ((column != CatalogueList::kNumber && column != CatalogueList::kTitle) || entries_.empty())
        return;
    WaitCursor wait;
    list_.sortBy(column);
    model_->refresh();
}

void TPGftpForm::applyFilter() {
    if (entries_.empty())
        return;
    WaitCursor wait;
    list_.filter(FilterText->text().toStdString(), CaseSens->isChecked());
    model_->refresh();
    showItemCount();
}

void TPGftpForm::resetFilter() {
    if (FilterText->text().isEmpty()) {
        applyFilter();
        return;
    }
    FilterText->clear(); // re-filters by itself while Active is checked
    if (!FilterActive->isChecked())
        applyFilter();
}

std::vector<CatalogueEntry> TPGftpForm::selectedEntries() const {
    std::vector<CatalogueEntry> chosen;
    QModelIndexList rows = PGList->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& index : rows) {
        const CatalogueEntry& e = list_.entry(static_cast<size_t>(index.row()));
        if (!e.number.empty())
            chosen.push_back(e);
    }
    return chosen;
}

void TPGftpForm::chooseSelection() {
    const std::vector<CatalogueEntry> chosen = selectedEntries();
    if (!chosen.empty())
        emit entriesChosen(chosen);
}

void TPGftpForm::applyColours() {
    // The scheme's colours, each time the window is shown.
    SetColourRole(*this, ColourRole::Window);
    SetColourRole(*PGList, ColourRole::List);
    ApplyColourScheme(*this);
}

void TPGftpForm::setVisible(bool visible) {
    if (visible && !positionRestored_) {
        positionRestored_ = true;
        restorePosition();
    }
    if (visible)
        shrinkToScreen();
    QDialog::setVisible(visible);
}

void TPGftpForm::restorePosition() {
    const QSize screenSize = screen() ? screen()->size() : QSize(1024, 768);
    auto read = [this](const char* key, int fallback) {
        int value = fallback;
        const std::string text = config_.ReadString(sections::kPgBrowser, key, "");
        if (!text.empty() && !ParseIniInteger(text, value))
            value = fallback;
        return value;
    };
    const int width = read("Width", designWidth_);
    const int height = read("Height", designHeight_);
    move(read("Left", (screenSize.width() - width) / 2),
         read("Top", (screenSize.height() - height) / 2));
    resize(width, height);
    if (config_.ReadString(sections::kPgBrowser, "Maximized", "No") == "Yes")
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

void TPGftpForm::shrinkToScreen() {
    if (!screen() || isMaximized())
        return;
    const QSize s = screen()->size();
    if (width() > s.width() + 8)
        resize(s.width() - 50, height());
    if (height() > s.height() + 8)
        resize(width(), s.height() - 30);
}

void TPGftpForm::savePosition() {
    const char* section = sections::kPgBrowser;
    if (isMaximized()) {
        config_.WriteString(section, "Maximized", "Yes");
    } else {
        config_.WriteString(section, "Maximized", "No");
        config_.WriteInteger(section, "Left", x());
        config_.WriteInteger(section, "Top", y());
        config_.WriteInteger(section, "Width", width());
        config_.WriteInteger(section, "Height", height());
    }
    config_.UpdateFile();
}

void TPGftpForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    applyColours();
    FilterText->setFocus();
    if (Downloads->saveFolder().empty()) {
        const std::string base = settings_.BaseDirectory();
        Downloads->setSaveFolder(!base.empty() ? base : QDir::homePath().toStdString());
    }
    if (entries_.empty()) {
        // Tried again on every opening while there is no entry.
        setWindowTitle(QLatin1String(kLoadingCaption));
        loadCatalogue();
        setWindowTitle(QLatin1String(kCaption));
    }
}

void TPGftpForm::done(int result) {
    if (Downloads->running())
        return; // Abort first
    hideInfoTip();
    if (isVisible())
        savePosition();
    QDialog::done(result);
}

void TPGftpForm::showInfoTip(const QPoint& viewportPos, const QPoint& globalPos) {
    const QModelIndex index = PGList->indexAt(viewportPos);
    const QString info =
        ShowAddInfo->isChecked() && index.isValid()
            ? model_->cell(index.row(), 2).replace(QLatin1String("\r\n"), QLatin1String("\n"))
            : QString();
    if (info.isEmpty()) {
        hideInfoTip();
        return;
    }
    if (info == tipShown_ && QToolTip::isVisible())
        return;
    tipShown_ = info;
    QToolTip::showText(globalPos + QPoint(10, 10), info, PGList->viewport());
}

void TPGftpForm::hideInfoTip() {
    tipShown_.clear();
    QToolTip::hideText();
}

bool TPGftpForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PGList->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            showInfoTip(move->position().toPoint(), move->globalPosition().toPoint());
        } else if (event->type() == QEvent::Leave) {
            hideInfoTip();
        } else if (event->type() == QEvent::ToolTip) {
            return true; // the info tip is shown on every move instead
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == FilterText)
                applyFilter();
            else if (watched == PGList)
                chooseSelection();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qw

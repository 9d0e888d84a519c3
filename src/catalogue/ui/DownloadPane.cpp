#include "catalogue/ui/DownloadPane.h"

#include "catalogue/ui/DownloadDialogs.h"
#include "controls/dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "settings/ui/colour_scheme_ui.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qw {

namespace {

TPanelButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new TPanelButton(text, parent);
    button->useGrooveLook();
    button->setObjectName(QLatin1String(name));
    return button;
}

QString u(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

DownloadPane::DownloadPane(THttpCli& http, Dialogs& dialogs, const ServerBases& bases,
                           std::string configDir, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), configDir_(std::move(configDir)),
      run_(http, dialogs, bases) {
    setObjectName(QStringLiteral("DownloadPane"));
    DLList = new QTableWidget(0, 4, this);
    DLList->setObjectName(QStringLiteral("DLList"));
    DLList->setHorizontalHeaderLabels(
        {tr("PG No."), tr("Title and Author"), tr("File name"), tr("Status")});
    DLList->setSelectionBehavior(QAbstractItemView::SelectRows);
    DLList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DLList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DLList->setWordWrap(false);
    DLList->verticalHeader()->hide();
    DLList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DLList->verticalHeader()->setDefaultSectionSize(DLList->fontMetrics().height() + 4);
    DLList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    const QFontMetrics metrics = DLList->fontMetrics();
    DLList->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("0000000C")) + 12);
    DLList->setColumnWidth(2, metrics.horizontalAdvance(QStringLiteral("0000000-pdb.zip")) + 12);
    DLList->setColumnWidth(3, metrics.horizontalAdvance(QStringLiteral("Downloaded")) + 16);
    SetColourRole(*DLList, ColourRole::List);
    DLList->installEventFilter(this);

    DLLabel = new QLabel(u(ItemCountText(0)), this);
    DLLabel->setObjectName(QStringLiteral("DLLabel"));
    DLFileType = new QComboBox(this);
    DLFileType->setObjectName(QStringLiteral("DLFileType"));
    for (int t = 0; t < kFileTypeCount; ++t)
        DLFileType->addItem(QLatin1String(FileTypeName(t)));
    DLFileType->setMaxVisibleItems(kFileTypeCount);
    DLSavePath = new QLineEdit(this);
    DLSavePath->setObjectName(QStringLiteral("DLSavePath"));
    DLSavePath->setReadOnly(true);
    DLFolder = Button(tr("Save files to ..."), "DLFolder", this);
    StartDownload = Button(tr("Start download"), "StartDownload", this);
    CheckAvailability =
        Button(tr("Look up available\nfiles on PG server"), "CheckAvailability", this);
    Available = Button(tr("List available files"), "Available", this);
    AbortDownload = Button(tr("Abort"), "AbortDownload", this);
    RemoveDL = Button(tr("Remove downloaded"), "RemoveDL", this);
    IndexRefresh = Button(tr("Update index now"), "IndexRefresh", this);
    // The panels never widen the window: long addresses are cut at the right.
    const int widths[] = {
        metrics.horizontalAdvance(QStringLiteral("Searching 000/000")) + 12, 0,
        metrics.horizontalAdvance(QStringLiteral("000000000 of 000000000 Bytes received (100%)")) +
            12};
    auto* statusRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        StatusPanel[i] = new QLabel(this);
        StatusPanel[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanel[i]->setFrameShape(QFrame::StyledPanel);
        if (widths[i] > 0)
            StatusPanel[i]->setFixedWidth(widths[i]);
        else
            StatusPanel[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        statusRow->addWidget(StatusPanel[i], i == 1 ? 1 : 0);
    }

    auto* topRow = new QHBoxLayout;
    topRow->addWidget(DLLabel);
    topRow->addSpacing(12);
    topRow->addWidget(new QLabel(tr("File type:"), this));
    topRow->addWidget(DLFileType);
    topRow->addSpacing(12);
    topRow->addWidget(DLFolder);
    topRow->addWidget(DLSavePath, 1);
    auto* buttons = new QVBoxLayout;
    for (TPanelButton* b : {StartDownload, CheckAvailability, Available, AbortDownload, RemoveDL})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(IndexRefresh);
    auto* middle = new QHBoxLayout;
    middle->addWidget(DLList, 1);
    middle->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(topRow);
    layout->addLayout(middle, 1);
    layout->addLayout(statusRow);

    connect(&run_, &DownloadRun::statusText, this, [this](int panel, const QString& text) {
        if (panel >= 0 && panel < 3)
            StatusPanel[panel]->setText(text);
    });
    connect(&run_, &DownloadRun::entryChanged, this, &DownloadPane::showRow);
    connect(&run_, &DownloadRun::runningChanged, this, &DownloadPane::setRunning);
    connect(DLFileType, &QComboBox::activated, this, &DownloadPane::changeType);
    connect(DLFolder, &TPanelButton::clicked, this, &DownloadPane::chooseFolder);
    connect(StartDownload, &TPanelButton::clicked, this, &DownloadPane::startDownload);
    connect(CheckAvailability, &TPanelButton::clicked, this, &DownloadPane::checkAvailability);
    connect(Available, &TPanelButton::clicked, this, &DownloadPane::listAvailable);
    connect(AbortDownload, &TPanelButton::clicked, this, &DownloadPane::abortDownload);
    connect(RemoveDL, &TPanelButton::clicked, this, &DownloadPane::removeDownloaded);
    connect(IndexRefresh, &TPanelButton::clicked, this, &DownloadPane::refreshIndex);
    connect(DLList, &QTableWidget::itemSelectionChanged, this, &DownloadPane::updateButtons);
    connect(DLList, &QTableWidget::cellDoubleClicked, this, &DownloadPane::listAvailable);
    setRunning(false);
}

SavedFile DownloadPane::savedFile() const {
    const std::string folder = folder_;
    return [folder](const std::string& name) {
        return !folder.empty() && !name.empty() && QFileInfo::exists(u(folder + name));
    };
}

void DownloadPane::add(const std::vector<CatalogueEntry>& entries) {
    if (running())
        return;
    for (const CatalogueEntry& e : entries)
        list_.add(e, DLFileType->currentIndex(), run_.bases(), savedFile());
    showList();
    if (!entries.empty())
        DLList->selectRow(static_cast<int>(list_.size()) - 1);
    updateButtons();
}

void DownloadPane::setSaveFolder(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    folder_ = std::move(folder);
    DLSavePath->setText(u(folder_));
    DLSavePath->setToolTip(u(folder_));
    list_.refreshSaved(savedFile());
    showList();
}

void DownloadPane::chooseFolder() {
    const std::string chosen =
        dialogs_.chooseFolder("Select directory for storing downloaded files", folder_);
    if (!chosen.empty())
        setSaveFolder(chosen);
}

void DownloadPane::showRow(int row) {
    if (row < 0 || static_cast<size_t>(row) >= list_.size())
        return;
    const DownloadEntry& e = list_.entries()[static_cast<size_t>(row)];
    const std::string cells[] = {e.number, e.title, e.fileName, e.status};
    for (int c = 0; c < 4; ++c) {
        QTableWidgetItem* item = DLList->item(row, c);
        if (!item) {
            item = new QTableWidgetItem;
            DLList->setItem(row, c, item);
        }
        item->setText(u(cells[c]));
    }
}

void DownloadPane::showList() {
    DLList->setRowCount(static_cast<int>(list_.size()));
    for (int r = 0; r < DLList->rowCount(); ++r)
        showRow(r);
    DLLabel->setText(u(ItemCountText(list_.size())));
}

std::vector<size_t> DownloadPane::selectedRows() const {
    std::vector<size_t> rows;
    for (const QModelIndex& index : DLList->selectionModel()->selectedRows())
        rows.push_back(static_cast<size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void DownloadPane::updateButtons() {
    const bool idle = !running();
    const bool any = list_.size() > 0;
    StartDownload->setEnabled(idle && any);
    CheckAvailability->setEnabled(idle && any);
    const int row = DLList->currentRow();
    Available->setEnabled(row >= 0 && static_cast<size_t>(row) < list_.size() &&
                          !list_.entries()[static_cast<size_t>(row)].status.empty() &&
                          !DLList->selectionModel()->selectedRows().isEmpty());
}

void DownloadPane::setRunning(bool running) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{IndexRefresh, RemoveDL, DLFolder, DLFileType, DLSavePath})
        w->setEnabled(!running);
    AbortDownload->setEnabled(running);
    updateButtons();
    emit runningChanged(running);
}

void DownloadPane::changeType(int type) {
    if (running())
        return;
    list_.changeType(selectedRows(), type, savedFile());
    showList();
    updateButtons();
}

void DownloadPane::removeSelected() {
    const std::vector<size_t> rows = selectedRows();
    if (rows.empty() || running())
        return;
    const int first = static_cast<int>(rows.front());
    for (auto r = rows.rbegin(); r != rows.rend(); ++r)
        list_.remove(*r, *r);
    showList();
    if (first < DLList->rowCount())
        DLList->selectRow(first);
    updateButtons();
}

void DownloadPane::removeDownloaded() {
    if (running())
        return;
    list_.removeDownloaded();
    showList();
    updateButtons();
}

void DownloadPane::startDownload() {
    if (list_.size() == 0 || running())
        return;
    if (folder_.empty())
        chooseFolder();
    if (folder_.empty())
        return;
    run_.download(list_.entries(), folder_);
    showList();
}

void DownloadPane::checkAvailability() {
    run_.lookUpAll(list_.entries());
    showList();
}

void DownloadPane::listAvailable() {
    const int row = DLList->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= list_.size())
        return;
    DownloadEntry& e = list_.entries()[static_cast<size_t>(row)];
    const std::optional<std::string> chosen = ChooseAvailableFile(e, window());
    if (!chosen || running())
        return;
    e.fileName = *chosen;
    e.status = download_status::kFound;
    showRow(row);
    updateButtons();
}

void DownloadPane::abortDownload() {
    if (!running())
        return;
    const Choice answer =
        dialogs_.askChoice("Abort download?", {Choice::Yes, Choice::No, Choice::All});
    if (answer == Choice::Yes)
        run_.abortCurrent();
    else if (answer == Choice::All)
        run_.abortAll();
}

void DownloadPane::refreshIndex() {
    if (running())
        return;
    const std::optional<IndexChoice> choice = ChooseIndexFiles(window());
    if (!choice)
        return;
    run_.refreshIndex(configDir_, choice->usa, choice->australian);
    emit indexRefreshed();
}

bool DownloadPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DLList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            removeSelected();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            listAvailable();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qw

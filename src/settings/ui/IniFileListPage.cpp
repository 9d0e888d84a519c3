#include "settings/ui/IniFileListPage.h"
#include "controls/ui/TMyHintWindow.h"
#include "controls/ui/TPanelButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTextDocument>

#include <algorithm>

namespace qw {

namespace {

// The entries of the range list, in its order.
constexpr DeleteRange kRanges[] = {DeleteRange::Selected, DeleteRange::All,
                                   DeleteRange::NonExisting, DeleteRange::AllButRecentAndFavourites,
                                   DeleteRange::Excluded};
constexpr SetToCurrent kParameters[] = {SetToCurrent::FontName, SetToCurrent::FontSize,
                                        SetToCurrent::LineBreaks, SetToCurrent::Toc,
                                        SetToCurrent::FontLineToc};

} // namespace

IniFileListPage::IniFileListPage(IniListBinding binding, QWidget* parent)
    : QWidget(parent), binding_(std::move(binding)) {
    setObjectName(QStringLiteral("IniFileListPage"));
    auto* grid = new QGridLayout(this);

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("IniListTitle"));
    grid->addWidget(title_, 0, 0, 1, 2);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("IniList"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setMouseTracking(true);
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    grid->addWidget(list_, 1, 0, 1, 4);

    sorted_ = new QCheckBox(tr("sorted"), this);
    sorted_->setObjectName(QStringLiteral("sorted"));
    info_ = new QCheckBox(tr("Info"), this);
    info_->setObjectName(QStringLiteral("Info"));
    grid->addWidget(sorted_, 0, 2);
    grid->addWidget(info_, 0, 3);
    // On, the shown list is sorted; off, it comes back in file order.
    connect(sorted_, &QCheckBox::toggled, this, [this] { refresh(); });
    connect(info_, &QCheckBox::toggled, this, [](bool on) {
        if (!on)
            InfoHintWindow()->setText(QString());
    });

    delete_ = new TPanelButton(tr("Delete data for"), this);

    delete_->useGrooveLook();
    delete_->setObjectName(QStringLiteral("DeleteData"));
    ranges_ = new QComboBox(this);
    ranges_->setObjectName(QStringLiteral("DeleteRange"));
    ranges_->addItems({tr("selected files"), tr("all files"), tr("non-existing files (*)"),
                       tr("all but recent/fav."), tr("excluded files")});
    grid->addWidget(delete_, 2, 0);
    grid->addWidget(ranges_, 2, 1, 1, 3);
    connect(delete_, &TPanelButton::clicked, this, [this] {
        const int at = std::max(0, ranges_->currentIndex());
        deleteRange(kRanges[at]);
    });

    setCurrent_ = new TPanelButton(tr("Set to current"), this);

    setCurrent_->useGrooveLook();
    setCurrent_->setObjectName(QStringLiteral("SetToCurrent"));
    parameters_ = new QComboBox(this);
    parameters_->setObjectName(QStringLiteral("SetToCurrentParameter"));
    parameters_->addItems({tr("font name"), tr("font size"), tr("line break settings"),
                           tr("TOC settings"), tr("font+line+TOC")});
    grid->addWidget(setCurrent_, 3, 0);
    grid->addWidget(parameters_, 3, 1, 1, 3);
    connect(setCurrent_, &TPanelButton::clicked, this, [this] {
        const int at = std::max(0, parameters_->currentIndex());
        setSelectedToCurrent(kParameters[at]);
    });
    grid->setColumnStretch(1, 1);
}

void IniFileListPage::fill() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    list_->hide();
    IniListOptions options = binding_.listOptions ? binding_.listOptions() : IniListOptions{};
    options.sorted = sorted_->isChecked();
    entries_ = binding_.config != nullptr ? FillIniList(*binding_.config, options, binding_.exists)
                                          : std::vector<IniListEntry>{};
    showEntries();
    list_->show();
    QApplication::restoreOverrideCursor();
}

void IniFileListPage::refresh() {
    if (isVisible()) {
        fill();
    } else {
        entries_.clear();
        showEntries();
    }
}

void IniFileListPage::showEntries() {
    list_->clear();
    for (const IniListEntry& entry : entries_)
        list_->addItem(QString::fromStdString(entry.display));
    title_->setText(entries_.size() == 1 ? tr("1 file name")
                                         : tr("%1 file names").arg(entries_.size()));
}

std::vector<size_t> IniFileListPage::selectedRows() const {
    std::vector<size_t> rows;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected())
            rows.push_back(static_cast<size_t>(row));
    return rows;
}

void IniFileListPage::deleteRange(DeleteRange range) {
    if (binding_.config == nullptr)
        return;
    const std::vector<std::string> keep =
        binding_.recentAndFavourites ? binding_.recentAndFavourites() : std::vector<std::string>{};
    const RecordRules rules = binding_.rules ? binding_.rules() : RecordRules{};
    removeChosen(EntriesToDelete(entries_, range, selectedRows(), keep, rules));
}

void IniFileListPage::removeChosen(const std::vector<size_t>& chosen) {
    if (chosen.empty())
        return;
    DeleteRecords(*binding_.config, entries_, chosen);
    const int current = list_->currentRow();
    showEntries();
    if (list_->count() > 0)
        list_->setCurrentRow(std::min(current, list_->count() - 1), QItemSelectionModel::NoUpdate);
}

void IniFileListPage::setSelectedToCurrent(SetToCurrent what) {
    if (binding_.config == nullptr || !binding_.currentSettings)
        return;
    const std::vector<size_t> chosen = selectedRows();
    if (chosen.empty())
        return;
    const bool tocVisible = binding_.tocPanelVisible && binding_.tocPanelVisible();
    SetRecordsToCurrent(*binding_.config, entries_, chosen, what, binding_.currentSettings(),
                        tocVisible);
}

QString IniFileListPage::hintForRow(int row) const {
    if (!info_->isChecked() || binding_.config == nullptr || row < 0 ||
        static_cast<size_t>(row) >= entries_.size())
        return QString();
    return QString::fromStdString(
        RecordHint(*binding_.config, entries_[static_cast<size_t>(row)].recordName));
}

void IniFileListPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (entries_.empty())
        fill();
}

bool IniFileListPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            // The Delete key removes the selected entries, whatever the range list shows.
            deleteRange(DeleteRange::Selected);
            return true;
        }
    }
    if (watched == list_->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QListWidgetItem* item = list_->itemAt(help->pos());
        const QString hint = item != nullptr ? hintForRow(list_->row(item)) : QString();
        if (hint.isEmpty())
            InfoHintWindow()->setText(QString());
        else
            InfoHintWindow()->ActivateHint(help->globalPos() + QPoint(0, 20), hint);
        return true;
    }
    if (watched == list_->viewport() && event->type() == QEvent::Leave)
        InfoHintWindow()->setText(QString());
    return QWidget::eventFilter(watched, event);
}

} // namespace qw

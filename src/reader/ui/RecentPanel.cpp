#include "reader/ui/RecentPanel.h"
#include "controls/ui/TPanelButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace qw {

namespace {

constexpr int kPathRole = Qt::UserRole + 1;

QLabel* title(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

TPanelButton* button(const QString& text, const char* name, const QString& hint, QWidget* parent) {
    auto* b = new TPanelButton(text, parent);
    b->useGrooveLook();
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// Half way between the list's text and background, readable in every scheme.
QColor greyed(const QPalette& palette) {
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    return QColor((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                  (text.blue() + base.blue()) / 2);
}

} // namespace

std::string PathListBox::selectedPath() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->data(kPathRole).toString().toStdString() : std::string();
}

void PathListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    // A click on empty space of the list does nothing.
    const QListWidgetItem* item = itemAt(event->position().toPoint());
    if (item && event->button() == Qt::LeftButton)
        emit entryClicked(item->data(kPathRole).toString().toStdString(), event->modifiers());
}

RecentPanel::RecentPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("RecentPanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title(tr("RECENT FILES LIST"), "RecentTitle", this));
    layout->addWidget(
        new QLabel(tr("Click: Open, Shift+Click: Remove, Ctrl+Click: Favorite"), this));
    RecentList = new PathListBox(this);
    RecentList->setObjectName(QStringLiteral("RecentList"));
    layout->addWidget(RecentList);
    layout->addWidget(title(tr("FAVORITES"), "FavoriteTitle", this));
    layout->addWidget(new QLabel(tr("Click: Open, Shift+Click: Remove"), this));
    FavoriteList = new PathListBox(this);
    FavoriteList->setObjectName(QStringLiteral("FavoriteList"));
    layout->addWidget(FavoriteList);
    for (PathListBox* box : {RecentList, FavoriteList}) {
        box->setMouseTracking(true);
        box->setSelectionMode(QAbstractItemView::SingleSelection);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    auto* base = new QHBoxLayout;
    base->addWidget(new QLabel(tr(" Base dir.:"), this));
    BaseDirLabel = new QLabel(this);
    BaseDirLabel->setObjectName(QStringLiteral("BaseDirLabel"));
    BaseDirLabel->setTextInteractionFlags(Qt::NoTextInteraction);
    base->addWidget(BaseDirLabel, 1);
    layout->addLayout(base);

    auto* buttons = new QGridLayout;
    TPanelButton* setCurrent = button(tr("Set current"), "SetCurrentBase",
                                      tr("Set the base directory to the current path"), this);
    TPanelButton* browse =
        button(tr("Browse"), "BrowseBase", tr("Browse and set the base directory"), this);
    TPanelButton* addCurrent =
        button(tr("Add current"), "AddCurrentFavorite",
               tr("Add the current file to the list of favorite files"), this);
    TPanelButton* addDirectory =
        button(tr("Add directory"), "AddDirectoryFavorite",
               tr("Browse and add a directory to the list of favorite files"), this);
    ShowInfo = new QCheckBox(tr("Show info"), this);
    ShowInfo->setObjectName(QStringLiteral("ShowInfo"));
    ShowInfo->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(setCurrent, 0, 0);
    buttons->addWidget(browse, 0, 1);
    buttons->addWidget(addCurrent, 1, 0);
    buttons->addWidget(addDirectory, 1, 1);
    buttons->addWidget(ShowInfo, 0, 2);
    layout->addLayout(buttons);

    connect(setCurrent, &TPanelButton::clicked, this, &RecentPanel::setCurrentClicked);
    connect(browse, &TPanelButton::clicked, this, &RecentPanel::browseClicked);
    connect(addCurrent, &TPanelButton::clicked, this, &RecentPanel::addCurrentClicked);
    connect(addDirectory, &TPanelButton::clicked, this, &RecentPanel::addDirectoryClicked);
    connect(ShowInfo, &QCheckBox::toggled, this, &RecentPanel::refreshHints);
    connect(RecentList, &PathListBox::entryClicked, this,
            [this](const std::string& path, Qt::KeyboardModifiers mods) {
                emit entryClicked(PathList::Recent, path, mods);
            });
    connect(FavoriteList, &PathListBox::entryClicked, this,
            [this](const std::string& path, Qt::KeyboardModifiers mods) {
                emit entryClicked(PathList::Favorite, path, mods);
            });
    hide();
}

PathListBox* RecentPanel::list(PathList which) const {
    return which == PathList::Recent ? RecentList : FavoriteList;
}

PathListBox* RecentPanel::focusedList() const {
    if (RecentList->hasFocus())
        return RecentList;
    return FavoriteList->hasFocus() ? FavoriteList : nullptr;
}

bool RecentPanel::isList(const QWidget* widget) const {
    return widget != nullptr && (widget == RecentList || widget == FavoriteList);
}

void RecentPanel::fill(PathListBox* box, const std::vector<PanelEntry>& entries) {
    box->clear();
    for (const PanelEntry& entry : entries) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.shown.name), box);
        item->setData(kPathRole, QString::fromStdString(entry.shown.prefix + entry.shown.name));
        // A file that is gone stays listed, greyed; opening it says so.
        if (!entry.exists)
            item->setForeground(greyed(box->palette()));
    }
    if (box->count() > 0)
        box->setCurrentRow(0);
    refreshHints();
}

void RecentPanel::setEntries(PathList which, const std::vector<PanelEntry>& entries) {
    fill(list(which), entries);
}

void RecentPanel::setBaseDirectory(const std::string& dir) {
    BaseDirLabel->setText(QString::fromStdString(dir));
    BaseDirLabel->setToolTip(QString::fromStdString(dir));
}

void RecentPanel::refreshHints() {
    // "Show info": the mouse over an entry shows its full path.
    for (PathListBox* box : {RecentList, FavoriteList})
        for (int i = 0; i < box->count(); ++i) {
            QListWidgetItem* item = box->item(i);
            item->setToolTip(ShowInfo->isChecked() ? item->data(kPathRole).toString() : QString());
        }
}

void RecentPanel::showOver(int top) {
    auto* parent = parentWidget();
    const QFontMetrics metrics(RecentList->font());
    int widest = metrics.horizontalAdvance(BaseDirLabel->text());
    for (PathListBox* box : {RecentList, FavoriteList}) {
        for (int i = 0; i < box->count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(box->item(i)->text()));
        const int rows = std::max(box->count(), 1);
        box->setFixedHeight(rows * std::max(box->sizeHintForRow(0), metrics.height()) + 6);
    }
    const int width = std::clamp(widest + 60, 420, std::max(420, parent->width() - 40));
    resize(width, sizeHint().height());
    move((parent->width() - width) / 2, top);
    show();
    raise();
    RecentList->setFocus();
}

} // namespace qw

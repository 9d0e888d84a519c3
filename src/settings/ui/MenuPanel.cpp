#include "settings/ui/MenuPanel.h"

#include "controls/ui/TPanelButton.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qw {

namespace {
constexpr int kNumberRole = Qt::UserRole;
constexpr int kCommandWidth = 150;
constexpr int kTreeWidth = 130;
} // namespace

MenuPanel::MenuPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("MenuPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(3, 3, 3, 3);
    row->setSpacing(4);

    commands_ = new QWidget(this);
    commands_->setObjectName(QStringLiteral("MenuCommands"));
    commands_->setFixedWidth(kCommandWidth);
    commandLayout_ = new QVBoxLayout(commands_);
    commandLayout_->setContentsMargins(0, 0, 0, 0);
    commandLayout_->setSpacing(0);
    Expand = new TPanelButton(commands_);
    Expand->setObjectName(QStringLiteral("Expand"));
    Expand->setToolTip(tr("Show/hide options"));
    Expand->useMenuLook();
    Expand->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Expand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    commandLayout_->addWidget(Expand);
    commandLayout_->addStretch(1);
    connect(Expand, &TPanelButton::clicked, this, &MenuPanel::expandClicked);
    row->addWidget(commands_);

    options_ = new QWidget(this);
    auto* optionsRow = new QHBoxLayout(options_);
    optionsRow->setContentsMargins(0, 0, 0, 0);
    tree_ = new QTreeWidget(options_);
    tree_->setObjectName(QStringLiteral("OptionsTree"));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setIndentation(12);
    tree_->setFixedWidth(kTreeWidth);
    stack_ = new QStackedWidget;
    scroll_ = new QScrollArea(options_);
    scroll_->setObjectName(QStringLiteral("OptionsPageArea"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(stack_);
    optionsRow->addWidget(tree_);
    optionsRow->addWidget(scroll_, 1);
    row->addWidget(options_, 1);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr)
            showPage(item->data(0, kNumberRole).toInt());
    });
    setExpanded(true);
    hide();
}

void MenuPanel::addCommand(QWidget* button) {
    button->setParent(commands_);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    commandLayout_->insertWidget(commandLayout_->count() - 1, button);
}

void MenuPanel::setExpanded(bool expanded) {
    expanded_ = expanded;
    Expand->setText(expanded ? QStringLiteral("<") : QStringLiteral(">"));
    options_->setVisible(expanded);
}

int MenuPanel::smallWidth() const {
    const QMargins m = contentsMargins() + layout()->contentsMargins();
    return kCommandWidth + m.left() + m.right();
}

void MenuPanel::insertOrdered(QTreeWidgetItem* item, QTreeWidgetItem* parent, int number) {
    const int count = parent != nullptr ? parent->childCount() : tree_->topLevelItemCount();
    int at = 0;
    while (at < count) {
        QTreeWidgetItem* other = parent != nullptr ? parent->child(at) : tree_->topLevelItem(at);
        if (other->data(0, kNumberRole).toInt() > number)
            break;
        ++at;
    }
    if (parent != nullptr)
        parent->insertChild(at, item);
    else
        tree_->insertTopLevelItem(at, item);
}

void MenuPanel::addPage(int number, const QString& caption, QWidget* page, int parentNumber) {
    if (page == nullptr || nodes_.count(number) != 0)
        return;
    auto* item = new QTreeWidgetItem(QStringList{caption});
    item->setData(0, kNumberRole, number);
    const auto parent = nodes_.find(parentNumber);
    insertOrdered(item, parent != nodes_.end() ? parent->second : nullptr, number);
    if (parent != nodes_.end())
        parent->second->setExpanded(true);
    page->setObjectName(QStringLiteral("OPanel%1").arg(number));
    stack_->addWidget(page);
    nodes_[number] = item;
    pages_[number] = page;
    if (current_ < 0)
        showPage(number);
}

void MenuPanel::showPage(int number) {
    const auto page = pages_.find(number);
    if (page == pages_.end())
        return;
    const bool changed = number != current_;
    current_ = number;
    // Only the shown page counts for the scroll area's size.
    for (const auto& [n, widget] : pages_)
        widget->setSizePolicy(QSizePolicy::Preferred,
                              n == number ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    stack_->setCurrentWidget(page->second);
    stack_->adjustSize();
    QTreeWidgetItem* item = nodes_.at(number);
    if (tree_->currentItem() != item)
        tree_->setCurrentItem(item);
    if (changed)
        emit pageShown(number);
}

QWidget* MenuPanel::page(int number) const {
    const auto page = pages_.find(number);
    return page == pages_.end() ? nullptr : page->second;
}

} // namespace qw

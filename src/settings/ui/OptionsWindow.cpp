#include "settings/ui/OptionsWindow.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qw {

namespace {
constexpr int kNumberRole = Qt::UserRole;
} // namespace

OptionsWindow::OptionsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OptionsWindow"));
    setWindowTitle(tr("Options"));
    auto* outer = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("OptionsTree"));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setFixedWidth(150);
    stack_ = new QStackedWidget(this);
    row->addWidget(tree_);
    row->addWidget(stack_, 1);
    outer->addLayout(row, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr)
            showPage(item->data(0, kNumberRole).toInt());
    });
    resize(640, 500);
}

void OptionsWindow::insertOrdered(QTreeWidgetItem* item, QTreeWidgetItem* parent, int number) {
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

void OptionsWindow::addPage(int number, const QString& caption, QWidget* page, int parentNumber) {
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

void OptionsWindow::showPage(int number) {
    const auto page = pages_.find(number);
    if (page == pages_.end())
        return;
    const bool changed = number != current_;
    current_ = number;
    stack_->setCurrentWidget(page->second);
    QTreeWidgetItem* item = nodes_.at(number);
    if (tree_->currentItem() != item)
        tree_->setCurrentItem(item);
    if (changed)
        emit pageShown(number);
}

QWidget* OptionsWindow::page(int number) const {
    const auto page = pages_.find(number);
    return page == pages_.end() ? nullptr : page->second;
}

void OptionsWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    emit left();
}

} // namespace qw

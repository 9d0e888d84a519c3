#pragma once
// The options: a tree of nodes on the left, the chosen node's page on the
// right. Nodes keep the numbers of the options tree ("General" 0, "Margins" 2,
// "INI file" 5, ...); each page is named "OPanel" + its number. Pages are
// added by the window that owns them, so they can belong to any subsystem.

#include <QDialog>

#include <map>

class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace qw {

class OptionsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit OptionsWindow(QWidget* parent = nullptr);

    // Adds page as node number of the tree, below the node parentNumber when
    // that one exists, else at the top level. Nodes are ordered by number.
    void addPage(int number, const QString& caption, QWidget* page, int parentNumber = -1);
    // Selects the node and shows its page; unknown numbers are ignored.
    void showPage(int number);
    QWidget* page(int number) const;
    // The number of the page shown, -1 before any.
    int currentPage() const { return current_; }
    QTreeWidget* tree() const { return tree_; }

  signals:
    void pageShown(int number);
    // The window was closed or hidden: the moment of "leaving the menu".
    void left();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void insertOrdered(QTreeWidgetItem* item, QTreeWidgetItem* parent, int number);

    QTreeWidget* tree_;
    QStackedWidget* stack_;
    std::map<int, QTreeWidgetItem*> nodes_;
    std::map<int, QWidget*> pages_;
    int current_ = -1;
};

} // namespace qw

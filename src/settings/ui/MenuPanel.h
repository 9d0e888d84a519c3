#pragma once
// The menu panel that floats over the book: the command column on the left
// (the "Expand" toggle at its top), the options tree and the chosen node's
// page on the right. Nodes keep the numbers of the options tree ("General" 0,
// "Margins" 2, "INI file" 5, ...); each page is named "OPanel" + its number.
// Commands and pages are added by the window that owns them, so they can
// belong to any subsystem. Collapsed, only the command column shows.

#include <QFrame>

#include <map>

class QScrollArea;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace qw {

class TPanelButton;

class MenuPanel : public QFrame {
    Q_OBJECT
  public:
    explicit MenuPanel(QWidget* parent = nullptr);

    // A command button, below the ones added before.
    void addCommand(QWidget* button);
    // Adds page as node number of the tree, below the node parentNumber when
    // that one exists, else at the top level. Nodes are ordered by number.
    void addPage(int number, const QString& caption, QWidget* page, int parentNumber = -1);
    // Selects the node and shows its page (ShowOptionsPage); unknown numbers
    // are ignored.
    void showPage(int number);
    QWidget* page(int number) const;
    // The number of the page shown, -1 before any.
    int currentPage() const { return current_; }
    QTreeWidget* tree() const { return tree_; }
    TPanelButton* expandButton() const { return Expand; }

    // With the options ("<") or the command column alone (">").
    void setExpanded(bool expanded);
    bool isExpanded() const { return expanded_; }
    // The widths of the two forms; the large one is the help panel's.
    int smallWidth() const;
    static constexpr int kLargeWidth = 760;

  signals:
    void pageShown(int number);
    // The "Expand" toggle was clicked (the owner stores "Large Menu").
    void expandClicked();

  private:
    void insertOrdered(QTreeWidgetItem* item, QTreeWidgetItem* parent, int number);

    QWidget* commands_;
    QVBoxLayout* commandLayout_;
    TPanelButton* Expand;
    QWidget* options_;
    QTreeWidget* tree_;
    QScrollArea* scroll_;
    QStackedWidget* stack_;
    std::map<int, QTreeWidgetItem*> nodes_;
    std::map<int, QWidget*> pages_;
    int current_ = -1;
    bool expanded_ = true;
};

} // namespace qw

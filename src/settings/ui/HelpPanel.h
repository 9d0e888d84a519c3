#pragma once
// The help panel that floats over the book: a tree (" About", " Features",
// " Keyboard", " Mouse", " Tips") and the chosen node's page, named "HPanel" +
// its number. Page 0 shows the program and its version and the button
// "Open Help.txt"; pages 1 to 4 are read-only texts.

#include <QFrame>

#include <vector>

class QTreeWidget;
class QStackedWidget;

namespace qw {

class TPanelButton;

class HelpPanel : public QFrame {
    Q_OBJECT
  public:
    explicit HelpPanel(QWidget* parent = nullptr);

    // ShowHelpPage: shows the page of the selected node.
    void showPage(int number);
    int currentPage() const { return current_; }
    QWidget* page(int number) const;
    QTreeWidget* tree() const { return tree_; }
    TPanelButton* openHelpButton() const { return OpenHelpTxt; }

  signals:
    void openHelpFileClicked();

  private:
    QTreeWidget* tree_;
    QStackedWidget* stack_;
    std::vector<QWidget*> pages_;
    TPanelButton* OpenHelpTxt;
    int current_ = -1;
};

} // namespace qw

#pragma once
// The file ordering window: shown when several files are opened or appended
// at once, it lists them in file-list order and lets the user drag a row to
// another place (or sort them by name) before they are joined in that order.

#include "import/file_ref.h"

#include <QDialog>

#include <vector>

class QListWidget;
class QWidget;

namespace qw {

class TPanelButton;

class TFileSelForm : public QDialog {
    Q_OBJECT
  public:
    explicit TFileSelForm(QWidget* parent = nullptr);

    // Puts the files in file-list order into the list, one row each showing
    // the member when there is one, else the path.
    void setFiles(std::vector<FileRef> files);
    // The files in the order of the rows.
    std::vector<FileRef> orderedFiles() const;

    QListWidget* FileSelList;
    QWidget* BottomPanel;
    TPanelButton* SortButton;
    TPanelButton* OKButton; // Enter clicks it
    TPanelButton* CancelButton;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private slots:
    void SortClick();

  private:
    void placeButtons();

    std::vector<FileRef> files_; // rows refer to these by index
    int draggedRow_ = -1;        // the row picked up by the mouse, -1 when none
};

} // namespace qw

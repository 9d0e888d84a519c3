#pragma once
// The archive contents dialog: lists the files of a ZIP archive and lets the
// user pick one (double click) or several (select, then Return).

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace qw {

class TZipForm : public QDialog {
    Q_OBJECT
  public:
    explicit TZipForm(QWidget* parent = nullptr);

    // Fills the list; the caret goes to the first row, or to the row equal to
    // preselect; no row is selected, so Return alone opens nothing.
    void setListing(const std::string& archivePath, const std::vector<std::string>& entries,
                    const std::string& preselect = {});
    // The selected rows in list order.
    std::vector<std::string> selectedEntries() const;
    // The colour scheme's text and background for the window and the list.
    void setColors(const QColor& text, const QColor& background);
    // Closes the dialog and puts its own caption back.
    void done(int result) override;

    QLabel* Label;
    QListWidget* ZipList;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void ZipListDblClick(QListWidgetItem* item);
};

// Shows the archive contents dialog (created on first use and kept) over
// owner. Returns the chosen entries, or nothing when the user cancels.
std::vector<std::string> ShowArchiveContents(QWidget* owner, const std::string& archivePath,
                                             const std::vector<std::string>& listing,
                                             const std::string& preselect = {});

} // namespace qw

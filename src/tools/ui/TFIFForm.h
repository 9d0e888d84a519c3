#pragma once
// "Find text in files": searches a folder (and its subfolders) for a word or
// a phrase in every readable file, archive members included, and lists the
// files that hold it. Choosing a row closes the window with that file.

#include "controls/ui/TPanelButton.h"
#include "tools/file_search.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <functional>

class QCheckBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace qw {

class Dialogs;
class FileSearchRun;

class TFIFForm : public QDialog {
    Q_OBJECT
  public:
    // How the window ended: Rejected (Esc, closed), Accepted (a row chosen)
    // or Aborted.
    static constexpr int Aborted = 2;

    TFIFForm(Dialogs& dialogs, QWidget* parent);
    ~TFIFForm() override;

    // Before the window is shown: the text and case flag to search with; the
    // folder when none was set before. The chosen file is cleared.
    void prepare(const QString& phrase, bool caseSensitive, const QString& folderIfEmpty);

    QString phrase() const;
    bool caseSensitive() const;
    QString folder() const;
    // The chosen file (folder + the row's path) and member; empty until a
    // row is chosen.
    QString chosenPath() const { return chosenPath_; }
    QString chosenMember() const { return chosenMember_; }
    bool isSearching() const { return !state_.isEmpty(); }

    // Adds what the window does not know to a search's request: converter
    // options, ignored files, the books' encodings.
    std::function<void(FileSearchRequest&)> completeRequest;
    // For tests: runs on the search's thread before each file is read.
    std::function<void(int index)> beforeFile;

  public slots:
    void FIFStartClick();
    void FIFStopClick();
    void FIFAbortClick();
    void FIFBrowseClick();
    void FoundDblClick(QTreeWidgetItem* item);
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void setSearching(bool searching);
    void searchEnded(FileSearchEnd end);
    // Lets a search that did not stop in time end by itself, unseen.
    void abandonRun();

    Dialogs& dialogs_;
    QLineEdit* FIFFind;
    QLineEdit* FIFDir;
    QCheckBox* FIFCSens;
    QCheckBox* SubDirs;
    TPanelButton* FIFStart;
    TPanelButton* FIFStop;
    TPanelButton* FIFAbort;
    TPanelButton* FIFBrowse;
    QTreeWidget* Found;

    // "Find" while searching, "Stop" or "Abort" once asked for, empty when idle.
    QString state_;
    QPointer<FileSearchRun> run_;
    QString chosenPath_;
    QString chosenMember_;
};

} // namespace qw

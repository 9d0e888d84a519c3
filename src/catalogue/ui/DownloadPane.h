#pragma once
// The lower half of the catalogue browser: the download list `DLList` with
// the file type, the save folder, "Start download", the lookup of all
// titles, "List available files", Abort, "Remove downloaded", "Update index
// now" and the three status panels. The runs themselves are DownloadRun's.
//
//   auto* pane = new DownloadPane(http, dialogs, bases, configDir, frame);
//   pane->add(entries);                 // titles copied from the catalogue
//   connect(pane, &DownloadPane::indexRefreshed, ...);   // read the index again

#include "catalogue/download_list.h"
#include "catalogue/ui/DownloadRun.h"
#include "controls/ui/TPanelButton.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace qw {

class Dialogs;

class DownloadPane : public QWidget {
    Q_OBJECT
  public:
    DownloadPane(THttpCli& http, Dialogs& dialogs, const ServerBases& bases, std::string configDir,
                 QWidget* parent = nullptr);

    // Titles copied from the catalogue, with the current file type.
    void add(const std::vector<CatalogueEntry>& entries);
    // The folder downloads go to; "/" is appended when missing.
    void setSaveFolder(std::string folder);
    const std::string& saveFolder() const { return folder_; }
    bool running() const { return run_.running(); }
    const DownloadList& list() const { return list_; }
    DownloadRun& run() { return run_; }

    void startDownload();
    void checkAvailability();
    void listAvailable();
    void abortDownload();
    void removeDownloaded();
    void refreshIndex();
    void chooseFolder();

    QTableWidget* DLList;
    QLabel* DLLabel;
    QComboBox* DLFileType;
    QLineEdit* DLSavePath;
    TPanelButton* DLFolder;
    TPanelButton* StartDownload;
    TPanelButton* CheckAvailability;
    TPanelButton* Available;
    TPanelButton* AbortDownload;
    TPanelButton* RemoveDL;
    TPanelButton* IndexRefresh;
    QLabel* StatusPanel[3];

  signals:
    void runningChanged(bool running);
    // The index files were fetched (or the fetch failed): read them again.
    void indexRefreshed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showRow(int row);
    void showList();
    void updateButtons();
    void changeType(int type);
    void removeSelected();
    std::vector<size_t> selectedRows() const;
    SavedFile savedFile() const;
    void setRunning(bool running);

    Dialogs& dialogs_;
    std::string configDir_;
    std::string folder_;
    DownloadList list_;
    DownloadRun run_;
};

} // namespace qw

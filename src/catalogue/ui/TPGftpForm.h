#pragma once
// The catalogue browser "Browse and download Project Gutenberg files": the
// entries of GUTINDEX.ALL and GUTINDEX.AUS (kept beside Quirewell.ini) in a
// list the user filters and sorts. The lower half holds the download list.
//
// The reader window owns one and shows it modally:
//   browser = new TPGftpForm(config, dialogs, this);   // once
//   browser->exec();                                   // Ctrl+G, "PG Browser"

#include "catalogue/catalogue_list.h"
#include "controls/ui/TPanelButton.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTableView;

namespace qw {

class CatalogueModel;
class ConfigFile;
class DownloadPane;
class THttpCli;
class Configuration;
class Dialogs;
class Settings;

class TPGftpForm : public QDialog {
    Q_OBJECT
  public:
    // Design size of the window, before scaling to the screen's pixels per inch.
    static constexpr int kDesignWidth = 800;
    static constexpr int kDesignHeight = 600;
    static constexpr int kDesignMinWidth = 560;
    static constexpr int kDesignMinHeight = 400;

    TPGftpForm(Configuration& config, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TPGftpForm() override;

    // Reads both index files and lists them; tells the user when there is no
    // entry. Runs when the window opens without entries, and after the index
    // was refreshed.
    void loadCatalogue();
    // Shows every entry in index order.
    void fillList();
    // Sorts by column 0 (number) or 1 (title): ascending, then descending.
    void sortByColumn(int column);
    void applyFilter();

    const std::vector<CatalogueEntry>& entries() const { return entries_; }
    const CatalogueList& list() const { return list_; }
    CatalogueModel* model() const { return model_; }
    // The selected rows' entries, in list order, without entries lacking a number.
    std::vector<CatalogueEntry> selectedEntries() const;

    void setVisible(bool visible) override;
    void done(int result) override;

    QTableView* PGList;
    QLabel* ItemsLabel;
    QLineEdit* FilterText;
    TPanelButton* FilterApply;
    QCheckBox* FilterActive;
    QCheckBox* CaseSens;
    TPanelButton* FilterReset;
    QCheckBox* ShowAddInfo;
    TPanelButton* EtextSelect;
    QFrame* DownloadPanel; // holds the download list
    DownloadPane* Downloads;

  signals:
    // Entries the user chose for the download list (double click, Enter in
    // the list, the copy button).
    void entriesChosen(const std::vector<CatalogueEntry>& entries);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyColours();
    void restorePosition();
    void shrinkToScreen();
    void savePosition();
    void showItemCount();
    void showInfoTip(const QPoint& viewportPos, const QPoint& globalPos);
    void hideInfoTip();
    void resetFilter();
    void chooseSelection();

    ConfigFile& config_;
    Settings& settings_;
    std::string configDir_;
    Dialogs& dialogs_;
    std::vector<CatalogueEntry> entries_;
    CatalogueList list_;
    CatalogueModel* model_;
    bool positionRestored_ = false;
    int designWidth_ = kDesignWidth, designHeight_ = kDesignHeight;
    QString tipShown_;
    THttpCli* http_;
};

} // namespace qw

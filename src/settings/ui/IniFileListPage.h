#pragma once
// The "INI file" page: one entry per book record, with "sorted", the "Info"
// hints, "Delete data for" a range of entries and "Set to current" for the
// selected ones. The page is bound to the store and the window's current
// values through IniListBinding, so it runs without the reader window.

#include "controls/ui/TPanelButton.h"
#include "settings/book_record.h"
#include "settings/ini_list.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace qw {

struct IniListBinding {
    ConfigFile* config = nullptr;
    // "Hide file paths" and "Hide archive names"; the page decides "sorted".
    std::function<IniListOptions()> listOptions;
    ReferenceExists exists; // whether a record's file (or member) is still there
    // The record names of the recent files and favourites.
    std::function<std::vector<std::string>()> recentAndFavourites;
    std::function<RecordRules()> rules;
    // The current font, size, line-break and contents settings.
    std::function<BookSettings()> currentSettings;
    std::function<bool()> tocPanelVisible;
};

class IniFileListPage : public QWidget {
    Q_OBJECT
  public:
    explicit IniFileListPage(IniListBinding binding, QWidget* parent = nullptr);

    // Fills the list from the store.
    void fill();
    // Fills the list when it is shown, otherwise empties it (it is filled
    // again when the page is next shown).
    void refresh();

    const std::vector<IniListEntry>& entries() const { return entries_; }
    std::vector<size_t> selectedRows() const;
    // Deletes the records of the entries the range chooses.
    void deleteRange(DeleteRange range);
    // Writes the current values into the records of the selected entries.
    void setSelectedToCurrent(SetToCurrent what);
    // The hint shown for a row while "Info" is on; empty otherwise.
    QString hintForRow(int row) const;

    QListWidget* list() const { return list_; }
    QLabel* titleLabel() const { return title_; }
    QCheckBox* sortedBox() const { return sorted_; }
    QCheckBox* infoBox() const { return info_; }
    QComboBox* rangeList() const { return ranges_; }
    QComboBox* parameterList() const { return parameters_; }
    TPanelButton* deleteButton() const { return delete_; }
    TPanelButton* setToCurrentButton() const { return setCurrent_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showEntries();
    void removeChosen(const std::vector<size_t>& chosen);

    IniListBinding binding_;
    std::vector<IniListEntry> entries_; // in the order of the list's rows
    QLabel* title_;
    QListWidget* list_;
    QCheckBox* sorted_;
    QCheckBox* info_;
    QComboBox* ranges_;
    QComboBox* parameters_;
    TPanelButton* delete_;
    TPanelButton* setCurrent_;
};

} // namespace qw

#pragma once
// The INI file list of the options panel: one entry per book record, with
// the deletions and "Set to current" that work on its entries.

#include "settings/book_record.h"
#include "settings/config_file.h"

#include <functional>
#include <string>
#include <vector>

namespace qw {

struct IniListEntry {
    std::string display;    // what the list shows, "*" in front for a missing file
    std::string recordName; // the decoded record name
    bool missing = false;
};

struct IniListOptions {
    bool hideFilePaths = false;    // "Hide file paths"
    bool hideArchiveNames = false; // "Hide archive names"
    bool sorted = false;
};

using ReferenceExists = std::function<bool(const std::string& reference)>;

// Every book record of the file, in file order or sorted by what is shown.
std::vector<IniListEntry> FillIniList(const ConfigFile& config, const IniListOptions& options,
                                      const ReferenceExists& exists);

enum class DeleteRange { Selected, All, NonExisting, AllButRecentAndFavourites, Excluded };

// The entries a range chooses; `selected` holds indices of the list.
std::vector<size_t> EntriesToDelete(const std::vector<IniListEntry>& entries, DeleteRange range,
                                    const std::vector<size_t>& selected,
                                    const std::vector<std::string>& recentAndFavourites,
                                    const RecordRules& rules);

// Erases the records of the chosen entries (from the last to the first),
// removes them from the list and rewrites the file once.
void DeleteRecords(ConfigFile& config, std::vector<IniListEntry>& entries,
                   std::vector<size_t> chosen);

enum class SetToCurrent { FontName, FontSize, LineBreaks, Toc, FontLineToc };

// Writes the current values into the records of the chosen entries.
void SetRecordsToCurrent(ConfigFile& config, const std::vector<IniListEntry>& entries,
                         const std::vector<size_t>& chosen, SetToCurrent what,
                         const BookSettings& current, bool tocPanelVisible);

// The hint of the "Info" option for a record.
std::string RecordHint(const ConfigFile& config, const std::string& recordName);

} // namespace qw

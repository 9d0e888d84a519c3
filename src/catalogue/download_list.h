#pragma once
// The download list: titles copied from the catalogue, each with the file
// wanted for the chosen type and a status. Whether a file is already in the
// save folder is asked through `saved` (by file name), so the list never
// touches the disk itself.

#include "catalogue/download_entry.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

using SavedFile = std::function<bool(const std::string& name)>;

class DownloadList {
  public:
    const std::vector<DownloadEntry>& entries() const { return entries_; }
    std::vector<DownloadEntry>& entries() { return entries_; }
    size_t size() const { return entries_.size(); }

    // A new title with the file name for the type; "Downloaded" when saved.
    void add(const CatalogueEntry& entry, int type, const ServerBases& bases,
             const SavedFile& saved);
    // Removes rows first..last (0-based, inclusive, clamped to the list).
    void remove(size_t first, size_t last);
    // Removes every title whose status is "Downloaded".
    void removeDownloaded();
    // Another file type for the rows; the names a lookup found are kept.
    void changeType(const std::vector<size_t>& rows, int type, const SavedFile& saved);
    // After a change of the save folder: "Downloaded" where the file is there,
    // and no longer where it is not (the other status words stay).
    void refreshSaved(const SavedFile& saved);

  private:
    std::vector<DownloadEntry> entries_;
};

// The entry a user means by a number typed on a command line: blanks do not
// count ("A11" is "A   11"), nor does the "C" of a copyrighted title. A
// number of digits that the index does not hold is taken as today's title
// of that number; anything else finds nothing.
std::optional<CatalogueEntry> FindByNumber(const std::vector<CatalogueEntry>& entries,
                                           std::string_view number);

// "1 item", otherwise the count and " items".
std::string ItemCountText(size_t count);

} // namespace qw

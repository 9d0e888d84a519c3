#pragma once
// One title of the download list: what the list shows, where its files lie
// on the server and what a lookup found there.

#include "catalogue/catalogue_entry.h"
#include "catalogue/download_names.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qw {

struct DownloadEntry {
    std::string number;    // as the catalogue shows it ("A" for Australian)
    std::string title;     // title and author
    std::string fileName;  // wanted, or the one found on the server
    std::string status;    // "", "Downloaded", "Found", "Not found"
    std::string directory; // the server directory, ending with "/"
    std::string baseName;  // the catalogue file name, or the number as stored
    int type = 0;          // file type index at adding or at the last change
    std::vector<std::string> foundNames, foundSizes, foundDates; // of the first lookup
    std::string year; // two characters for yearly and Australian entries
    bool oldFormat = false;

    bool australian() const { return !number.empty() && number[0] == 'A'; }
    // The catalogue entry this was made from, as far as the naming rules need it.
    CatalogueEntry catalogueEntry() const;
};

// A new entry for a catalogue title with the file name for the type.
DownloadEntry MakeDownloadEntry(const CatalogueEntry& entry, int type, const ServerBases& bases);
// Another file type: a new wanted name; what a lookup found is kept.
void ChangeFileType(DownloadEntry& entry, int type);

namespace download_status {
constexpr const char* kDownloaded = "Downloaded";
constexpr const char* kFound = "Found";
constexpr const char* kNotFound = "Not found";
} // namespace download_status

} // namespace qw

namespace qw {
// The progress line of a transfer: "512 Bytes received", or with an announced
// length "512 of 2048 Bytes received (25%)".
std::string ProgressText(std::int64_t received, std::int64_t announced);
} // namespace qw

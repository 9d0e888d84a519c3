#pragma once
// ZIP archives through libzip: listing the entries in stored order and
// extracting one entry into memory. Nothing is ever written to disk, so entry
// names that climb out of a folder ("../x", "/etc/x") are harmless here.

#include "import/read_file.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qw {

// Entries larger than a book file may be are refused before and while they
// are inflated, so a small archive cannot make the reader take gigabytes.
constexpr std::uint64_t kMaxArchiveEntryBytes = kMaxBookFileBytes;

struct ArchiveListing {
    std::vector<std::string> entries; // names as stored, folders left out
    std::string error;                // why the archive could not be read
    bool ok() const { return error.empty(); }
};

// The file entries of an archive in stored order (names in UTF-8; names not
// marked as UTF-8 are taken as UTF-8 when valid, else as code page 437).
// With hideIgnored set, entries IsIgnoredFile holds for (archives included)
// are left out. An archive that cannot be read lists no entries.
ArchiveListing ListArchive(const std::string& archivePath, bool hideIgnored,
                           const std::vector<std::string>& ignoredPatterns);

struct ArchiveEntryBytes {
    std::string bytes;
    // "Error unzipping file <entry> from archive <archive>", then a line
    // with the reason; empty on success.
    std::string error;
    bool ok() const { return error.empty(); }
};

// One entry, by its name as listed, into memory. Encrypted entries, damaged
// data, entries declared larger than limit and entries that inflate past
// their declared size fail.
ArchiveEntryBytes ExtractArchiveEntry(const std::string& archivePath, const std::string& entry,
                                      std::uint64_t limit = kMaxArchiveEntryBytes);

// True when the archive can be read and lists the entry.
bool ArchiveHasEntry(const std::string& archivePath, const std::string& entry);

} // namespace qw

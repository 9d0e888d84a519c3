#pragma once
// Putting a freshly downloaded index into place beside Quirewell.ini. The
// previous index is replaced only by a complete new one: a damaged archive,
// a missing member or a failed write leave it as it was.

#include <string>

namespace qw {

namespace index_files {
constexpr const char* kAll = "GUTINDEX.ALL";
constexpr const char* kAustralian = "GUTINDEX.AUS";
constexpr const char* kZip = "GUTINDEX.ZIP"; // the download of the archive
constexpr const char* kZipPath = "/dirs/GUTINDEX.zip";
constexpr const char* kAustralianPath = "/dirs/GUTINDEX.AUS";
} // namespace index_files

// Extracts the member "GUTINDEX.ALL" of the archive at zipPath and writes it
// over allPath as a whole; the archive is deleted in every case. Empty on
// success, else the message for the user.
std::string InstallIndexArchive(const std::string& zipPath, const std::string& allPath);

} // namespace qw

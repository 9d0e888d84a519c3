#pragma once
// Books that moved: every record keeps a fingerprint of its file (the size
// and a hash of the first and last 64 KB; for an archive member the
// member's). A book opened under a name that has no record takes over the
// one record with its fingerprint whose file is gone, so that a moved or
// renamed book keeps its page, bookmarks and settings.

#include "settings/config_file.h"

#include <functional>
#include <string>
#include <string_view>

namespace qw {

constexpr const char* kFingerprintKey = "Fingerprint";
constexpr std::size_t kFingerprintSpan = 64 * 1024;

// "size-hash" in hexadecimal, of the file's bytes.
std::string FileFingerprint(std::string_view bytes);

// Whether a file reference ("path" or "archive|member") names a file that is there.
using ReferenceExists = std::function<bool(const std::string& reference)>;

// The record the book `recordName` takes over: the only record with this
// fingerprint, when its file no longer exists. Empty when the book has a
// record of its own, when no record or several have the fingerprint, or when
// the file of the one that has it is still there (a copy gets a record of its
// own).
std::string FindMovedRecord(const ConfigFile& config, const std::string& recordName,
                            const std::string& fingerprint, const ReferenceExists& exists);

// Renames the record: every key moves from oldName to newName, the old
// section goes; the file is rewritten.
void TakeOverRecord(ConfigFile& config, const std::string& oldName, const std::string& newName);

} // namespace qw

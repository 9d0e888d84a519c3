#pragma once
// The book record's "Encoding" key: the encoding a plain text without a
// byte-order mark that is not UTF-8 is read in ("Auto": Windows-1252).

#include "settings/config_file.h"

#include <string>

namespace qw {

constexpr const char* kEncodingKey = "Encoding";

// The book's encoding; "Auto" when its record has none.
std::string ReadBookEncoding(const ConfigFile& config, const std::string& fileName,
                             const std::string& archiveEntry);

// Stores the choice ("Auto" removes the key) and rewrites the file; false
// when the file could not be written.
bool WriteBookEncoding(ConfigFile& config, const std::string& fileName,
                       const std::string& archiveEntry, const std::string& encoding);

} // namespace qw

#pragma once
// The two write-and-flush helpers: every change is written to the file at once.
// With notify set, creating a new section (a new book record) tells the store's
// new-section listener, which refreshes the INI file list.

#include "settings/config_file.h"

#include <string_view>

namespace qw {

// Writes the value and rewrites the file; false when the file could not be
// written (the store reports that through its write-failure listener).
bool IniWriteSect(ConfigFile& config, std::string_view section, std::string_view key,
                  std::string_view value, bool notify);
// The same with "Yes" for true and "No" for false.
bool IniWriteBool(ConfigFile& config, std::string_view section, std::string_view key, bool value,
                  bool notify);

} // namespace qw

#pragma once
// Where the catalogue servers are: the keys "Primary server" and
// "Australian server" of the "PG Browser" section, each a scheme and a host
// ("https://www.gutenberg.org"); a mirror can be named there instead.

#include "catalogue/download_names.h"

namespace qw {

class ConfigFile;

namespace server_keys {
constexpr const char* kPrimary = "Primary server";
constexpr const char* kAustralian = "Australian server";
} // namespace server_keys

// The two bases, the defaults for missing or empty keys; a trailing "/" is
// dropped, as every address adds a path that begins with one.
ServerBases ReadServerBases(const ConfigFile& config);

} // namespace qw

#pragma once
// The options the converters read, taken from the configuration.

#include "import/convert.h"
#include "settings/config_load.h"
#include "settings/settings_model.h"

namespace qw {

// The three "Import" options and "Hide ignored files" as they stand now, with
// the "Ignored files" patterns read at start-up.
ImportOptions ImportOptionsFrom(const Settings& settings, const ConfigState& state);

} // namespace qw

#pragma once
// The configuration of one run: the store, the option model over it and the
// values the configuration load filled. The reader window owns it from the
// load to the end of the run; other parts reach the options through settings.

#include "settings/config_file.h"
#include "settings/config_load.h"
#include "settings/settings_model.h"

namespace qw {

class Configuration {
  public:
    Configuration() = default;
    Configuration(const Configuration&) = delete;
    Configuration& operator=(const Configuration&) = delete;

    // Runs the configuration load; false when the program must end (no font).
    bool load(const ConfigEnvironment& env, Dialogs& dialogs) {
        ConfigLoadResult result = LoadConfiguration(file, env, dialogs);
        state = std::move(result.state);
        return !result.exitProgram;
    }

    ConfigFile file;
    Settings settings{file};
    ConfigState state;
};

} // namespace qw

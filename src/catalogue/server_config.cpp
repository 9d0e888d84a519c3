#include "catalogue/server_config.h"

#include "catalogue/ascii.h"
#include "settings/config_file.h"
#include "settings/settings_model.h"

namespace qw {

namespace {
std::string Base(const ConfigFile& config, const char* key, const std::string& fallback) {
    std::string base(TrimBlanks(config.ReadString(sections::kPgBrowser, key, "")));
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base.empty() ? fallback : base;
}
} // namespace

ServerBases ReadServerBases(const ConfigFile& config) {
    const ServerBases defaults;
    return {Base(config, server_keys::kPrimary, defaults.primary),
            Base(config, server_keys::kAustralian, defaults.australian)};
}

} // namespace qw

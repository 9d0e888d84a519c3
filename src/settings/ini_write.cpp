#include "settings/ini_write.h"

namespace qw {

bool IniWriteSect(ConfigFile& config, std::string_view section, std::string_view key,
                  std::string_view value, bool notify) {
    const bool isNew = notify && !config.SectionExists(section);
    config.WriteString(section, key, value);
    const bool written = config.UpdateFile();
    if (isNew && config.SectionExists(section))
        config.NotifyNewSection(std::string(section));
    return written;
}

bool IniWriteBool(ConfigFile& config, std::string_view section, std::string_view key, bool value,
                  bool notify) {
    return IniWriteSect(config, section, key, value ? "Yes" : "No", notify);
}

} // namespace qw

#pragma once
// What the configuration load asks of the system, answered by Qt: the
// program's folder, the installed fonts, the font shown for a missing one and
// the screen size.

#include "settings/config_load.h"

namespace qw {

class QtConfigEnvironment : public ConfigEnvironment {
  public:
    std::string programDir() const override;
    std::string userConfigDir() const override;
    std::string configDirOverride() const override;
    std::vector<std::string> screenFonts() const override;
    std::string substituteFont(const std::string& family) const override;
    int screenWidth() const override;
    int screenHeight() const override;
};

} // namespace qw

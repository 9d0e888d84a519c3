#pragma once
// The eight colours that paint the reader and the named colour schemes: the
// current "Default" colours live in the section "Colors", every named scheme
// as one line of "Color Schemes" holding the eight colour texts in order,
// separated by ",".

#include "settings/colour_value.h"
#include "settings/config_file.h"
#include "settings/settings_model.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// In the order of a scheme line.
enum class SchemeColour {
    Text,
    Background,
    ButtonText,
    WindowBackground,
    MenuText,
    MenuBackground,
    ListText,
    ListBackground
};
constexpr size_t kSchemeColourCount = 8;
using ColourSet = std::array<ColourValue, kSchemeColourCount>;

inline ColourValue& At(ColourSet& set, SchemeColour c) {
    return set[static_cast<size_t>(c)];
}
inline ColourValue At(const ColourSet& set, SchemeColour c) {
    return set[static_cast<size_t>(c)];
}

// Its key in "Colors".
Setting SettingOf(SchemeColour colour);
ColourValue DefaultColour(SchemeColour colour);
ColourSet DefaultColours();

// The colours of "Colors"; a key that holds no colour gives its default.
ColourSet ReadColors(const Settings& settings);

std::string FormatSchemeLine(const ColourSet& colours);

// The eight colour texts of a line taken over current. A line with too few
// parts or a text that is no colour is not complete: the colours before the
// failure are taken, the rest stay.
struct SchemeLine {
    ColourSet colours;
    bool complete = false;
};
SchemeLine ParseSchemeLine(std::string_view line, const ColourSet& current);

// The three ready-made schemes, written when "Color Schemes" is created.
const std::vector<std::pair<std::string, ColourSet>>& ReadyMadeSchemes();
void WriteReadyMadeSchemes(ConfigFile& config);

constexpr const char* kDefaultScheme = "Default";

class ColourSchemes {
  public:
    explicit ColourSchemes(ConfigFile& config) : config_(config) {}

    // "Default", then the named schemes in file order.
    std::vector<std::string> names() const;

    // The colours a choice gives, and whether they are shown; a named scheme
    // whose line is empty or incomplete shows nothing.
    SchemeLine choose(const std::string& name, const ColourSet& current) const;

    enum class NewResult { Empty, Duplicate, Created };
    // Adds a scheme of the current colours under the trimmed name (compared
    // ignoring case with the existing ones).
    NewResult create(const std::string& name, const ColourSet& current);
    void remove(const std::string& name);
    // With "Default" selected the colour's key in "Colors" is written,
    // otherwise the selected scheme's whole line.
    void saveColour(const std::string& selected, SchemeColour colour, const ColourSet& current);

  private:
    ConfigFile& config_;
};

} // namespace qw

#pragma once
// The configuration load that runs when the reader window is created, and the
// window bounds written when it closes.
//
// The load locates Quirewell.ini (with a write test and a fallback folder),
// writes the first-use defaults, reads the lists, the base directory, the
// legacy keys, fills the font and size lists, creates or reads the "Default"
// record, reads the options, migrates the last read file, loads the recent and
// favourite lists, the margins, the colours and the window bounds, and saves
// the file. What needs the window system comes in through ConfigEnvironment.

#include "settings/book_settings.h"
#include "settings/config_file.h"

#include <array>
#include <string>
#include <vector>

namespace qw {

class Dialogs;

class ConfigEnvironment {
  public:
    virtual ~ConfigEnvironment() = default;
    // The program's own folder, ending in "/".
    virtual std::string programDir() const = 0;
    // The per-user configuration folder, ending in "/" ($XDG_CONFIG_HOME/Quirewell/).
    virtual std::string userConfigDir() const = 0;
    // The folder named by QUIREWELL_CONFIG_DIR, or empty.
    virtual std::string configDirOverride() const = 0;
    // Installed screen font families.
    virtual std::vector<std::string> screenFonts() const = 0;
    // The family the system shows in place of a missing one (empty if none).
    virtual std::string substituteFont(const std::string& family) const = 0;
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
};

// The user configuration folder from the environment: $XDG_CONFIG_HOME/Quirewell/,
// else $HOME/.config/Quirewell/.
std::string UserConfigDirFromEnvironment();
// QUIREWELL_CONFIG_DIR with a trailing "/", or empty when it is not set.
std::string ConfigDirOverrideFromEnvironment();

struct WindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const WindowRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// What the load works out beyond the options themselves (which the Settings
// over the file hold, one place for each): the lists, the installed fonts,
// the controls of the book record and the window's first bounds. The reader
// window owns it.
struct ConfigState {
    std::string configDir; // ends in "/"
    // The font of the "Default" record, shown in the caption without a book.
    std::string defaultFontName = "Times New Roman";
    int defaultFontSize = 12;
    std::vector<std::string> excludedFonts, excludedPaths, includedPaths, ignoredFiles;

    std::vector<std::string> fontList;
    BookSettings book; // the font, line and contents controls

    WindowRect bounds; // the window's restored bounds (also NormalRect)
    bool maximized = false;
};

struct ConfigLoadResult {
    bool exitProgram = false; // no usable font: end with exit code 0
    ConfigState state;
};

// Design size of the reader window.
constexpr int kDesignWidth = 1024;
constexpr int kDesignHeight = 720;
constexpr int kTocWidth = 200;

// Runs the whole load on config (opened by it). Messages go to dialogs; write
// failures after the load are reported through dialogs as well.
ConfigLoadResult LoadConfiguration(ConfigFile& config, const ConfigEnvironment& env,
                                   Dialogs& dialogs);

// Entries of the recent and the favourite list.
constexpr size_t kPathListSize = 10;

// LoadPathList: reads "<section> 0" to "<section> 9", drops empty entries and
// writes them back numbered from 0 without gaps.
std::vector<std::string> LoadPathList(ConfigFile& config, const std::string& section);

// The window's state when it closes.
struct CloseBounds {
    bool maximized = false;
    bool fullScreen = false;
    bool maximizedBeforeFullScreen = false;
    bool savedRectSet = false;
    WindowRect savedRect; // bounds before full screen
    bool normalRectSet = false;
    WindowRect normalRect;          // restored bounds
    bool normalRectWithToc = false; // taken with the contents panel docked on the left
    bool tocOnLeftSide = false;
    WindowRect window; // current bounds
    int tocWidth = kTocWidth;
};

// Writes "Window" as the window closes and rewrites the file.
void SaveWindowBounds(ConfigFile& config, const CloseBounds& close);

} // namespace qw

#pragma once
// The check-box pages of the options: "General", "Control" and "Import".
// Options that belong to parts of the program not built yet (the clock, the
// menu panel's mouse control, automatic page turning) are not listed.

#include "settings/ui/CheckOptionsPage.h"

#include <vector>

namespace qw {

enum class GeneralOption {
    BookStyle,
    FullScreen,
    Antialiasing,
    PageNumbersBelow,
    ShowProgressBar,
    ProgressBarBelow,
    HideFilePaths,
    HideArchiveNames,
    HideIgnoredFiles,
    ApplyDefaultSettings,
    SkipGutenbergFrame,
    JustifyText,
    FindMovedBooks,
};

enum class ControlOption {
    ActivateShortcuts,
    AutoOpen,
    QuickPage,
    QuickFind,
    AutomaticallyFit,
    FitLeavingMenu,
};

enum class ImportOption {
    EmphasisAsCapitals,
    EmphasisMarks,
    DocBlankLine,
};

const std::vector<CheckOption>& GeneralOptions();
const std::vector<CheckOption>& ControlOptions();
const std::vector<CheckOption>& ImportOptionList();

constexpr int Id(GeneralOption o) {
    return static_cast<int>(o);
}
constexpr int Id(ControlOption o) {
    return static_cast<int>(o);
}
constexpr int Id(ImportOption o) {
    return static_cast<int>(o);
}

} // namespace qw

#pragma once
// The reader window's key map: one routing function over an explicit state
// that the window fills in, so the order of decisions is tested without a
// window. The window then carries out the command it is given.

#include "reader/page_moves.h"

#include <vector>

namespace qw {

enum class Key {
    Other,
    Enter,
    Escape,
    F1,
    F3,
    F5,
    Pause,
    Plus,
    Minus,
    Home,
    End,
    PageUp,
    PageDown,
    Up,
    Down,
    Left,
    Right,
    Space,
    Backspace,
    Delete,
    BrowserBack,
    BrowserForward,
    Letter,
    Digit
};

struct KeyPress {
    Key key = Key::Other;
    char symbol = 0; // 'A'..'Z' for Letter, '0'..'9' for Digit
    bool shift = false, ctrl = false, alt = false;
};

// Which kind of control has the keyboard focus.
enum class Focus {
    None,
    PageText,
    TextField,
    MultiLineText,
    FindField,
    ListBox,
    OptionsTree,
    BookRecordList,
    BookRecordSelection,
    MarginField,
    HelpTree,
    RecentList,
    TocList,
    OtherControl
};

struct KeyState {
    bool findBarOpen = false;
    bool busy = false; // a load or relayout runs (ChangeReason not empty)
    bool menuOpen = false, helpOpen = false, recentOpen = false;
    bool tocOpen = false, tocDockedLeft = false;
    Focus focus = Focus::None;
    bool shortcutsEnabled = true; // "Enable keyboard shortcuts"
    bool quickPage = true;        // "Quick page"
    bool quickFind = true;        // "Quick find"
};

enum class Command {
    PassOn,  // the focused control gets the key
    Nothing, // consumed, no effect
    FindStart,
    FindInFilesStart,
    FindNext,
    CloseFindBar,
    Minimize,
    ClosePanels,
    AutoTurnOff,
    AutoTurnPause,
    ToggleHelp,
    OpenFindAndFindNext,
    Reload,
    GoToBookmark,
    ClearBookmark,
    SetNextBookmark,
    ClearAllBookmarks,
    Append,
    Copy,
    PrintText,
    Edit,
    Find,
    FindInFiles,
    OpenCatalogue,
    NextFont,
    PreviousFont,
    Open,
    OpenWithAssociatedProgram,
    ShowRecent,
    OpenMostRecent,
    SaveAs,
    ToggleContents,
    Close,
    Exit,
    ToggleFullScreen,
    LargerFont,
    SmallerFont,
    OpenOptionsPage,
    DeleteBookRecords,
    ApplyMargins,
    OpenHelpPage,
    DeleteRecentEntry,
    OpenRecentEntry,
    JumpToSection,
    PreviousSection,
    NextSection,
    PreviousFile,
    NextFile,
    FirstFile,
    LastFile,
    HistoryBack,
    HistoryForward,
    TurnPage
};

struct KeyDecision {
    Command command = Command::PassOn;
    int bookmark = 0;                // 1..3 for the bookmark commands
    PageMove move = PageMove::First; // for TurnPage
};

KeyDecision RouteKey(const KeyPress& press, const KeyState& state);

enum class CharCommand { PassOn, Nothing, QuickPage, QuickFindOpen, QuickFindAppend };

// A typed character that the key handling left over. ctrlHeld is the Ctrl
// state of the key press that produced it.
CharCommand RouteCharacter(char32_t character, bool ctrlHeld, const KeyState& state);

// The next size in the list 6..20, 22..40 step 2, 44..60 step 4, 66..90 step
// 6, 99 larger (or smaller) than the current one; the same at the ends.
int StepFontSize(int current, bool larger);
const std::vector<int>& FontSizeSteps();

} // namespace qw

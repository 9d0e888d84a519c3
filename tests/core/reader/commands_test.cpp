#include "reader/commands.h"

#include <gtest/gtest.h>

namespace {

using qw::Command;
using qw::Focus;
using qw::Key;
using qw::KeyPress;
using qw::KeyState;

KeyPress key(Key k, bool ctrl = false, bool shift = false, bool alt = false) {
    KeyPress p;
    p.key = k;
    p.ctrl = ctrl;
    p.shift = shift;
    p.alt = alt;
    return p;
}

KeyPress letter(char c, bool ctrl = true, bool shift = false) {
    KeyPress p = key(Key::Letter, ctrl, shift);
    p.symbol = c;
    return p;
}

KeyPress digit(char c, bool ctrl = true, bool shift = false) {
    KeyPress p = key(Key::Digit, ctrl, shift);
    p.symbol = c;
    return p;
}

struct RouteCase {
    const char* name;
    KeyPress press;
    KeyState state;
    Command command;
};

KeyState plain() {
    return KeyState{};
}
KeyState shortcutsOff() {
    KeyState s;
    s.shortcutsEnabled = false;
    return s;
}
// One flag of the state set (a panel open, a load running), and the focus.
KeyState with(bool KeyState::*flag, Focus focus = Focus::None) {
    KeyState s;
    s.*flag = true;
    s.focus = focus;
    return s;
}
KeyState focusIn(Focus focus) {
    KeyState s;
    s.focus = focus;
    return s;
}

class RouteKeyTest : public testing::TestWithParam<RouteCase> {};

TEST_P(RouteKeyTest, Decides) {
    EXPECT_EQ(qw::RouteKey(GetParam().press, GetParam().state).command, GetParam().command);
}

constexpr auto kFind = &KeyState::findBarOpen;
constexpr auto kMenu = &KeyState::menuOpen;

INSTANTIATE_TEST_SUITE_P(
    Order, RouteKeyTest,
    testing::Values(
        RouteCase{"CtrlO", letter('O'), plain(), Command::Open},
        RouteCase{"CtrlShiftO", letter('O', true, true), plain(),
                  Command::OpenWithAssociatedProgram},
        RouteCase{"CtrlEnterFullScreen", key(Key::Enter, true), plain(), Command::ToggleFullScreen},
        RouteCase{"CtrlHNothing", letter('H'), plain(), Command::Nothing},
        RouteCase{"CtrlQUnknown", letter('Q'), plain(), Command::Nothing},
        RouteCase{"CtrlAltOIsNotTheTable", key(Key::Letter, true, false, true), plain(),
                  Command::Nothing},
        RouteCase{"F5", key(Key::F5), plain(), Command::Reload},
        RouteCase{"Plus", key(Key::Plus), plain(), Command::LargerFont},
        RouteCase{"ShiftMinus", key(Key::Minus, false, true), plain(), Command::SmallerFont},
        // Shortcuts off: the table, F5 and "+" do nothing; turning keys still turn.
        RouteCase{"OffCtrlO", letter('O'), shortcutsOff(), Command::Nothing},
        RouteCase{"OffF5", key(Key::F5), shortcutsOff(), Command::PassOn},
        RouteCase{"OffPlus", key(Key::Plus), shortcutsOff(), Command::PassOn},
        RouteCase{"OffSpace", key(Key::Space), shortcutsOff(), Command::TurnPage},
        // Esc.
        RouteCase{"EscMinimizes", key(Key::Escape), plain(), Command::Minimize},
        RouteCase{"EscWhileLoading", key(Key::Escape), with(&KeyState::busy), Command::Nothing},
        RouteCase{"EscClosesPanels", key(Key::Escape), with(kMenu), Command::ClosePanels},
        // The find bar.
        RouteCase{"FindEnter", key(Key::Enter), with(kFind), Command::FindStart},
        RouteCase{"FindShiftEnter", key(Key::Enter, false, true), with(kFind),
                  Command::FindInFilesStart},
        RouteCase{"FindEsc", key(Key::Escape), with(kFind), Command::CloseFindBar},
        RouteCase{"FindFieldGetsKeys", key(Key::Home), with(kFind, Focus::FindField),
                  Command::PassOn},
        RouteCase{"FindFieldCtrlShortcut", letter('W'), with(kFind, Focus::FindField),
                  Command::PassOn},
        // Pause.
        RouteCase{"Pause", key(Key::Pause), plain(), Command::AutoTurnPause},
        RouteCase{"ShiftPause", key(Key::Pause, false, true), plain(), Command::AutoTurnOff},
        // Text fields keep their keys.
        RouteCase{"TextFieldHome", key(Key::Home), focusIn(Focus::TextField), Command::PassOn},
        RouteCase{"PageTextHome", key(Key::Home), focusIn(Focus::PageText), Command::TurnPage},
        // Panels.
        RouteCase{"MarginEnter", key(Key::Enter), with(kMenu, Focus::MarginField),
                  Command::ApplyMargins},
        RouteCase{"RecordDelete", key(Key::Delete), with(kMenu, Focus::BookRecordList),
                  Command::DeleteBookRecords},
        RouteCase{"RecordArrows", key(Key::Down), with(kMenu, Focus::BookRecordList),
                  Command::PassOn},
        RouteCase{"MenuSpace", key(Key::Space), with(kMenu), Command::PassOn},
        RouteCase{"RecentEnter", key(Key::Enter), with(&KeyState::recentOpen, Focus::RecentList),
                  Command::OpenRecentEntry},
        RouteCase{"TocPageDown", key(Key::PageDown), with(&KeyState::tocOpen, Focus::TocList),
                  Command::PassOn},
        RouteCase{"TocEnter", key(Key::Enter), with(&KeyState::tocOpen, Focus::TocList),
                  Command::JumpToSection},
        RouteCase{"CtrlInListAppliesToWindow", letter('W'),
                  with(&KeyState::recentOpen, Focus::RecentList), Command::Close},
        RouteCase{"HelpTreeEnter", key(Key::Enter), with(&KeyState::helpOpen, Focus::HelpTree),
                  Command::OpenHelpPage},
        // An open panel's controls keep the navigation keys; the book behind does not turn.
        RouteCase{"MenuTreeDown", key(Key::Down), with(kMenu, Focus::OptionsTree), Command::PassOn},
        RouteCase{"MenuControlPageUp", key(Key::PageUp), with(kMenu, Focus::PanelControl),
                  Command::PassOn},
        RouteCase{"HelpButtonLeft", key(Key::Left), with(&KeyState::helpOpen, Focus::PanelControl),
                  Command::PassOn},
        RouteCase{"MenuControlCtrlLeft", key(Key::Left, true), with(kMenu, Focus::PanelControl),
                  Command::PreviousSection},
        RouteCase{"ClosedMenuTurns", key(Key::Down),
                  with(&KeyState::recentOpen, Focus::PanelControl), Command::TurnPage},
        // Sections, files, history.
        RouteCase{"CtrlLeft", key(Key::Left, true), plain(), Command::PreviousSection},
        RouteCase{"CtrlPageDown", key(Key::PageDown, true), plain(), Command::NextFile},
        RouteCase{"CtrlEnd", key(Key::End, true), plain(), Command::LastFile},
        RouteCase{"AltLeft", key(Key::Left, false, false, true), plain(), Command::HistoryBack},
        RouteCase{"BrowserForward", key(Key::BrowserForward), plain(), Command::HistoryForward},
        RouteCase{"AltHome", key(Key::Home, false, false, true), plain(), Command::Nothing},
        RouteCase{"CtrlUp", key(Key::Up, true), plain(), Command::Nothing},
        RouteCase{"PlainLetter", letter('x', false), plain(), Command::PassOn}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RouteKey, BookmarksAndTurns) {
    KeyState s;
    qw::KeyDecision d = qw::RouteKey(digit('2'), s);
    EXPECT_EQ(d.command, Command::GoToBookmark);
    EXPECT_EQ(d.bookmark, 2);
    d = qw::RouteKey(digit('3', true, true), s);
    EXPECT_EQ(d.command, Command::ClearBookmark);
    EXPECT_EQ(d.bookmark, 3);
    EXPECT_EQ(qw::RouteKey(digit('4'), s).command, Command::Nothing);
    struct Turn {
        Key key;
        qw::PageMove move;
    };
    for (const Turn& t :
         {Turn{Key::Home, qw::PageMove::First}, Turn{Key::PageUp, qw::PageMove::TenBack},
          Turn{Key::Up, qw::PageMove::Back}, Turn{Key::Backspace, qw::PageMove::Back},
          Turn{Key::Left, qw::PageMove::OneBack}, Turn{Key::Right, qw::PageMove::OneForward},
          Turn{Key::Down, qw::PageMove::ForwardKey}, Turn{Key::Space, qw::PageMove::ForwardKey},
          Turn{Key::PageDown, qw::PageMove::TenForward}, Turn{Key::End, qw::PageMove::LastKey}}) {
        d = qw::RouteKey(key(t.key), s);
        EXPECT_EQ(d.command, Command::TurnPage);
        EXPECT_EQ(d.move, t.move);
    }
}

TEST(RouteCharacter, QuickPageAndQuickFind) {
    KeyState s;
    EXPECT_EQ(qw::RouteCharacter('7', false, s), qw::CharCommand::QuickPage);
    EXPECT_EQ(qw::RouteCharacter('x', false, s), qw::CharCommand::QuickFindOpen);
    EXPECT_EQ(qw::RouteCharacter(U'\u00e9', false, s), qw::CharCommand::QuickFindOpen);
    EXPECT_EQ(qw::RouteCharacter(' ', false, s), qw::CharCommand::Nothing);
    EXPECT_EQ(qw::RouteCharacter('+', false, s), qw::CharCommand::Nothing);
    s.findBarOpen = true;
    EXPECT_EQ(qw::RouteCharacter('y', false, s), qw::CharCommand::QuickFindAppend);
    s.findBarOpen = false;
    s.quickPage = false;
    s.quickFind = false;
    EXPECT_EQ(qw::RouteCharacter('7', false, s), qw::CharCommand::Nothing);
    EXPECT_EQ(qw::RouteCharacter('x', false, s), qw::CharCommand::Nothing);
    s.quickFind = true;
    s.tocOpen = true; // floating contents panel
    EXPECT_EQ(qw::RouteCharacter('x', false, s), qw::CharCommand::Nothing);
    s.tocDockedLeft = true;
    EXPECT_EQ(qw::RouteCharacter('x', false, s), qw::CharCommand::QuickFindOpen);
    s.focus = Focus::TextField;
    EXPECT_EQ(qw::RouteCharacter('x', false, s), qw::CharCommand::PassOn);
    EXPECT_EQ(qw::RouteCharacter(1, false, s), qw::CharCommand::Nothing);
    EXPECT_EQ(qw::RouteCharacter(1, true, s), qw::CharCommand::PassOn);
    EXPECT_EQ(qw::RouteCharacter(8, false, s), qw::CharCommand::PassOn);
}

TEST(FontSizeSteps, StepsThroughTheFixedList) {
    struct Case {
        int from;
        bool larger;
        int to;
    };
    for (const Case& c :
         {Case{12, true, 13}, Case{20, true, 22}, Case{21, true, 22}, Case{40, true, 44},
          Case{60, true, 66}, Case{90, true, 99}, Case{99, true, 99}, Case{150, true, 150},
          Case{6, false, 6}, Case{22, false, 20}, Case{23, false, 22}, Case{99, false, 90},
          Case{3, true, 6}, Case{100, false, 99}}) {
        EXPECT_EQ(qw::StepFontSize(c.from, c.larger), c.to) << c.from << (c.larger ? "+" : "-");
    }
}

} // namespace

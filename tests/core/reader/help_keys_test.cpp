// Every key binding of the reader's key map is described in Help.txt: in the
// key list, under the heading of the panel or field it belongs to.

#include "reader/commands.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using qw::Focus;
using qw::Key;
using qw::KeyDecision;
using qw::KeyPress;
using qw::KeyState;

std::string ReadHelp() {
    std::ifstream file(QW_TEST_DATA_DIR "/../../share/Help.txt", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string KeyName(const KeyPress& p) {
    static const char* const names[] = {"",
                                        "Enter",
                                        "Esc",
                                        "F1",
                                        "F3",
                                        "F5",
                                        "Pause",
                                        "+",
                                        "-",
                                        "Home",
                                        "End",
                                        "Page Up",
                                        "Page Down",
                                        "Up",
                                        "Down",
                                        "Left",
                                        "Right",
                                        "Space",
                                        "Backspace",
                                        "Delete",
                                        "Browser Back",
                                        "Browser Forward"};
    std::string name = p.ctrl ? "Ctrl+" : "";
    if (p.alt)
        name += "Alt+";
    if (p.shift)
        name += "Shift+";
    if (p.key == Key::Letter || p.key == Key::Digit)
        return name + p.symbol;
    return name + names[static_cast<int>(p.key)];
}

// Every key the map knows, with every set of modifiers.
std::vector<KeyPress> AllPresses() {
    std::vector<KeyPress> presses;
    auto add = [&](Key key, char symbol) {
        for (int m = 0; m < 8; ++m)
            presses.push_back({key, symbol, (m & 1) != 0, (m & 2) != 0, (m & 4) != 0});
    };
    for (int k = static_cast<int>(Key::Enter); k <= static_cast<int>(Key::BrowserForward); ++k)
        add(static_cast<Key>(k), 0);
    for (char c = 'A'; c <= 'Z'; ++c)
        add(Key::Letter, c);
    for (char c = '0'; c <= '9'; ++c)
        add(Key::Digit, c);
    return presses;
}

bool Same(const KeyDecision& a, const KeyDecision& b) {
    return a.command == b.command && a.bookmark == b.bookmark &&
           (a.command != qw::Command::TurnPage || a.move == b.move);
}

bool IsBinding(const KeyDecision& d) {
    return d.command != qw::Command::PassOn && d.command != qw::Command::Nothing;
}

// A modifier that changes nothing is not part of the binding: Shift+Space
// turns like Space, and the guide names Space.
bool HasIdleModifier(const KeyPress& p, const KeyState& s) {
    const KeyDecision d = qw::RouteKey(p, s);
    for (bool KeyPress::*modifier : {&KeyPress::shift, &KeyPress::ctrl, &KeyPress::alt}) {
        if (!(p.*modifier))
            continue;
        KeyPress without = p;
        without.*modifier = false;
        if (Same(qw::RouteKey(without, s), d))
            return true;
    }
    return false;
}

// The block of the guide that follows a caption, up to the next blank line.
std::string Block(const std::string& help, const std::string& caption) {
    const size_t start = help.find(caption);
    if (start == std::string::npos)
        return std::string();
    const size_t end = help.find("\n\n", start);
    return help.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The name stands on its own: not part of a longer name ("Ctrl+B" in "Ctrl+Shift+B").
bool Mentions(const std::string& text, const std::string& name) {
    auto joins = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '+'; };
    for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        const bool clearBefore = at == 0 || !joins(text[at - 1]);
        const size_t after = at + name.size();
        const bool clearAfter = after >= text.size() || !joins(text[after]);
        if (clearBefore && clearAfter)
            return true;
    }
    return false;
}

TEST(HelpText, DescribesEveryKeyBindingWhereItApplies) {
    const std::string help = ReadHelp();
    ASSERT_FALSE(help.empty()) << "share/Help.txt is missing";
    auto state = [](auto change) {
        KeyState s;
        change(s);
        return s;
    };
    struct Place {
        const char* caption; // the key list's caption for this state
        KeyState state;
    };
    const KeyState reading;
    const Place places[] = {
        {"Reading:", reading},
        {"In the find panel:", state([](KeyState& s) {
             s.findBarOpen = true;
             s.focus = Focus::FindField;
         })},
        {"In the table of contents list:", state([](KeyState& s) {
             s.tocOpen = true;
             s.focus = Focus::TocList;
         })},
        {"In the recent files list:", state([](KeyState& s) {
             s.recentOpen = true;
             s.focus = Focus::RecentList;
         })},
        {"In the options tree:", state([](KeyState& s) {
             s.menuOpen = true;
             s.focus = Focus::OptionsTree;
         })},
        {"In the list of remembered books:", state([](KeyState& s) {
             s.menuOpen = true;
             s.focus = Focus::BookRecordList;
         })},
        {"In a margin field:", state([](KeyState& s) {
             s.menuOpen = true;
             s.focus = Focus::MarginField;
         })},
        {"In the help tree:", state([](KeyState& s) {
             s.helpOpen = true;
             s.focus = Focus::HelpTree;
         })},
    };
    int bindings = 0;
    for (const Place& place : places) {
        const std::string block = Block(help, place.caption);
        ASSERT_FALSE(block.empty()) << "no key list \"" << place.caption << "\" in Help.txt";
        for (const KeyPress& press : AllPresses()) {
            const KeyDecision d = qw::RouteKey(press, place.state);
            if (!IsBinding(d) || HasIdleModifier(press, place.state))
                continue;
            // In a panel, only what differs from reading belongs to the panel.
            if (&place != &places[0] && Same(d, qw::RouteKey(press, reading)))
                continue;
            ++bindings;
            EXPECT_TRUE(Mentions(block, KeyName(press)))
                << place.caption << " lacks " << KeyName(press) << " (command "
                << static_cast<int>(d.command) << ")";
        }
    }
    EXPECT_GT(bindings, 60); // the map has that many; a broken walk finds few
}

} // namespace

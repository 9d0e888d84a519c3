#include "reader/commands.h"

namespace qw {

namespace {

KeyDecision make(Command command, int bookmark = 0) {
    return {command, bookmark, PageMove::First};
}
KeyDecision turn(PageMove move) {
    return {Command::TurnPage, 0, move};
}

bool isTextEntry(Focus focus) {
    return focus == Focus::TextField || focus == Focus::MultiLineText || focus == Focus::FindField;
}

KeyDecision ctrlTable(const KeyPress& p) {
    const bool shift = p.shift;
    if (p.key == Key::Enter)
        return make(Command::ToggleFullScreen);
    if (p.key == Key::Digit && p.symbol >= '1' && p.symbol <= '3')
        return make(shift ? Command::ClearBookmark : Command::GoToBookmark, p.symbol - '0');
    if (p.key != Key::Letter)
        return make(Command::PassOn);
    switch (p.symbol) {
    case 'A':
        return make(Command::Append);
    case 'B':
        return make(shift ? Command::ClearAllBookmarks : Command::SetNextBookmark);
    case 'C':
        return make(Command::Copy);
    case 'E':
        return make(Command::Edit);
    case 'F':
        return make(shift ? Command::FindInFiles : Command::Find);
    case 'G':
        return make(Command::OpenCatalogue);
    case 'N':
        return make(shift ? Command::PreviousFont : Command::NextFont);
    case 'O':
        return make(shift ? Command::OpenWithAssociatedProgram : Command::Open);
    case 'P':
        return make(Command::PrintText);
    case 'R':
        return make(shift ? Command::OpenMostRecent : Command::ShowRecent);
    case 'S':
        return make(Command::SaveAs);
    case 'T':
        return make(Command::ToggleContents);
    case 'W':
        return make(Command::Close);
    case 'X':
        return make(Command::Exit);
    case 'H':
        return make(Command::Nothing);
    default:
        return make(Command::PassOn);
    }
}

} // namespace

KeyDecision RouteKey(const KeyPress& p, const KeyState& state) {
    const Key k = p.key;
    KeyState s = state;
    // A Ctrl shortcut pressed in a list applies to the window: the window
    // takes the focus away from the list first.
    if (s.shortcutsEnabled && p.ctrl &&
        (s.focus == Focus::ListBox || s.focus == Focus::BookRecordList ||
         s.focus == Focus::RecentList || s.focus == Focus::TocList))
        s.focus = Focus::None;
    // The find bar sees its keys first.
    if (s.findBarOpen) {
        if (k == Key::Enter)
            return make(p.shift ? Command::FindInFilesStart : Command::FindStart);
        if (k == Key::F3)
            return make(Command::FindNext);
        if (k == Key::Escape)
            return make(Command::CloseFindBar);
        if (s.focus == Focus::FindField && !p.ctrl && !p.alt)
            return make(Command::PassOn);
    }
    if (k == Key::Escape) {
        if (s.busy)
            return make(Command::Nothing);
        if (!s.menuOpen && !s.helpOpen && !s.recentOpen && !s.tocOpen)
            return make(Command::Minimize);
        return make(Command::ClosePanels);
    }
    if (k == Key::Pause)
        return make(p.shift ? Command::AutoTurnOff : Command::AutoTurnPause);
    if (isTextEntry(s.focus))
        return make(Command::PassOn);

    if (s.shortcutsEnabled) {
        if (k == Key::F1)
            return make(Command::ToggleHelp);
        if (k == Key::F3)
            return make(Command::OpenFindAndFindNext);
        if (k == Key::F5)
            return make(Command::Reload);
        if (p.ctrl && !p.alt) {
            const KeyDecision d = ctrlTable(p);
            if (d.command != Command::PassOn)
                return d;
        }
        if (k == Key::Plus)
            return make(Command::LargerFont);
        if (k == Key::Minus)
            return make(Command::SmallerFont);
    }

    if (s.menuOpen) {
        if (k == Key::Enter && s.focus == Focus::OptionsTree)
            return make(Command::OpenOptionsPage);
        const bool inRecords =
            s.focus == Focus::BookRecordList || s.focus == Focus::BookRecordSelection;
        if (inRecords && (k == Key::Up || k == Key::Down || k == Key::Left || k == Key::Right ||
                          k == Key::Home || k == Key::End))
            return make(Command::PassOn);
        if (k == Key::Delete && s.focus == Focus::BookRecordList)
            return make(Command::DeleteBookRecords);
        if (k == Key::Space)
            return make(Command::PassOn);
        if (k == Key::Enter && s.focus == Focus::MarginField)
            return make(Command::ApplyMargins);
    }
    if (s.helpOpen && s.focus == Focus::HelpTree)
        return make(k == Key::Enter ? Command::OpenHelpPage : Command::PassOn);
    if (s.recentOpen && s.focus == Focus::RecentList) {
        if (k == Key::Home || k == Key::End || k == Key::Up || k == Key::Down)
            return make(Command::PassOn);
        if (k == Key::Delete)
            return make(Command::DeleteRecentEntry);
        if (k == Key::Enter)
            return make(Command::OpenRecentEntry);
    }
    if (s.tocOpen && s.focus == Focus::TocList) {
        if (k == Key::Home || k == Key::End || k == Key::Up || k == Key::Down || k == Key::PageUp ||
            k == Key::PageDown)
            return make(Command::PassOn);
        if (k == Key::Enter)
            return make(Command::JumpToSection);
    }

    if (p.ctrl) {
        switch (k) {
        case Key::Left:
            return make(Command::PreviousSection);
        case Key::Right:
            return make(Command::NextSection);
        case Key::PageUp:
            return make(Command::PreviousFile);
        case Key::PageDown:
            return make(Command::NextFile);
        case Key::Home:
            return make(Command::FirstFile);
        case Key::End:
            return make(Command::LastFile);
        default:
            break;
        }
    }
    if ((p.alt && k == Key::Left) || k == Key::BrowserBack)
        return make(Command::HistoryBack);
    if ((p.alt && k == Key::Right) || k == Key::BrowserForward)
        return make(Command::HistoryForward);
    if (p.ctrl || p.alt)
        return make(Command::Nothing);

    switch (k) {
    case Key::Home:
        return turn(PageMove::First);
    case Key::PageUp:
        return turn(PageMove::TenBack);
    case Key::Up:
    case Key::Backspace:
        return turn(PageMove::Back);
    case Key::Left:
        return turn(PageMove::OneBack);
    case Key::Right:
        return turn(PageMove::OneForward);
    case Key::Down:
    case Key::Space:
        return turn(PageMove::ForwardKey);
    case Key::PageDown:
        return turn(PageMove::TenForward);
    case Key::End:
        return turn(PageMove::LastKey);
    default:
        return make(Command::PassOn);
    }
}

CharCommand RouteCharacter(char32_t c, bool ctrlHeld, const KeyState& s) {
    if (isTextEntry(s.focus)) {
        if (c < 32 && c != 8 && c != 13 && !ctrlHeld)
            return CharCommand::Nothing;
        return CharCommand::PassOn;
    }
    if (s.menuOpen || s.helpOpen || s.recentOpen || (s.tocOpen && !s.tocDockedLeft))
        return CharCommand::Nothing;
    if (c < 33 || c == '+' || c == '-')
        return CharCommand::Nothing;
    if (c >= '0' && c <= '9')
        return s.quickPage ? CharCommand::QuickPage : CharCommand::Nothing;
    if (s.findBarOpen)
        return CharCommand::QuickFindAppend;
    return s.quickFind ? CharCommand::QuickFindOpen : CharCommand::Nothing;
}

const std::vector<int>& FontSizeSteps() {
    static const std::vector<int> steps = [] {
        std::vector<int> sizes;
        for (int s = 6; s <= 20; ++s)
            sizes.push_back(s);
        for (int s = 22; s <= 40; s += 2)
            sizes.push_back(s);
        for (int s = 44; s <= 60; s += 4)
            sizes.push_back(s);
        for (int s = 66; s <= 90; s += 6)
            sizes.push_back(s);
        sizes.push_back(99);
        return sizes;
    }();
    return steps;
}

int StepFontSize(int current, bool larger) {
    const std::vector<int>& sizes = FontSizeSteps();
    if (larger) {
        for (int size : sizes)
            if (size > current)
                return size;
    } else {
        for (auto it = sizes.rbegin(); it != sizes.rend(); ++it)
            if (*it < current)
                return *it;
    }
    return current;
}

} // namespace qw

// The reader window sees every key before its controls: the key map decides
// (RouteKey), and typed characters open the jump dialog ("Quick page").

#include "reader/ui/TForm1.h"

#include "reader/ui/ContentsPanel.h"
#include "reader/ui/FindPart.h"
#include "reader/ui/HelpPanelPart.h"
#include "reader/ui/MenuPanelPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/RecentPart.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWheelEvent>

#include <cstdlib>

namespace qw {

namespace {

// The key of a key event in the terms of the key map.
KeyPress toKeyPress(const QKeyEvent* event) {
    KeyPress p;
    const Qt::KeyboardModifiers mods = event->modifiers();
    p.shift = mods & Qt::ShiftModifier;
    p.ctrl = mods & Qt::ControlModifier;
    p.alt = mods & Qt::AltModifier;
    const int key = event->key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        p.key = Key::Enter;
        break;
    case Qt::Key_Escape:
        p.key = Key::Escape;
        break;
    case Qt::Key_F1:
        p.key = Key::F1;
        break;
    case Qt::Key_F3:
        p.key = Key::F3;
        break;
    case Qt::Key_F5:
        p.key = Key::F5;
        break;
    case Qt::Key_Pause:
        p.key = Key::Pause;
        break;
    case Qt::Key_Plus:
        p.key = Key::Plus;
        break;
    case Qt::Key_Minus:
        p.key = Key::Minus;
        break;
    case Qt::Key_Home:
        p.key = Key::Home;
        break;
    case Qt::Key_End:
        p.key = Key::End;
        break;
    case Qt::Key_PageUp:
        p.key = Key::PageUp;
        break;
    case Qt::Key_PageDown:
        p.key = Key::PageDown;
        break;
    case Qt::Key_Up:
        p.key = Key::Up;
        break;
    case Qt::Key_Down:
        p.key = Key::Down;
        break;
    case Qt::Key_Left:
        p.key = Key::Left;
        break;
    case Qt::Key_Right:
        p.key = Key::Right;
        break;
    case Qt::Key_Space:
        p.key = Key::Space;
        break;
    case Qt::Key_Backspace:
        p.key = Key::Backspace;
        break;
    case Qt::Key_Delete:
        p.key = Key::Delete;
        break;
    case Qt::Key_Back:
        p.key = Key::BrowserBack;
        break;
    case Qt::Key_Forward:
        p.key = Key::BrowserForward;
        break;
    // Shift changes the digit keys' symbols; Ctrl+Shift+1..3 still mean 1..3.
    case Qt::Key_Exclam:
        p.key = Key::Digit;
        p.symbol = '1';
        break;
    case Qt::Key_At:
    case Qt::Key_QuoteDbl:
        p.key = Key::Digit;
        p.symbol = '2';
        break;
    case Qt::Key_NumberSign:
    case Qt::Key_section:
        p.key = Key::Digit;
        p.symbol = '3';
        break;
    default:
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            p.key = Key::Letter;
            p.symbol = static_cast<char>('A' + (key - Qt::Key_A));
        } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            p.key = Key::Digit;
            p.symbol = static_cast<char>('0' + (key - Qt::Key_0));
        }
        break;
    }
    return p;
}

Focus focusKind(const QWidget* widget) {
    if (widget == nullptr)
        return Focus::None;
    if (qobject_cast<const PageView*>(widget))
        return Focus::PageText;
    if (qobject_cast<const QLineEdit*>(widget))
        return Focus::TextField;
    if (qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget))
        return Focus::MultiLineText;
    if (qobject_cast<const QAbstractItemView*>(widget))
        return Focus::ListBox;
    return Focus::OtherControl;
}

} // namespace

KeyState TForm1::keyState(const QWidget* focus) const {
    KeyState s;
    s.busy = !book_.ChangeReason.empty();
    s.focus = focusKind(focus);
    menu_->menuKeyState(s, focus);
    help_->helpKeyState(s, focus);
    contents_->tocKeyState(s, focus);
    recent_->recentKeyState(s, focus);
    find_->findKeyState(s, focus);
    if (configLoaded_) {
        const Settings& settings = config_->settings;
        s.shortcutsEnabled = settings.Bool(Setting::ActivateShortcuts);
        s.quickPage = settings.Bool(Setting::QuickPage);
        s.quickFind = settings.Bool(Setting::QuickFind);
    }
    return s;
}

bool TForm1::ownsWindow(const QWidget* window) const {
    // The floating contents panel is a window of its own, but its keys are
    // the reader's.
    const QWidget* panel = contents_->panel();
    return window == this || (window == panel && panel->isWindow());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (panelEvent(watched, event))
        return true;
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::Wheel)
        return QWidget::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !ownsWindow(widget->window()) ||
        QApplication::activeModalWidget() != nullptr)
        return QWidget::eventFilter(watched, event);
    if (type == QEvent::Wheel)
        return handleWheel(widget, static_cast<QWheelEvent*>(event));
    // Once each: the event passes every parent of the control that has the focus.
    QWidget* top = widget->window();
    if (widget != top && widget != top->focusWidget() && widget != QApplication::focusWidget())
        return QWidget::eventFilter(watched, event);
    const QWidget* focus = widget == top ? QApplication::focusWidget() : widget;
    auto* key = static_cast<QKeyEvent*>(event);
    if (handleKeyPress(key, focus))
        return true;
    return handleCharacter(key, focus);
}

bool TForm1::handleWheel(QWidget* widget, QWheelEvent* event) {
    // Over the pages only; lists scroll themselves.
    if (widget != pages_ && !pages_->isAncestorOf(widget))
        return false;
    for (const QWidget* w = widget; w != pages_; w = w->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(w))
            return false;
    // One notch (120) is one page pair, or one font size step with Ctrl.
    wheelDelta_ += event->angleDelta().y();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    while (std::abs(wheelDelta_) >= 120) {
        const bool up = wheelDelta_ > 0;
        wheelDelta_ += up ? -120 : 120;
        if (ctrl)
            runCommand({up ? Command::LargerFont : Command::SmallerFont});
        else
            runCommand({Command::TurnPage, 0, up ? PageMove::Back : PageMove::ForwardKey});
    }
    return true;
}

bool TForm1::handleKeyPress(QKeyEvent* event, const QWidget* focus) {
    const KeyDecision decision = RouteKey(toKeyPress(event), keyState(focus));
    if (decision.command == Command::PassOn)
        return false;
    runCommand(decision);
    return true;
}

bool TForm1::handleCharacter(QKeyEvent* event, const QWidget* focus) {
    // Tab moves the keyboard focus (through the panels too); it is not typed.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const char32_t character = text.at(0).unicode();
    switch (RouteCharacter(character, event->modifiers() & Qt::ControlModifier, keyState(focus))) {
    case CharCommand::PassOn:
        return false;
    case CharCommand::QuickPage:
        // The jump dialog for the left page, with the digit already typed.
        pages_->jumpDialog(false, std::string(1, static_cast<char>(character)));
        return true;
    case CharCommand::QuickFindOpen:
        find_->quickFind(text, true);
        return true;
    case CharCommand::QuickFindAppend:
        find_->quickFind(text, false);
        return true;
    case CharCommand::Nothing:
        return true;
    }
    return false;
}

} // namespace qw

#include "settings/ui/window_bounds.h"

#include <QRect>
#include <QWidget>

namespace qw {

namespace {

WindowRect ToRect(const QRect& r) {
    return WindowRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

void ApplyWindowBounds(QWidget& window, const ConfigState& state) {
    const WindowRect& b = state.bounds;
    window.setGeometry(QRect(b.left, b.top, b.width(), b.height()));
    if (state.maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

CloseBounds CloseBoundsOf(const QWidget& window, bool tocOnLeftSide) {
    CloseBounds c;
    const Qt::WindowStates states = window.windowState();
    c.fullScreen = states.testFlag(Qt::WindowFullScreen);
    c.maximized = !c.fullScreen && states.testFlag(Qt::WindowMaximized);
    c.maximizedBeforeFullScreen = c.fullScreen && states.testFlag(Qt::WindowMaximized);
    c.window = ToRect(window.geometry());
    // The restored bounds, also while maximized or in full screen.
    const QRect normal = window.normalGeometry();
    const bool restored = !c.fullScreen && !c.maximized;
    c.normalRectSet = true;
    c.normalRect = restored || !normal.isValid() ? c.window : ToRect(normal);
    c.normalRectWithToc = tocOnLeftSide;
    c.savedRectSet = c.fullScreen;
    c.savedRect = c.normalRect;
    c.tocOnLeftSide = tocOnLeftSide;
    return c;
}

} // namespace qw

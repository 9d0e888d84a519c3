#pragma once
// The reader window's bounds: applied from the configuration at start-up and
// described for the configuration when the window closes.

#include "settings/config_load.h"

class QWidget;

namespace qw {

// Places the window at the loaded bounds and maximizes it when it was.
void ApplyWindowBounds(QWidget& window, const ConfigState& state);

// The window's state for SaveWindowBounds. tocOnLeftSide: the contents panel
// is docked on the left and part of the window's width.
CloseBounds CloseBoundsOf(const QWidget& window, bool tocOnLeftSide);

} // namespace qw

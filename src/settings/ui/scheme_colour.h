#pragma once
// A colour of the configuration on the screen: fixed values as they are,
// desktop colour names from the application's palette.

#include <QColor>
#include <QPalette>

#include <string>

namespace qw {

// The fallback for text that is no colour.
QColor SchemeColour(const std::string& text, const QColor& fallback, const QPalette& palette);

} // namespace qw

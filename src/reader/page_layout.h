#pragma once
// Where the two pages, the separator, the book picture and the turn areas go
// in the reader window, for a given client size and the layout options.

#include "settings/page_margins.h"

namespace qw {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool operator==(const Rect& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

struct LayoutInput {
    int clientWidth = 0, clientHeight = 0;
    int buttonRowHeight = 0; // the top button row
    int separatorWidth = 1;  // the vertical line between the pages
    int contentsWidth = 0;   // docked contents panel, when it takes room
    bool progressBarBelow = true;
    bool progressBarShown = true;
    int progressBarHeight = 0;
    bool bookStyle = true;
    PageMargins margins{}; // applied margins
    // Full screen: the window reaches this far above the screen's top edge, so
    // that the button row is out of sight and the pages take the whole screen.
    // Everything is laid out for the taller window and moved up by this much.
    int aboveScreen = 0;
};

struct PageLayout {
    Rect left, right; // the two page controls
    Rect bookPicture; // book style: the drawn open book
    Rect separator;   // plain style: the line between the pages
    Rect topLine;     // plain style: the line under the button row
    Rect leftTurnArea, rightTurnArea;
    Rect progressBar;        // below the pages, when shown there
    int halfWidth = 0;       // H
    int availableHeight = 0; // V
};

PageLayout ComputePageLayout(const LayoutInput& in);

// How far the full-screen window reaches above the screen: the button row and
// the two pixels under it.
inline int FullScreenOverhang(int buttonRowHeight) {
    return buttonRowHeight + 2;
}

} // namespace qw

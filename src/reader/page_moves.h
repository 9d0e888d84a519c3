#pragma once
// Page arithmetic of the two-page view: page counts, the turning moves, the
// jump dialog's input, and the progress bar's geometry. Page 0 is the title
// page; page p >= 1 holds display lines (p - 1) * linesPerPage + 1 ...

#include <optional>
#include <string_view>

namespace qw {

// (lineCount - 1) div linesPerPage + 1; 0 for no lines. linesPerPage < 1 counts as 1.
int PageCountFor(int lineCount, int linesPerPage);

// Page height over the height of one text line, at least 1.
int ComputeLinesPerPage(double pageHeight, double lineHeight);

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);

enum class PageMove {
    TurnBackArea,    // left click on a frame area, a separator or the left turn area
    TurnForwardArea, // right click there, or left click on the right turn area
    First,           // MBFirst, Home
    TenBack,         // MB10Back, Page Up
    Back,            // MBBack, Up, Backspace
    OneBack,         // Left
    ForwardButton,   // MBForward
    ForwardKey,      // Down, Space
    TenForward,      // MB10Forward, Page Down
    OneForward,      // Right
    LastButton,      // MBLast
    LastKey,         // End
};

struct MoveResult {
    bool show = false; // whether the pages are shown again
    int leftPage = 0;
};

// The left page after a move from leftPage in a book of pageCount pages.
MoveResult ApplyPageMove(PageMove move, int leftPage, int pageCount);

// The jump dialog: the typed page number for the left or right page. Nothing
// when the input is not an integer (changes nothing, no message).
std::optional<int> JumpTarget(std::string_view input, bool rightPage, int pageCount);

// A whole number with optional surrounding blanks and sign, as the jump
// dialog accepts it; nothing for anything else or values beyond int.
std::optional<int> ParseInteger(std::string_view text);

// Width of the progress bar's filled part for a bar of inner width
// available = W - 2m.
int ProgressFilledWidth(int leftPage, int pageCount, int available);

// The page a click at x selects (x relative to the filled part's left edge),
// on a bar of width barWidth whose filled part sits margin pixels inside.
int ProgressClickPage(int x, int pageCount, int barWidth, int margin);

} // namespace qw

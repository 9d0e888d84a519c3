#pragma once
// The text of one page as the page control shows it: its display lines joined
// with CR LF, without blank lines at its top and blanks at its end.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qw {

struct PageText {
    std::string text;          // what the page shows, lines separated by CR LF
    int firstChar = 0;         // position of the first shown character in the full page text
    int leadingBlankLines = 0; // blank lines removed at the top
    int lastChar = 0;          // position after the last shown character in the full page text
};

// Trims a page's full text: the leading run of CR and LF characters (its LF
// characters are the blank lines) and the trailing run of CR, LF and blanks.
PageText TrimPageText(std::string fullText);

// Display line n's text, or nothing when it cannot be produced.
using DisplayLineSource = std::function<std::optional<std::string>(int n)>;

struct PagePair {
    PageText left, right;
    bool leftFilled = false, rightFilled = false;
    std::vector<int> failedLines; // display lines that could not be produced
};

// The texts of pages leftPage and leftPage + 1. The title page (0) has no text.
PagePair ComposePages(int leftPage, int linesPerPage, int lineCount,
                      const DisplayLineSource& lineSource);

// The lines of a page text, split at CR LF.
std::vector<std::string> SplitPageLines(const std::string& text);

} // namespace qw

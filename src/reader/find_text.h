#pragma once
// Finding a word or a phrase in the fitted display lines of the book. A
// phrase (a search text with a blank inside) may run across line ends: every
// non-empty line counts as ending with one blank, and empty lines are passed
// over. A single word is only found within one line. The search reads each
// line once and compares each character a bounded number of times (a
// Knuth-Morris-Pratt automaton over the joined lines), so a search over the
// whole book is linear in its text whatever the phrase.

#include <optional>
#include <string>
#include <string_view>

namespace qw {

// The search text made ready for searching.
struct FindQuery {
    std::string phrase;         // the text as typed, case-folded unless caseSensitive
    bool acrossLines = false;   // the trimmed text holds a blank: a phrase of words
    bool caseSensitive = false; // "Case sensitive"
};

// Nothing when the text is empty or blanks only. Without case sensitivity
// the text is case-folded, accents kept ("É" finds "é").
std::optional<FindQuery> MakeFindQuery(std::string_view text, bool caseSensitive);

// The book's display lines (1 ... count()), UTF-8, read mostly in order.
class SearchLines {
  public:
    virtual ~SearchLines() = default;
    virtual int count() const = 0;
    // Display line n; the view stays valid until the next call.
    virtual std::string_view line(int n) = 0;
};

// A hit, in display lines and byte columns of their texts.
struct TextHit {
    int firstLine = 0;   // where the hit begins
    int firstColumn = 0; // byte offset of its first character
    int lastLine = 0;    // where it ends
    int endColumn = 0;   // byte offset after its last character (at most the line's length)
};

// Asked at the first line of every page a search reaches.
class FindProgress {
  public:
    virtual ~FindProgress() = default;
    // False stops the search.
    virtual bool keepGoing(int page) = 0;
};

enum class FindEnd { Hit, EndOfBook, Stopped };

struct FindResult {
    FindEnd end = FindEnd::EndOfBook;
    TextHit hit;
};

// The first hit that begins at byte `column` of display line `line` or
// after it, up to the end of the book. `progress` (may be null) is asked at
// the first line of each page of `linesPerPage` lines after the starting line.
FindResult FindFrom(const FindQuery& query, SearchLines& lines, int line, int column,
                    int linesPerPage, FindProgress* progress);

} // namespace qw

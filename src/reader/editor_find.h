#pragma once
// Find and replace in the editor's text. The text is UTF-16 as the editor's
// text control holds it, with one '\n' between lines, so a position here is a
// position in the control. A typed backslash + "n" stands for a line break.
// Every search is one pass (a Knuth-Morris-Pratt automaton over the folded
// text), so even a hostile search text costs time linear in the book.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qw {

struct EditorFindOptions {
    bool wholeWord = false; // "Word": letters and digits on neither side of the hit
    bool matchCase = false; // "Case"
};

// The typed find or replace text with every backslash + "n" turned into '\n'.
std::u16string ExpandLineBreaks(std::u16string_view typed);
// True when the text holds nothing but blanks and control characters.
bool IsBlankText(std::u16string_view text);

struct EditorHit {
    std::size_t start = 0;
    std::size_t length = 0;
};

// The first hit of `what` that begins at `from` or after it; nothing when
// there is none or `what` is empty.
std::optional<EditorHit> FindInEditorText(std::u16string_view text, std::u16string_view what,
                                          std::size_t from, const EditorFindOptions& options);

// The longest text the editor takes: ten times the book's length for books
// over 100,000 characters, else 1,000,000 characters.
std::size_t EditorMaxLength(std::size_t bookLength);

struct ReplaceAllResult {
    std::u16string text; // the new text; the old one when tooLong
    std::size_t count = 0;
    bool tooLong = false; // the result would pass maxLength: nothing replaced
};

// Replaces every hit from the start of the text on; the search goes on after
// each replacement, so a replacement is never searched again. `progress`
// (may be empty) gets 0, 10, ... 100 percent of the text passed, each once.
ReplaceAllResult ReplaceAllInEditorText(std::u16string_view text, std::u16string_view what,
                                        std::u16string_view replacement,
                                        const EditorFindOptions& options, std::size_t maxLength,
                                        const std::function<void(int percent)>& progress);

} // namespace qw

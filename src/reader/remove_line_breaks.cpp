#include "reader/remove_line_breaks.h"

#include "import/cp1252.h"
#include "import/utf8.h"

#include <algorithm>
#include <array>
#include <vector>

namespace qw {

const char* const kDefaultPunctuationMarks =
    ".:;!?\u00BF\u00A1\u2039\u203A\u00AB\u00BB\"\u201C\u201D\u201E\u2018\u2019\u00B4'";

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

bool isBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// The line that starts at `from` holds nothing but blanks and tabs.
bool lineIsBlank(std::string_view s, size_t from) {
    for (size_t j = from; j < s.size() && s[j] != CR; ++j)
        if (!isBlankOrTab(s[j]))
            return false;
    return true;
}

// A blank joins the line ending before `cr` with the next one, unless the line
// ends in a blank, or in hyphens that divide a word (a dash written as a blank
// followed by hyphens keeps its blank).
bool blankNeededBefore(std::string_view s, size_t cr) {
    if (cr == 0)
        return true;
    const char last = s[cr - 1];
    if (last == ' ')
        return false;
    if (last != '-')
        return true;
    size_t k = cr - 1;
    while (k > 0 && s[k - 1] == '-')
        --k;
    if (k == 0)
        return true; // the hyphens reach the start of the text
    return s[k - 1] == ' ';
}

} // namespace

std::string RemoveLineBreaks(std::string_view s, const LineBreakOptions& options,
                             const ProgressCaption& progress) {
    const size_t n = s.size();
    if (n < 3)
        return std::string(s);

    // The marks are code points: ASCII ones in a table, the others in a list.
    std::array<bool, 128> isMark{};
    std::vector<char32_t> otherMarks;
    const std::string marks = RepairUtf8(options.punctuationMarks);
    for (size_t k = 0; k < marks.size();) {
        char32_t cp = 0;
        size_t length = 1;
        DecodeUtf8(marks, k, cp, length);
        if (cp < 128)
            isMark[cp] = true;
        else
            otherMarks.push_back(cp);
        k += length;
    }
    auto markAt = [&](char32_t cp) {
        return cp < 128 ? isMark[cp]
                        : std::find(otherMarks.begin(), otherMarks.end(), cp) != otherMarks.end();
    };
    auto punctuationTest = [&](char32_t cp, bool& inLine) {
        if (options.notAfterPunctuation && markAt(cp))
            inLine = false;
    };

    std::string out;
    out.reserve(n);
    bool inLine = false;    // the current line has content: its break may go
    bool afterJoin = false; // skipping the leading blanks of a joined line
    int percent = 0;
    const size_t step = n / 10;

    // Characters that end a run of ordinary ones: line-end characters and the
    // punctuation marks when they protect a break.
    std::array<bool, 256> stops{};
    stops[static_cast<unsigned char>(CR)] = true;
    stops[static_cast<unsigned char>(LF)] = true;
    if (options.notAfterPunctuation) {
        for (size_t k = 0; k < 128; ++k)
            stops[k] = stops[k] || isMark[k];
        // A character that may be a mark stops the run at its first byte.
        for (char32_t mark : otherMarks) {
            std::string bytes;
            AppendUtf8(bytes, mark);
            stops[static_cast<unsigned char>(bytes[0])] = true;
        }
    }
    // A blank or a tab that is a mark too is left to the careful path.
    stops[' '] = stops[' '] || isMark[' '];
    stops['\t'] = stops['\t'] || isMark['\t'];

    // Progress is counted per position, also for the LF a join consumes.
    auto tick = [&](size_t pos) {
        if (progress && n > 10 && (pos + 1) % step == 0) {
            percent += 10;
            progress("Removing line breaks: " + std::to_string(percent) + "% done");
        }
    };
    // One character (a whole UTF-8 sequence) outside a line break that may
    // go; returns the position of its last byte.
    auto copyCharacter = [&](size_t at) {
        const char c = s[at];
        char32_t cp = static_cast<unsigned char>(c);
        size_t length = 1;
        if (cp >= 0x80 && !DecodeUtf8(s, at, cp, length))
            cp = 0xFFFD; // not a character of its own: never a mark
        if (inLine) {
            if (!isBlankOrTab(c))
                afterJoin = false;
            if (!afterJoin)
                out.append(s.data() + at, length); // the indentation of a joined line is dropped
        } else {
            out.append(s.data() + at, length);
        }
        if (c != CR && c != LF && c != ' ')
            inLine = true;
        punctuationTest(cp, inLine);
        return at + length - 1;
    };

    // Positions are 0-based here. A line break can go only where the next
    // line can be looked at, so the scan for breaks stops two characters
    // before the end.
    size_t i = 0;
    for (; i + 2 < n; ++i) {
        tick(i);
        const char c = s[i];
        if (inLine && c == CR && s[i + 1] == LF) {
            const size_t next = i + 2;
            const bool keep = lineIsBlank(s, next) ||
                              (options.notBeforeIndentation && next < n && isBlankOrTab(s[next]));
            if (keep) {
                out += CR;
                inLine = false;
                continue; // the LF is copied as a character of its own
            }
            afterJoin = true;
            if (blankNeededBefore(s, i))
                out += ' ';
            ++i; // the LF goes with the CR
            tick(i);
            continue;
        }
        if (!afterJoin && !stops[static_cast<unsigned char>(c)]) {
            // A run of ordinary characters is copied at once; any of them but
            // a blank gives the line content.
            size_t j = i;
            bool content = false;
            while (j + 2 < n && !stops[static_cast<unsigned char>(s[j])]) {
                content = content || s[j] != ' ';
                ++j;
            }
            out.append(s.data() + i, j - i);
            if (content)
                inLine = true;
            if (step > 0) // the positions after i that the run covered
                for (size_t k = (i + 1) / step + 1; k * step <= j; ++k)
                    tick(k * step - 1);
            i = j - 1;
            continue;
        }
        const size_t last = copyCharacter(i);
        for (; i < last; ++i) // the positions the character's other bytes cover
            tick(i + 1);
    }
    // The last characters: a line break there always stays, and the
    // indentation of a joined last line is dropped like any other.
    for (; i < n; ++i)
        i = copyCharacter(i);
    if (progress)
        progress("Removing line breaks: 100% done");
    return out;
}

} // namespace qw

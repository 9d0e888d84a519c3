#include "reader/remove_line_breaks.h"

#include <array>

namespace qw {

const char* const kDefaultPunctuationMarks =
    ".:;!?\xBF\xA1\x8B\x9B\xAB\xBB\"\x93\x94\x84\x91\x92\xB4'";

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

    std::array<bool, 256> isMark{};
    for (char c : options.punctuationMarks)
        isMark[static_cast<unsigned char>(c)] = true;
    auto punctuationTest = [&](char c, bool& inLine) {
        if (options.notAfterPunctuation && isMark[static_cast<unsigned char>(c)])
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
    if (options.notAfterPunctuation)
        for (int k = 0; k < 256; ++k)
            stops[static_cast<size_t>(k)] =
                stops[static_cast<size_t>(k)] || isMark[static_cast<size_t>(k)];
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
    // One character outside a line break that may go.
    auto copyCharacter = [&](char c) {
        if (inLine) {
            if (!isBlankOrTab(c))
                afterJoin = false;
            if (!afterJoin)
                out += c; // the indentation of a joined line is dropped
        } else {
            out += c;
        }
        if (c != CR && c != LF && c != ' ')
            inLine = true;
        punctuationTest(c, inLine);
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
        copyCharacter(c);
    }
    // The last characters: a line break there always stays, and the
    // indentation of a joined last line is dropped like any other.
    for (; i < n; ++i)
        copyCharacter(s[i]);
    if (progress)
        progress("Removing line breaks: 100% done");
    return out;
}

} // namespace qw

#include "reader/find_text.h"

#include "import/cp1252.h"
#include "import/unicode_text.h"
#include "import/utf8.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <vector>

namespace qw {

namespace {

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// The line as it is compared: case-folded unless the case matters. ASCII
// takes a fast path; a byte that starts no UTF-8 sequence is kept.
void foldInto(std::string& out, std::string_view line, bool caseSensitive) {
    if (caseSensitive) {
        out.assign(line);
        return;
    }
    out.resize(line.size());
    std::size_t ascii = 0;
    for (; ascii < line.size(); ++ascii) {
        const auto b = static_cast<unsigned char>(line[ascii]);
        if (b >= 0x80)
            break;
        out[ascii] = static_cast<char>(b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b);
    }
    out.resize(ascii);
    for (std::size_t i = ascii; i < line.size();) {
        const auto b = static_cast<unsigned char>(line[i]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b));
            ++i;
            continue;
        }
        char32_t cp;
        std::size_t length;
        if (!DecodeUtf8(line, i, cp, length)) {
            out.push_back(line[i++]);
            continue;
        }
        AppendUtf8(out, FoldCodePoint(cp));
        i += length;
    }
}

// Folding may change a character's length in bytes (dotless i, long s):
// the folded column of an original one and back.
std::size_t foldedColumn(std::string_view line, std::size_t column, bool caseSensitive) {
    std::string folded;
    foldInto(folded, line.substr(0, std::min(column, line.size())), caseSensitive);
    return folded.size() + (column > line.size() ? column - line.size() : 0);
}

int originalColumn(std::string_view line, std::size_t folded, bool caseSensitive) {
    if (caseSensitive)
        return static_cast<int>(std::min(folded, line.size()));
    std::size_t i = 0;
    std::size_t reached = 0;
    std::string piece;
    while (i < line.size() && reached < folded) {
        const std::size_t next = NextCodePoint(line, i);
        foldInto(piece, line.substr(i, next - i), false);
        reached += piece.size();
        i = next;
    }
    return static_cast<int>(i);
}

// Knuth-Morris-Pratt: for each prefix, the length of its longest proper
// border.
std::vector<int> borders(const std::string& s) {
    std::vector<int> border(s.size(), 0);
    int k = 0;
    for (std::size_t i = 1; i < s.size(); ++i) {
        while (k > 0 && s[i] != s[static_cast<std::size_t>(k)])
            k = border[static_cast<std::size_t>(k - 1)];
        if (s[i] == s[static_cast<std::size_t>(k)])
            ++k;
        border[i] = k;
    }
    return border;
}

// One line's piece of the joined text the automaton reads.
struct Piece {
    int line;
    long long start;    // position of its first byte in the joined text
    std::size_t column; // folded column of that byte in the line
    std::size_t length; // bytes, with the blank that ends the line
};

} // namespace

std::optional<FindQuery> MakeFindQuery(std::string_view text, bool caseSensitive) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlankOrControl(text[first]))
        ++first;
    while (last > first && isBlankOrControl(text[last - 1]))
        --last;
    if (first == last)
        return std::nullopt;
    FindQuery query;
    query.caseSensitive = caseSensitive;
    query.acrossLines = text.substr(first, last - first).find(' ') != std::string_view::npos;
    foldInto(query.phrase, text, caseSensitive);
    return query;
}

FindResult FindFrom(const FindQuery& query, SearchLines& lines, int line, int column,
                    int linesPerPage, FindProgress* progress) {
    FindResult result;
    const std::string& s = query.phrase;
    if (s.empty() || line < 1)
        return result;
    const std::vector<int> border = borders(s);
    const auto m = static_cast<long long>(s.size());
    std::deque<Piece> window; // the pieces the last m bytes came from
    std::string folded;
    long long position = 0;
    std::size_t k = 0;
    const int count = lines.count();
    for (int n = line; n <= count; ++n) {
        if (n > line && progress != nullptr && linesPerPage > 0 && (n - 1) % linesPerPage == 0 &&
            !progress->keepGoing((n - 1) / linesPerPage + 1)) {
            result.end = FindEnd::Stopped;
            return result;
        }
        const std::string_view text = lines.line(n);
        if (text.empty())
            continue; // an empty line joins nothing
        foldInto(folded, text, query.caseSensitive);
        if (folded.back() != ' ')
            folded.push_back(' ');
        std::size_t from = 0;
        if (n == line)
            from = std::min(foldedColumn(text, static_cast<std::size_t>(std::max(column, 0)),
                                         query.caseSensitive),
                            folded.size());
        window.push_back({n, position, from, folded.size() - from});
        for (std::size_t i = from; i < folded.size(); ++i) {
            if (k == 0) {
                // Nothing matched yet: on to the next place the text's first
                // byte occurs.
                const void* next = std::memchr(folded.data() + i, s[0], folded.size() - i);
                const std::size_t at = next == nullptr
                                           ? folded.size()
                                           : static_cast<const char*>(next) - folded.data();
                position += static_cast<long long>(at - i);
                i = at;
                if (i == folded.size())
                    break;
            }
            const char c = folded[i];
            while (k > 0 && s[k] != c)
                k = static_cast<std::size_t>(border[k - 1]);
            if (s[k] == c)
                ++k;
            ++position;
            if (k < s.size())
                continue;
            k = static_cast<std::size_t>(border[k - 1]);
            const long long start = position - m;
            while (window.front().start + static_cast<long long>(window.front().length) <= start)
                window.pop_front();
            const Piece first = window.front();
            if (!query.acrossLines && first.line != n)
                continue; // a single word never runs across a line end
            result.end = FindEnd::Hit;
            result.hit.lastLine = n;
            result.hit.endColumn = originalColumn(text, i + 1, query.caseSensitive);
            const std::string_view firstText = first.line == n ? text : lines.line(first.line);
            result.hit.firstLine = first.line;
            result.hit.firstColumn = originalColumn(
                firstText, first.column + static_cast<std::size_t>(start - first.start),
                query.caseSensitive);
            return result;
        }
        while (!window.empty() &&
               window.front().start + static_cast<long long>(window.front().length) <= position - m)
            window.pop_front();
    }
    return result;
}

} // namespace qw

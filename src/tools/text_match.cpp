#include "tools/text_match.h"

#include "import/cp1252.h"
#include "import/unicode_text.h"
#include "import/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string.h> // memmem
#include <vector>

namespace qw {

namespace {

// Appends the text case-folded; ASCII takes a fast path, a byte that starts
// no UTF-8 sequence is kept. Folding may make a character longer (U+023A).
void appendFolded(std::string& out, std::string_view text) {
    std::size_t at = out.size();
    out.resize(at + text.size());
    std::size_t i = 0;
    std::string piece;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out[at++] = static_cast<char>(b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b);
            ++i;
            continue;
        }
        char32_t cp = 0;
        std::size_t length = 0;
        piece.clear();
        if (DecodeUtf8(text, i, cp, length)) {
            AppendUtf8(piece, FoldCodePoint(cp));
            i += length;
        } else {
            piece.push_back(text[i++]);
        }
        // Room for this piece and for the rest of the text at one byte each.
        if (at + piece.size() + (text.size() - i) > out.size())
            out.resize(at + piece.size() + (text.size() - i));
        for (const char c : piece)
            out[at++] = c;
    }
    out.resize(at);
}

// Where the slice that begins at `start` ends: about kSliceBytes on, moved
// forward to the start of a character so that no character is split.
std::size_t sliceEnd(std::string_view text, std::size_t start) {
    std::size_t end = std::min(text.size(), start + TextMatch::kSliceBytes);
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end;
}

const char* find(std::string_view haystack, std::size_t from, const std::string& needle) {
    if (from >= haystack.size())
        return nullptr;
    return static_cast<const char*>(
        ::memmem(haystack.data() + from, haystack.size() - from, needle.data(), needle.size()));
}

// What the phrase text records for each of its bytes.
constexpr std::uint8_t kBreakBefore = 1; // a run of CR and LF stood right before it
constexpr std::uint8_t kBreakIsLf = 2;   // that run began with an LF
constexpr std::uint8_t kStandsIn = 4;    // a blank that stands for the run

} // namespace

std::optional<TextMatch> TextMatch::Make(std::string_view search, bool caseSensitive) {
    if (search.empty())
        return std::nullopt;
    TextMatch match;
    match.caseSensitive_ = caseSensitive;
    if (caseSensitive)
        match.search_.assign(search);
    else
        appendFolded(match.search_, search);
    const std::string& s = match.search_;
    // The first word with the blanks in front of it. It is the whole text
    // for a word; anything after it (even blanks alone) makes a phrase.
    std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        first = s.size();
    const std::size_t blank = s.find(' ', first);
    match.wordLength_ = blank == std::string::npos ? s.size() : blank;
    return match;
}

MatchEnd TextMatch::findIn(std::string_view text, const std::function<bool()>& keepGoing) const {
    return wordLength_ == search_.size() ? findWord(text, keepGoing) : findPhrase(text, keepGoing);
}

MatchEnd TextMatch::findWord(std::string_view text, const std::function<bool()>& keepGoing) const {
    const std::size_t keep = search_.size() - 1;
    std::string folded;
    for (std::size_t start = 0; start < text.size();) {
        if (keepGoing && !keepGoing())
            return MatchEnd::Stopped;
        const std::size_t end = sliceEnd(text, start);
        if (caseSensitive_) {
            // The slice and the bytes before it that a hit may begin in.
            const std::size_t from = start > keep ? start - keep : 0;
            if (find(text.substr(from, end - from), 0, search_) != nullptr)
                return MatchEnd::Found;
        } else {
            if (folded.size() > keep)
                folded.erase(0, folded.size() - keep);
            appendFolded(folded, text.substr(start, end - start));
            if (find(folded, 0, search_) != nullptr)
                return MatchEnd::Found;
        }
        start = end;
    }
    return MatchEnd::NotFound;
}

MatchEnd TextMatch::findPhrase(std::string_view text,
                               const std::function<bool()>& keepGoing) const {
    // The text as a phrase is compared with it: line breaks dropped, a run of
    // them between two non-blank characters made one blank. The bytes that
    // follow a run are marked with what stood before them, so that a hit can
    // be checked against the raw text: its first word must stand there
    // unbroken and be followed by a blank or a CR. Runs are few (one a line),
    // so the marks are kept apart, in order of position.
    struct Mark {
        std::size_t at;
        std::uint8_t what;
    };
    const std::size_t keep = search_.size() - 1;
    const std::size_t w = wordLength_;
    std::string compared;
    std::vector<Mark> marks;
    std::string folded;
    bool inBreak = false;
    bool breakIsLf = false;
    bool afterNonBlank = false;
    const auto markAt = [&marks](std::size_t at) -> std::uint8_t {
        const auto found = std::lower_bound(marks.begin(), marks.end(), at,
                                            [](const Mark& m, std::size_t p) { return m.at < p; });
        return found != marks.end() && found->at == at ? found->what : 0;
    };
    const auto markedWithin = [&marks](std::size_t from, std::size_t to) {
        const auto found = std::lower_bound(marks.begin(), marks.end(), from,
                                            [](const Mark& m, std::size_t p) { return m.at < p; });
        return found != marks.end() && found->at < to;
    };
    for (std::size_t start = 0; start < text.size();) {
        if (keepGoing && !keepGoing())
            return MatchEnd::Stopped;
        const std::size_t end = sliceEnd(text, start);
        std::string_view slice = text.substr(start, end - start);
        if (!caseSensitive_) {
            folded.clear();
            appendFolded(folded, slice);
            slice = folded;
        }
        if (compared.size() > keep) {
            const std::size_t drop = compared.size() - keep;
            compared.erase(0, drop);
            std::size_t kept = 0;
            for (const Mark& m : marks)
                if (m.at >= drop)
                    marks[kept++] = {m.at - drop, m.what};
            marks.resize(kept);
        }
        compared.reserve(compared.size() + slice.size());
        const char* data = slice.data();
        const std::size_t n = slice.size();
        std::size_t i = 0;
        while (i < n) {
            if (inBreak) {
                while (i < n && (data[i] == '\r' || data[i] == '\n'))
                    ++i;
                if (i == n)
                    break; // the run goes on in the next slice
                const char c = data[i++];
                auto what = static_cast<std::uint8_t>(kBreakBefore | (breakIsLf ? kBreakIsLf : 0));
                inBreak = false;
                if (afterNonBlank && c != ' ') {
                    marks.push_back({compared.size(), static_cast<std::uint8_t>(what | kStandsIn)});
                    compared.push_back(' ');
                    what = 0;
                }
                if (what != 0)
                    marks.push_back({compared.size(), what});
                compared.push_back(c);
                afterNonBlank = c != ' ';
                continue;
            }
            // Up to the next line break in one piece.
            std::size_t j = i;
            while (j < n && data[j] != '\r' && data[j] != '\n')
                ++j;
            if (j > i) {
                compared.append(data + i, j - i);
                afterNonBlank = data[j - 1] != ' ';
            }
            if (j < n) {
                inBreak = true;
                breakIsLf = data[j] == '\n';
                ++j;
            }
            i = j;
        }
        for (const char* hit = find(compared, 0, search_); hit != nullptr;
             hit = find(compared, static_cast<std::size_t>(hit - compared.data()) + 1, search_)) {
            const auto q = static_cast<std::size_t>(hit - compared.data());
            const bool wordBeginsInText = (markAt(q) & kStandsIn) == 0;
            const bool wordUnbroken = !markedWithin(q + 1, q + w);
            const std::uint8_t after = markAt(q + w);
            const bool blankOrCrAfter = (after & kBreakBefore) == 0 || (after & kBreakIsLf) == 0;
            if (wordBeginsInText && wordUnbroken && blankOrCrAfter)
                return MatchEnd::Found;
        }
        start = end;
    }
    return MatchEnd::NotFound;
}

} // namespace qw

#include "reader/editor_find.h"

#include "import/unicode_text.h"

#include <utf8proc.h>

#include <cmath>
#include <vector>

namespace qw {

namespace {

bool isHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}
char32_t combine(char16_t high, char16_t low) {
    return 0x10000 + ((char32_t(high) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
}

// The code point that begins at i, or ends just before i.
char32_t codePointAt(std::u16string_view text, std::size_t i) {
    const char16_t u = text[i];
    if (isHighSurrogate(u) && i + 1 < text.size() && isLowSurrogate(text[i + 1]))
        return combine(u, text[i + 1]);
    return u;
}
char32_t codePointBefore(std::u16string_view text, std::size_t i) {
    const char16_t u = text[i - 1];
    if (isLowSurrogate(u) && i >= 2 && isHighSurrogate(text[i - 2]))
        return combine(text[i - 2], u);
    return u;
}

bool isWordCharacter(char32_t c) {
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    switch (utf8proc_category(static_cast<utf8proc_int32_t>(c))) {
    case UTF8PROC_CATEGORY_LU:
    case UTF8PROC_CATEGORY_LL:
    case UTF8PROC_CATEGORY_LT:
    case UTF8PROC_CATEGORY_LM:
    case UTF8PROC_CATEGORY_LO:
    case UTF8PROC_CATEGORY_MN:
    case UTF8PROC_CATEGORY_MC:
    case UTF8PROC_CATEGORY_ME:
    case UTF8PROC_CATEGORY_ND:
    case UTF8PROC_CATEGORY_NL:
    case UTF8PROC_CATEGORY_NO:
        return true;
    default:
        return false;
    }
}

// Unit i of the case-folded text. Folding keeps every character's length
// (a folded supplementary character stays supplementary), so positions
// in the folded text are those of the text.
char16_t foldedUnit(std::u16string_view text, std::size_t i, bool matchCase) {
    const char16_t u = text[i];
    if (matchCase)
        return u;
    if (u < 0x80)
        return u >= 'A' && u <= 'Z' ? char16_t(u + ('a' - 'A')) : u;
    if (isHighSurrogate(u) || isLowSurrogate(u)) {
        const bool high = isHighSurrogate(u);
        const std::size_t first = high ? i : i - 1;
        if ((high && i + 1 >= text.size()) || (!high && i == 0))
            return u;
        const char16_t h = text[first], l = text[first + 1];
        if (!isHighSurrogate(h) || !isLowSurrogate(l))
            return u;
        const char32_t folded = FoldCodePoint(combine(h, l));
        if (folded < 0x10000)
            return u;
        const char32_t v = folded - 0x10000;
        return high ? char16_t(0xD800 + (v >> 10)) : char16_t(0xDC00 + (v & 0x3FF));
    }
    const char32_t folded = FoldCodePoint(u);
    return folded < 0x10000 && !isHighSurrogate(char16_t(folded)) &&
                   !isLowSurrogate(char16_t(folded))
               ? char16_t(folded)
               : u;
}

// The search text folded, with its Knuth-Morris-Pratt failure table.
class Pattern {
  public:
    Pattern(std::u16string_view what, const EditorFindOptions& options) : options_(options) {
        folded_.resize(what.size());
        for (std::size_t i = 0; i < what.size(); ++i)
            folded_[i] = foldedUnit(what, i, options.matchCase);
        fail_.assign(folded_.size(), 0);
        for (std::size_t i = 1, k = 0; i < folded_.size(); ++i) {
            while (k > 0 && folded_[i] != folded_[k])
                k = fail_[k - 1];
            if (folded_[i] == folded_[k])
                ++k;
            fail_[i] = k;
        }
    }

    // The first hit at `from` or after it. `before`, when given, is the
    // character in front of `from` for the whole-word test (a replacement
    // that is not in `text` yet).
    std::optional<EditorHit> find(std::u16string_view text, std::size_t from,
                                  std::optional<char32_t> before) const {
        const std::size_t m = folded_.size();
        if (m == 0 || from > text.size())
            return std::nullopt;
        std::size_t k = 0;
        for (std::size_t i = from; i < text.size(); ++i) {
            const char16_t u = foldedUnit(text, i, options_.matchCase);
            while (k > 0 && u != folded_[k])
                k = fail_[k - 1];
            if (u == folded_[k])
                ++k;
            if (k < m)
                continue;
            const std::size_t start = i + 1 - m;
            if (!options_.wholeWord || isWholeWord(text, start, i + 1, from, before))
                return EditorHit{start, m};
            k = fail_[k - 1];
        }
        return std::nullopt;
    }

  private:
    // The hit continues no word on either side.
    static bool isWholeWord(std::u16string_view text, std::size_t start, std::size_t end,
                            std::size_t from, std::optional<char32_t> before) {
        std::optional<char32_t> left;
        if (start == from && before)
            left = before;
        else if (start > 0)
            left = codePointBefore(text, start);
        if (left && isWordCharacter(*left) && isWordCharacter(codePointAt(text, start)))
            return false;
        return end == text.size() || !isWordCharacter(codePointBefore(text, end)) ||
               !isWordCharacter(codePointAt(text, end));
    }

    EditorFindOptions options_;
    std::u16string folded_;
    std::vector<std::size_t> fail_;
};

} // namespace

std::u16string ExpandLineBreaks(std::u16string_view typed) {
    std::u16string out;
    out.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == u'\\' && i + 1 < typed.size() && typed[i + 1] == u'n') {
            out.push_back(u'\n');
            ++i;
        } else {
            out.push_back(typed[i]);
        }
    }
    return out;
}

bool IsBlankText(std::u16string_view text) {
    for (const char16_t u : text)
        if (u > u' ')
            return false;
    return true;
}

std::optional<EditorHit> FindInEditorText(std::u16string_view text, std::u16string_view what,
                                          std::size_t from, const EditorFindOptions& options) {
    return Pattern(what, options).find(text, from, std::nullopt);
}

std::size_t EditorMaxLength(std::size_t bookLength) {
    return bookLength > 100000 ? bookLength * 10 : 1000000;
}

ReplaceAllResult ReplaceAllInEditorText(std::u16string_view text, std::u16string_view what,
                                        std::u16string_view replacement,
                                        const EditorFindOptions& options, std::size_t maxLength,
                                        const std::function<void(int percent)>& progress) {
    ReplaceAllResult result;
    const Pattern pattern(what, options);
    const double length = text.empty() ? 1.0 : double(text.size());
    int shown = -1;
    auto report = [&](std::size_t position) {
        const int percent = int(std::lround(double(position) / length * 10.0)) * 10;
        if (progress && percent != shown)
            progress(percent);
        shown = percent;
    };
    report(0);
    std::size_t done = 0; // text before this position is in result.text
    std::optional<char32_t> before;
    while (const std::optional<EditorHit> hit = pattern.find(text, done, before)) {
        result.text.append(text.substr(done, hit->start - done));
        result.text.append(replacement);
        done = hit->start + hit->length;
        ++result.count;
        if (result.text.size() + (text.size() - done) > maxLength) {
            result.text.assign(text);
            result.count = 0;
            result.tooLong = true;
            return result;
        }
        // What now stands before the search's start (NUL: nothing).
        before = result.text.empty() ? U'\0' : codePointBefore(result.text, result.text.size());
        report(hit->start);
    }
    result.text.append(text.substr(done));
    report(text.size());
    return result;
}

} // namespace qw

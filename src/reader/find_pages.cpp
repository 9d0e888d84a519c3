#include "reader/find_pages.h"

#include <algorithm>
#include <string_view>

namespace qw {

namespace {

// UTF-16 code units of UTF-8 text: one per character, two above U+FFFF.
int utf16Units(std::string_view text) {
    int units = 0;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b & 0xC0) != 0x80)
            units += b >= 0xF0 ? 2 : 1;
    }
    return units;
}

// Line `index` of a page text, or nothing past its last line.
std::optional<std::string_view> pageLine(std::string_view text, int index, int& unitsBefore) {
    std::size_t start = 0;
    unitsBefore = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos)
            return std::nullopt;
        unitsBefore += utf16Units(text.substr(start, end - start)) + 1;
        start = end + 2;
    }
    const std::size_t end = text.find("\r\n", start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

int firstLineOf(int page, int linesPerPage) {
    return (page - 1) * linesPerPage + 1;
}

// The place of display line `line`, byte `column`, in the text of page `page`.
PagePlace placeOnPage(int line, int column, int page, int linesPerPage, const PageText& text) {
    return {std::max(0, line - firstLineOf(page, linesPerPage) - text.leadingBlankLines), column};
}

int textEnd(const std::string& text) {
    return ControlPosition(text, {1 << 30, 0});
}

} // namespace

int ControlPosition(const std::string& pageText, PagePlace place) {
    int before = 0;
    const std::optional<std::string_view> line = pageLine(pageText, place.line, before);
    if (!line)
        return utf16Units(pageText) -
               static_cast<int>(std::count(pageText.begin(), pageText.end(), '\r'));
    const auto column = static_cast<std::size_t>(std::clamp(place.column, 0, int(line->size())));
    return before + utf16Units(line->substr(0, column));
}

PagePlace ControlPlace(const std::string& pageText, int position) {
    const std::string_view text(pageText);
    PagePlace place;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        const std::string_view line =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        const int units = utf16Units(line);
        if (position <= units || end == std::string_view::npos) {
            std::size_t column = 0;
            for (int reached = 0; column < line.size() && reached < position;) {
                const auto b = static_cast<unsigned char>(line[column]);
                reached += b >= 0xF0 ? 2 : 1;
                ++column;
                while (column < line.size() &&
                       (static_cast<unsigned char>(line[column]) & 0xC0) == 0x80)
                    ++column;
            }
            place.column = static_cast<int>(column);
            return place;
        }
        position -= units + 1;
        ++place.line;
        start = end + 2;
    }
}

SearchStart SearchStartOf(int page, int linesPerPage, const PageText& text, PagePlace caret) {
    return {firstLineOf(page, linesPerPage) + text.leadingBlankLines + caret.line, caret.column};
}

HitPlacement PlaceHit(const TextHit& hit, int leftPage, int linesPerPage) {
    const int first = (hit.firstLine - 1) / linesPerPage + 1;
    const int last = (hit.lastLine - 1) / linesPerPage + 1;
    if (first == leftPage + 1 && last == first)
        return {leftPage, PageSide::Right};
    return {first, PageSide::Left};
}

HitSelections SelectHit(const TextHit& hit, int leftPage, int linesPerPage, const PagePair& pages) {
    HitSelections result;
    const int first = (hit.firstLine - 1) / linesPerPage + 1;
    const int last = (hit.lastLine - 1) / linesPerPage + 1;
    auto select = [&](int page, const PageText& text, bool fromTop, bool toEnd) {
        PageSelection s;
        s.start = fromTop ? 0
                          : ControlPosition(text.text, placeOnPage(hit.firstLine, hit.firstColumn,
                                                                   page, linesPerPage, text));
        s.end = toEnd ? textEnd(text.text)
                      : ControlPosition(text.text, placeOnPage(hit.lastLine, hit.endColumn, page,
                                                               linesPerPage, text));
        return s;
    };
    if (first == leftPage && leftPage > 0) {
        result.left = select(leftPage, pages.left, false, last > leftPage);
        if (last > leftPage)
            result.right = select(leftPage + 1, pages.right, true, last > leftPage + 1);
    } else if (first == leftPage + 1) {
        result.right = select(leftPage + 1, pages.right, false, last > leftPage + 1);
    }
    return result;
}

} // namespace qw

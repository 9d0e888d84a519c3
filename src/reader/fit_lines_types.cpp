#include "reader/fit_lines_types.h"

namespace qw {

namespace {

// Blank in the sense of fitting: once trimmed of characters up to 32, nothing
// or only blanks and no-break spaces remain.
bool isBlankLine(std::string_view line) {
    for (size_t i = 0; i < line.size(); ++i) {
        const auto u = static_cast<unsigned char>(line[i]);
        if (u <= 32)
            continue;
        // U+00A0, the no-break space, is C2 A0 in UTF-8.
        if (u == 0xC2 && i + 1 < line.size() && static_cast<unsigned char>(line[i + 1]) == 0xA0) {
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

} // namespace

void BookLineIndex::build(std::string_view text) {
    lines_.clear();
    // Like a string list: a line break at the end of the text starts no
    // further line, and an empty text has no lines.
    if (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n")
        text.remove_suffix(2);
    else if (text.empty())
        return;
    std::size_t count = 1;
    for (std::size_t p = text.find("\r\n"); p != std::string_view::npos;
         p = text.find("\r\n", p + 2))
        ++count;
    lines_.reserve(count);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find("\r\n", start);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        const std::string_view line = text.substr(start, stop - start);
        lines_.push_back({start, isBlankLine(line) ? 0u : static_cast<std::uint32_t>(line.size())});
        if (end == std::string_view::npos)
            break;
        start = end + 2;
    }
}

std::string_view BookLineIndex::line(std::string_view text, std::size_t i) const {
    if (i >= lines_.size())
        return {};
    const Line& l = lines_[i];
    if (l.start >= text.size())
        return {};
    return text.substr(static_cast<std::size_t>(l.start), l.length);
}

} // namespace qw

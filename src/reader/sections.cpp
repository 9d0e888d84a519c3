#include "reader/sections.h"

#include <algorithm>

namespace qw {

namespace {

bool IsBlankText(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// Rows of one paragraph (no LF inside).
int ParagraphRows(std::string_view paragraph, const ParaWrap& wrap) {
    return std::max(1, wrap.countLines(paragraph));
}

// The text cut after its first maxRows rows.
std::string FirstRows(const std::string& text, int maxRows, const ParaWrap& wrap) {
    int rows = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t lf = text.find('\n', start);
        const std::size_t end = lf == std::string::npos ? text.size() : lf;
        const std::string_view paragraph(text.data() + start, end - start);
        const int here = ParagraphRows(paragraph, wrap);
        if (rows + here > maxRows) {
            const int keep = maxRows - rows;
            if (keep <= 0) // drop this paragraph and the line break before it
                return text.substr(0, start == 0 ? 0 : start - 1);
            const std::string_view row = wrap.wrappedLine(paragraph, keep);
            std::string cut =
                text.substr(0, start + static_cast<std::size_t>(row.data() - paragraph.data()));
            while (!cut.empty() && cut.back() == ' ')
                cut.pop_back();
            return cut;
        }
        rows += here;
        if (lf == std::string::npos)
            break;
        start = lf + 1;
    }
    return text;
}

} // namespace

std::string ExpandTabs(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (char c : line) {
        if (c == '\t')
            out.append(8, ' ');
        else
            out.push_back(c);
    }
    return out;
}

std::vector<SectionRow> SectionRows(const SectionMap& sections, int linesPerPage,
                                    const LineTextSource& lineText) {
    std::vector<SectionRow> rows;
    rows.reserve(sections.size());
    for (const SectionEntry& s : sections)
        rows.push_back({PageOfLine(s.firstLine, linesPerPage),
                        lineText ? ExpandTabs(lineText(s.firstLine)) : std::string()});
    return rows;
}

std::vector<int> SectionPages(const SectionMap& sections, int linesPerPage) {
    std::vector<int> pages;
    pages.reserve(sections.size());
    for (const SectionEntry& s : sections)
        pages.push_back(PageOfLine(s.firstLine, linesPerPage));
    return pages;
}

int JumpToSectionPage(int page, int pageCount) {
    return std::clamp(page / 2 * 2, 0, std::max(0, pageCount));
}

std::optional<int> PreviousSectionPage(const std::vector<int>& pages, int leftPage, int pageCount) {
    if (pages.empty())
        return std::nullopt;
    int kept = 0;
    for (int page : pages) {
        if (page > leftPage)
            break;
        if (page < leftPage)
            kept = page;
    }
    return std::clamp(kept, 0, std::max(0, pageCount));
}

std::optional<int> NextSectionPage(const std::vector<int>& pages, int leftPage, int pageCount) {
    if (pages.empty())
        return std::nullopt;
    int target = pageCount;
    for (int page : pages) {
        if (page > leftPage) {
            target = page;
            break;
        }
    }
    return std::clamp(target, 0, std::max(0, pageCount));
}

std::optional<int> SectionToSelect(const std::vector<int>& pages, int selected, int leftPage) {
    const int count = static_cast<int>(pages.size());
    if (count == 0)
        return std::nullopt;
    // A selected section on either page shown stays selected (a click on a
    // section of the right page must not select another one).
    if (selected >= 0 && selected < count) {
        const int page = pages[static_cast<std::size_t>(selected)];
        if (page == leftPage || page == leftPage + 1)
            return std::nullopt;
    }
    for (int i = 0; i < count; ++i) {
        const int page = pages[static_cast<std::size_t>(i)];
        if (page == leftPage || page == leftPage + 1)
            return i;
    }
    int lastBefore = -1;
    for (int i = 0; i < count; ++i)
        if (pages[static_cast<std::size_t>(i)] < leftPage)
            lastBefore = i;
    return lastBefore >= 0 ? lastBefore : 0;
}

bool HoverScrollRuns(HoverZone zone, int selected, int count) {
    switch (zone) {
    case HoverZone::Above:
        return selected > 0 && selected < count;
    case HoverZone::Below:
        return selected >= 0 && selected < count - 1;
    case HoverZone::Elsewhere:
        return false;
    }
    return false;
}

int HoverScrollStep(HoverZone zone, int selected, int count) {
    if (!HoverScrollRuns(zone, selected, count))
        return selected;
    return zone == HoverZone::Above ? selected - 1 : selected + 1;
}

int PreviewRows(std::string_view text, const ParaWrap& boxWrap) {
    int rows = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t lf = text.find('\n', start);
        const std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        rows += ParagraphRows(text.substr(start, end - start), boxWrap);
        if (lf == std::string_view::npos)
            return rows;
        start = lf + 1;
    }
}

std::string BuildSectionPreview(const LineTextSource& lineText, int first, int end, int maxRows,
                                const ParaWrap& boxWrap) {
    std::string text;
    if (!lineText || maxRows < 1)
        return text;
    for (int n = first; n < end; ++n) {
        const std::string line = lineText(n);
        if (!IsBlankText(text)) {
            const bool continues = !IsBlankText(line) && line[0] != ' ' && line[0] != '\t';
            if (continues) {
                // A line that starts after a break is not indented by a blank.
                if (text.back() != ' ' && text.back() != '\n')
                    text.push_back(' ');
            } else if (text.back() != '\n') {
                text.push_back('\n');
            }
        }
        text += line;
        if (PreviewRows(text, boxWrap) > maxRows)
            return FirstRows(text, maxRows, boxWrap);
    }
    return text;
}

} // namespace qw

#include "reader/page_text.h"

#include <algorithm>

namespace qw {

PageText TrimPageText(std::string full) {
    PageText page;
    size_t begin = 0;
    while (begin < full.size() && (full[begin] == '\r' || full[begin] == '\n')) {
        if (full[begin] == '\n')
            ++page.leadingBlankLines;
        ++begin;
    }
    size_t end = full.size();
    while (end > begin) {
        const char c = full[end - 1];
        if (c != '\r' && c != '\n' && c != ' ')
            break;
        --end;
    }
    page.firstChar = static_cast<int>(begin);
    page.lastChar = static_cast<int>(end);
    full.resize(end);
    full.erase(0, begin);
    page.text = std::move(full);
    return page;
}

namespace {

std::string pageFullText(int page, int linesPerPage, int lineCount,
                         const DisplayLineSource& lineSource, std::vector<int>& failed) {
    std::string text;
    const long long first = static_cast<long long>(page - 1) * linesPerPage + 1;
    for (long long n = first; n < first + linesPerPage && n <= lineCount; ++n) {
        if (n > first)
            text += "\r\n";
        std::optional<std::string> line = lineSource(static_cast<int>(n));
        if (line)
            text += *line;
        else
            failed.push_back(static_cast<int>(n));
    }
    return text;
}

} // namespace

PagePair ComposePages(int leftPage, int linesPerPage, int lineCount,
                      const DisplayLineSource& lineSource) {
    PagePair pair;
    linesPerPage = std::max(1, linesPerPage);
    if (leftPage > 0) {
        pair.left = TrimPageText(
            pageFullText(leftPage, linesPerPage, lineCount, lineSource, pair.failedLines));
        pair.leftFilled = true;
    }
    if (static_cast<long long>(leftPage) * linesPerPage < lineCount) {
        pair.right = TrimPageText(
            pageFullText(leftPage + 1, linesPerPage, lineCount, lineSource, pair.failedLines));
        pair.rightFilled = true;
    }
    return pair;
}

std::vector<std::string> SplitPageLines(const std::string& text) {
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

} // namespace qw

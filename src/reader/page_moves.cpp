#include "reader/page_moves.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace qw {

int PageCountFor(int lineCount, int linesPerPage) {
    if (lineCount < 1)
        return 0;
    return (lineCount - 1) / std::max(1, linesPerPage) + 1;
}

int ComputeLinesPerPage(double pageHeight, double lineHeight) {
    if (!(lineHeight > 0) || !(pageHeight > 0))
        return 1;
    const double lines = std::floor(pageHeight / lineHeight);
    return lines < 1 ? 1 : lines > INT_MAX ? INT_MAX : static_cast<int>(lines);
}

int RoundHalfEven(double value) {
    if (!std::isfinite(value))
        return 0;
    const double r = value - std::remainder(value, 1.0); // remainder rounds halves to even
    if (r >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (r <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(r);
}

MoveResult ApplyPageMove(PageMove move, int leftPage, int pageCount) {
    const int page = leftPage;
    auto clampPage = [pageCount](int p) { return std::clamp(p, 0, std::max(0, pageCount)); };
    // Forward moves that overshoot the end land on the page before the last.
    auto forward = [pageCount](int p) { return p > pageCount ? pageCount - 1 : p; };
    switch (move) {
    case PageMove::TurnBackArea: {
        const int next = clampPage(page - 2);
        return {next != page, next};
    }
    case PageMove::TurnForwardArea: {
        const int next = clampPage(page + 2);
        return {next != page, next};
    }
    case PageMove::First:
        return page != 0 ? MoveResult{true, 0} : MoveResult{false, page};
    case PageMove::TenBack:
        return page != 0 ? MoveResult{true, std::max(0, page - 10)} : MoveResult{false, page};
    case PageMove::Back:
        return page != 0 ? MoveResult{true, std::max(0, page - 2)} : MoveResult{false, page};
    case PageMove::OneBack:
        return page > 0 ? MoveResult{true, page - 1} : MoveResult{false, page};
    case PageMove::ForwardButton:
        return page < pageCount ? MoveResult{true, forward(page + 2)} : MoveResult{false, page};
    case PageMove::ForwardKey:
        return page < pageCount - 1 ? MoveResult{true, forward(page + 2)} : MoveResult{false, page};
    case PageMove::TenForward:
        return page < pageCount ? MoveResult{true, forward(page + 10)} : MoveResult{false, page};
    case PageMove::OneForward:
        return page < pageCount ? MoveResult{true, page + 1} : MoveResult{false, page};
    case PageMove::LastButton:
        return {true, std::max(0, pageCount / 2 * 2)};
    case PageMove::LastKey:
        return page < pageCount ? MoveResult{true, pageCount / 2 * 2} : MoveResult{false, page};
    }
    return {false, page};
}

std::optional<int> ParseInteger(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    if (begin == end)
        return std::nullopt;
    bool negative = false;
    if (text[begin] == '+' || text[begin] == '-') {
        negative = text[begin] == '-';
        ++begin;
    }
    if (begin == end)
        return std::nullopt;
    long long value = 0;
    for (size_t i = begin; i < end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> JumpTarget(std::string_view input, bool rightPage, int pageCount) {
    const std::optional<int> number = ParseInteger(input);
    if (!number)
        return std::nullopt;
    const long long page = rightPage ? static_cast<long long>(*number) - 1 : *number;
    return static_cast<int>(std::clamp<long long>(page, 0, std::max(0, pageCount)));
}

int ProgressFilledWidth(int leftPage, int pageCount, int available) {
    if (available < 1)
        return std::max(0, available);
    if (pageCount < 2)
        return available;
    const int width =
        RoundHalfEven(static_cast<double>(leftPage) / pageCount * (available - 1) + 1);
    return std::clamp(width, 1, available);
}

int ProgressClickPage(int x, int pageCount, int barWidth, int margin) {
    if (pageCount < 2)
        return 0;
    const int span = barWidth - (2 * margin + 1);
    if (span <= 0)
        return 0;
    const int page = RoundHalfEven(static_cast<double>(x - 1) * pageCount / span);
    return std::clamp(page, 0, pageCount);
}

} // namespace qw

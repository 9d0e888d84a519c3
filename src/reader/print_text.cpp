#include "reader/print_text.h"

namespace qw {

namespace {

// LF line ends, and no blank lines or spaces trailing at the end.
std::string Tidy(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r')
            out += c;
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ' || out.back() == '\t'))
        out.pop_back();
    return out;
}

} // namespace

PrintPlan PlanPrint(const PrintInput& in) {
    PrintPlan plan;
    if (std::string selection = Tidy(in.selection); !selection.empty()) {
        plan.sheets.push_back({std::move(selection), 0});
        return plan;
    }
    // The title page is drawn, not text: it is not printed.
    if (in.leftPage >= 1 && in.leftPage <= in.pageCount)
        if (std::string left = Tidy(in.leftText); !left.empty())
            plan.sheets.push_back({std::move(left), in.leftPage});
    if (in.leftPage + 1 <= in.pageCount)
        if (std::string right = Tidy(in.rightText); !right.empty())
            plan.sheets.push_back({std::move(right), in.leftPage + 1});
    if (plan.sheets.empty())
        plan.error = "There is no text on these pages to print.";
    return plan;
}

} // namespace qw

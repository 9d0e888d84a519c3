#pragma once
// What "Print text" prints: the selection when there is one, otherwise the
// two pages on screen, each on a sheet of its own under its page number.

#include <string>
#include <vector>

namespace qw {

struct PrintInput {
    std::string selection; // UTF-8, empty when nothing is selected
    int leftPage = 0;      // 0 is the title page
    int pageCount = 0;     // the last page's number
    std::string leftText;  // what the pages show, lines separated by CR LF or LF
    std::string rightText;
};

struct PrintSheet {
    std::string text;   // lines separated by LF
    int pageNumber = 0; // 0: a selection, printed without a number
};

struct PrintPlan {
    std::vector<PrintSheet> sheets; // each starts on a new sheet of paper
    std::string error;              // why nothing is printed
};

PrintPlan PlanPrint(const PrintInput& input);

} // namespace qw

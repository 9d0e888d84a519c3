#include "reader/print_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(PrintText, SelectionElseTheShownPagesWithoutTheTitlePage) {
    struct Row {
        const char* what;
        qw::PrintInput input;
        std::vector<std::pair<std::string, int>> sheets; // text, page number
        bool error;
    };
    const Row rows[] = {
        {"pair", {"", 3, 10, "a\r\nb\r\n\r\n", "c"}, {{"a\nb", 3}, {"c", 4}}, false},
        {"selection wins", {"b\r\nc \r\n", 3, 10, "a b", "c"}, {{"b\nc", 0}}, false},
        {"blank selection is none", {" \r\n", 3, 10, "a", "c"}, {{"a", 3}, {"c", 4}}, false},
        {"title page left", {"", 0, 10, "ignored", "first"}, {{"first", 1}}, false},
        {"last page alone", {"", 10, 10, "end", "beyond"}, {{"end", 10}}, false},
        {"empty right page", {"", 3, 10, "a", "\r\n"}, {{"a", 3}}, false},
        {"nothing", {"", 0, 1, "", ""}, {}, true},
        {"past the end", {"", 11, 10, "x", "y"}, {}, true},
        {"unicode kept", {"", 1, 3, "\xC3\xA9t\xC3\xA9", ""}, {{"\xC3\xA9t\xC3\xA9", 1}}, false},
    };
    for (const Row& row : rows) {
        const qw::PrintPlan plan = qw::PlanPrint(row.input);
        std::vector<std::pair<std::string, int>> got;
        for (const qw::PrintSheet& sheet : plan.sheets)
            got.emplace_back(sheet.text, sheet.pageNumber);
        EXPECT_EQ(got, row.sheets) << row.what;
        EXPECT_EQ(!plan.error.empty(), row.error) << row.what;
    }
}

} // namespace

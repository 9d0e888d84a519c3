// The text match of find in files: phrases across CR LF, a first word
// followed only by LF, single words, case, blanks around the search text,
// slices, a 10,000-character phrase in linear time, stopping.

#include "tools/text_match.h"

#include "growth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qw {
namespace {

std::string repeat(const std::string& piece, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

TEST(TextMatch, FindsWordsAndPhrasesAsTheReaderShowsThem) {
    struct Row {
        const char* name;
        std::string text;
        std::string search;
        bool caseSensitive;
        bool found;
    };
    const std::string filler(TextMatch::kSliceBytes - 4, 'x');
    const std::vector<Row> rows = {
        {"three words, the third on the next line", "see the old\r\nman go", "the old man", false,
         true},
        {"first word followed only by LF", "an old\nman", "old man", false, false},
        {"first word followed by CR LF", "an old\r\nman", "old man", false, true},
        {"first word followed by a lone CR", "an old\rman", "old man", false, true},
        {"LF after a later word is a blank", "the old man\nwent", "old man went", false, true},
        {"paragraph break between the words", "old\r\n\r\nman", "old man", false, true},
        {"blank before the line break", "old \r\nman", "old man", false, true},
        {"blank after the line break", "old\r\n man", "old man", false, true},
        {"two blanks in the text are two", "old  man", "old man", false, false},
        {"a tab is no blank", "old\tman", "old man", false, false},
        {"the second place of the first word", "old old man", "old man", false, true},
        {"text ends inside the phrase", "the old ma", "old man", false, false},
        {"word inside another word", "unhappily", "happ", false, true},
        {"word never across a line break", "hap\r\npily", "happily", false, false},
        {"word with no inner blank is raw", "a\r\nb", "a\r\nb", true, true},
        {"case folded", "THE OLD Man", "the old man", false, true},
        {"case kept", "THE OLD Man", "the old man", true, false},
        {"case kept, found", "the old Man", "old Man", true, true},
        {"accented capitals fold", "L'ÉTÉ CHAUD", "l'été chaud", false, true},
        {"a capital that folds longer", "ȺȺ OLD MAN", "ⱥⱥ old man", false, true},
        {"leading blanks belong to the first word", "x  old man", "  old man", false, true},
        {"leading blanks across a break are not in the text", "x \r\n old man", "  old man", false,
         false},
        {"a stand-in blank does not begin the first word", "x\r\nold man", " old man", false,
         false},
        {"trailing blank makes a phrase: line break", "old\r\nman", "old ", false, true},
        {"trailing blank makes a phrase: text end", "an old", "old ", false, false},
        {"blanks only", "a   b", "   ", false, true},
        {"phrase across a slice boundary", filler + "old\r\nman", "old man", false, true},
        {"word across a slice boundary, folded", filler + "HAPPILY", "happily", false, true},
        {"word across a slice boundary, kept", filler + "happily", "happily", true, true},
        {"long phrase found", repeat("a ", 20000), repeat("a ", 5000), false, true},
        {"long phrase longer than the text", repeat("a ", 4999), repeat("a ", 5000), false, false},
    };
    for (const Row& row : rows) {
        const std::optional<TextMatch> match = TextMatch::Make(row.search, row.caseSensitive);
        ASSERT_TRUE(match) << row.name;
        EXPECT_EQ(match->findIn(row.text) == MatchEnd::Found, row.found) << row.name;
    }
    EXPECT_FALSE(TextMatch::Make("", false));
}

TEST(TextMatch, StopsBetweenSlices) {
    const std::string text(4 * TextMatch::kSliceBytes, 'x');
    int asked = 0;
    const auto keepGoing = [&asked] { return ++asked < 3; };
    EXPECT_EQ(TextMatch::Make("old man", false)->findIn(text, keepGoing), MatchEnd::Stopped);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(TextMatch::Make("y", false)->findIn(text, [] { return true; }), MatchEnd::NotFound);
}

TEST(TextMatch, TimeIsLinearForAPhraseOfTenThousandCharacters) {
    // Every place of the first word begins a near miss of the whole phrase.
    const std::string phrase = repeat("a ", 5000);
    const TextMatch match = *TextMatch::Make(phrase + "b", false);
    const double ratio = test::GrowthRatio(
        [&](std::size_t n) { EXPECT_EQ(match.findIn(repeat("a\r\n", n)), MatchEnd::NotFound); },
        200000);
    EXPECT_LT(ratio, test::kLinearGrowthBound);
}

} // namespace
} // namespace qw

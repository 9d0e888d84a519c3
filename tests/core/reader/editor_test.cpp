// The editor's core: find with "\n" for a line break, whole words and case,
// Replace all (growth limit, empty replacement, progress), the band layout
// text, the questions, the text conversions, the start line and applying.

#include "reader/editor_find.h"
#include "reader/editor_layout.h"
#include "reader/editor_session.h"
#include "reader/fit_lines.h"
#include "reader/text_measurer.h"

#include "core/reader/fixed_fit.h"
#include "growth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qw {
namespace {

std::string hitText(const std::optional<EditorHit>& hit) {
    return hit ? std::to_string(hit->start) + "+" + std::to_string(hit->length) : "none";
}

TEST(EditorFind, FindsForwardWithLineBreaksWordsAndCase) {
    struct Row {
        const char* name;
        std::u16string text, typed;
        std::size_t from;
        bool word, matchCase;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"plain, any case", u"The cat. the CAT", u"cat", 0, false, false, "4+3"},
        {"from after the first hit", u"The cat. the CAT", u"cat", 5, false, false, "13+3"},
        {"case matters", u"The cat. the CAT", u"CAT", 0, false, true, "13+3"},
        {"backslash n is a line break", u"end.\nStart", u"end.\\nstart", 0, false, false, "0+10"},
        {"line break alone", u"a\n\nb", u"\\n\\n", 0, false, false, "1+2"},
        {"whole word skips word parts", u"category cat", u"cat", 0, true, false, "9+3"},
        {"whole word, digits are word characters", u"cat1 cat", u"cat", 0, true, false, "5+3"},
        {"whole word beside punctuation", u"(cat)", u"cat", 0, true, false, "1+3"},
        {"whole word, letters beyond ASCII", u"écat cat", u"cat", 0, true, false, "5+3"},
        {"accented letters fold", u"CAFÉ", u"café", 0, false, false, "0+4"},
        {"overlapping start found", u"aaab", u"aab", 0, false, false, "1+3"},
        {"supplementary letters fold", u"x\U00010400", u"\U00010428", 0, false, false, "1+2"},
        {"not found", u"abc", u"abd", 0, false, false, "none"},
        {"from past the end", u"abc", u"a", 9, false, false, "none"},
        {"empty search text", u"abc", u"", 0, false, false, "none"},
        {"longer than the text", u"ab", u"abc", 0, false, false, "none"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(hitText(FindInEditorText(r.text, ExpandLineBreaks(r.typed), r.from,
                                           {r.word, r.matchCase})),
                  r.expected)
            << r.name;
    EXPECT_TRUE(IsBlankText(u" \t\n"));
    EXPECT_FALSE(IsBlankText(u" \\n"));
}

TEST(EditorFind, ReplacesAll) {
    struct Row {
        const char* name;
        std::u16string text, what, replacement;
        bool word;
        std::u16string expected;
        std::size_t count;
    };
    const std::vector<Row> rows = {
        {"every hit", u"a cat, a Cat", u"cat", u"dog", false, u"a dog, a dog", 2},
        {"line break in the replacement", u"one. two.", u". ", u".\\n", false, u"one.\ntwo.", 1},
        {"joining lines", u"a\nb\nc", u"\\n", u" ", false, u"a b c", 2},
        {"empty replacement deletes", u"xaxbx", u"x", u"", false, u"ab", 3},
        {"no hit leaves the text", u"abc", u"z", u"y", false, u"abc", 0},
        {"a replacement is not searched again", u"aa", u"a", u"aa", false, u"aaaa", 2},
        // After "cat" became "cats", the next "cat" follows a word character.
        {"whole words judged in the new text", u"cat-cat", u"cat", u"s", true, u"s-s", 2},
        {"whole word after a deletion", u"ab a", u"a", u"", true, u"ab ", 1},
    };
    for (const Row& r : rows) {
        const ReplaceAllResult result =
            ReplaceAllInEditorText(r.text, ExpandLineBreaks(r.what),
                                   ExpandLineBreaks(r.replacement), {r.word, false}, 1000, {});
        EXPECT_EQ(result.text, r.expected) << r.name;
        EXPECT_EQ(result.count, r.count) << r.name;
        EXPECT_FALSE(result.tooLong) << r.name;
    }

    // Past the limit nothing is replaced.
    const ReplaceAllResult grown = ReplaceAllInEditorText(u"aaaa", u"a", u"bbb", {}, 10, {});
    EXPECT_TRUE(grown.tooLong);
    EXPECT_EQ(grown.text, u"aaaa");
    EXPECT_EQ(grown.count, 0u);
    EXPECT_EQ(EditorMaxLength(100000), 1000000u);
    EXPECT_EQ(EditorMaxLength(200000), 2000000u);

    // Progress in tens, each step once.
    std::vector<int> steps;
    ReplaceAllInEditorText(std::u16string(100, u'a'), u"a", u"b", {}, 1000,
                           [&](int p) { steps.push_back(p); });
    EXPECT_EQ(steps, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST(EditorFind, HostileSearchTextsStayLinear) {
    // "aaa...ab" in "aaa...a": a naive search compares the whole text
    // again at every position.
    const double ratio = test::GrowthRatio(
        [](std::size_t n) {
            const std::u16string text(n, u'a');
            const std::u16string what = std::u16string(n / 10, u'a') + u'b';
            EXPECT_FALSE(FindInEditorText(text, what, 0, {}));
            EXPECT_EQ(ReplaceAllInEditorText(text, what, u"", {true, false}, n, {}).count, 0u);
        },
        20000);
    EXPECT_LT(ratio, test::kLinearGrowthBound);
}

TEST(EditorLayout, ReadsAndWritesTheBandLayout) {
    using K = EditorBandKind;
    struct Row {
        const char* name;
        std::string stored;
        std::string expected; // written back
    };
    const std::vector<Row> rows = {
        {"round trip", "SBV00120R-V00300A--00050FBV00400", "SBV00120R-V00300A--00050FBV00400"},
        {"empty: the default", "", "FBV00000A-V00000SBV00000R-V00000"},
        {"missing bands on rows of their own", "R-V00010", "R-V00010FBV00000ABV00000SBV00000"},
        {"bad pieces, unknown letters and repeats skipped",
         "XBV00001F?V00002FBVabcdeA-V00003A-V00004SBV", "A-V00003FBV00000SBV00000RBV00000"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FormatEditorLayout(ParseEditorLayout(r.stored)), r.expected) << r.name;

    EditorBands bands = ParseEditorLayout("FBV00100A-V00200SBV00300R-V00400");
    EXPECT_TRUE(SetBandVisible(bands, K::Actions, false)); // the find band already breaks
    EXPECT_TRUE(SetBandVisible(bands, K::Find, false));    // the replace band gets a break
    EXPECT_EQ(FormatEditorLayout(bands), "FBV00100A--00200SB-00300RBV00400");
    EXPECT_TRUE(SetBandVisible(bands, K::Actions, true)); // shown on a row of its own
    EXPECT_EQ(FormatEditorLayout(bands), "FBV00100ABV00200SB-00300RBV00400");
    bands[0].width = 123456;
    EXPECT_EQ(FormatEditorLayout(bands)->substr(0, 8), "FBV99999");
    bands[1].kind = static_cast<K>(9);
    EXPECT_FALSE(FormatEditorLayout(bands));
    EXPECT_FALSE(SetBandVisible(bands, K::Actions, false));
    EXPECT_STREQ(EditorBandCaption(K::Find), "Find");
}

TEST(EditorSession, AsksTheQuestions) {
    using Q = std::optional<std::string>;
    EXPECT_EQ(EditorDoneQuestion(false, true), Q());
    EXPECT_EQ(EditorDoneQuestion(true, false),
              Q("Close the editor and apply the text modifications?"));
    EXPECT_EQ(EditorDoneQuestion(true, true),
              Q("Close the editor and apply the text modifications?\r\n"
                "(Single line breaks will be permanently removed)"));
    EXPECT_EQ(EditorApplyQuestion(false, false), Q());
    EXPECT_EQ(EditorApplyQuestion(true, false), Q("Apply text modifications?"));
    EXPECT_EQ(EditorApplyQuestion(true, true),
              Q("Apply text modifications? (Single line breaks will be permanently removed)"));
    EXPECT_EQ(EditorReloadQuestion(false), Q());
    EXPECT_EQ(EditorReloadQuestion(true), Q("Reload text and discard changes?"));
    const Q close("Close editor and discard changes?");
    EXPECT_EQ(EditorCloseQuestion(false, true, true), close);
    EXPECT_EQ(EditorCloseQuestion(true, true, true), Q());
    EXPECT_EQ(EditorCloseQuestion(false, false, true), Q());
    EXPECT_EQ(EditorCloseQuestion(false, true, false), Q());
}

TEST(EditorSession, ConvertsLineBreaks) {
    EXPECT_EQ(EditorTextFromBook("a\r\nb\rc\r\n"), "a\nb\nc\n");
    EXPECT_EQ(BookTextFromEditor("a\nb\xE2\x80\xA9"
                                 "c\xC3\xA9"),
              "a\r\nb\r\nc\xC3\xA9");
    const std::string book = "one\r\n\r\ntwo \xC2\xA0three\r\n";
    EXPECT_EQ(BookTextFromEditor(EditorTextFromBook(book)), book);
}

TEST(EditorSession, OpensAtTheLogicalLineOfTheSelection) {
    // 10 characters per line: logical lines 0 (2 display lines), 1 (blank), 2.
    test::FixedFit fixed(10);
    Book book;
    book.FileName = "/books/a.txt";
    book.RawText = "the quick brown fox\r\n\r\nover the lazy dog";
    book.RestoreRawText = true;
    book.Pages.LinesPerPage = 2;
    fixed.fit(book);
    ASSERT_EQ(book.LineCount, 5);
    struct Row {
        int page;
        int leadingBlankLines;
        PagePlace start;
        int expected;
    };
    for (const Row& r : std::vector<Row>{{0, 0, {0, 0}, 0},
                                         {1, 0, {1, 3}, 0},
                                         {2, 1, {0, 0}, 2},
                                         {2, 0, {0, 0}, 1},
                                         {3, 0, {4, 0}, 2}}) {
        PageText shown;
        shown.leadingBlankLines = r.leadingBlankLines;
        EXPECT_EQ(EditorStartLine(book, r.page, shown, r.start), r.expected) << r.page;
    }
}

TEST(EditorSession, AppliesTheEditedText) {
    Book book;
    EXPECT_TRUE(ApplyEditedText(book, "new\r\n", "/home/u/books"));
    EXPECT_EQ(book.FileName, "/home/u/books/Unnamed.txt");
    EXPECT_TRUE(book.TextEdited);
    EXPECT_EQ(book.RawText, "new\r\n");
    EXPECT_EQ(book.WorkText, "new\r\n");

    book.FileName = "/a/b.zip";
    book.ArchiveEntry = "b.txt";
    book.TextEdited = false;
    EXPECT_FALSE(ApplyEditedText(book, "x", "/home/u/"));
    EXPECT_EQ(book.FileName, "/a/b.zip");
    EXPECT_EQ(book.ArchiveEntry, "b.txt");
    EXPECT_TRUE(book.TextEdited);
    EXPECT_EQ(book.RawText, "x");
}

} // namespace
} // namespace qw

// The fit options come from the book's settings and the configuration.

#include "reader/fit_lines_settings.h"

#include "settings/config_file.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

TEST(FitLinesSettings, TakesTheBookOptionsAndThePunctuationMarks) {
    ConfigFile config;
    config.Parse("[Options]\nPunctuation=.!\xc2\xbf\nBook style=Yes\n"
                 "[Page margins]\nApply=Yes\n");
    Settings settings(config);
    BookSettings book;
    book.fontName = "Liberation Serif";
    book.fontSize = 14;
    book.tabWidth = 20;
    book.removeLineBreaks = true;
    book.checkPunctuationMarks = true;
    book.checkIndentation = false;
    book.automaticToc = true;
    const FitOptions o = FitOptionsFromSettings(book, settings);
    EXPECT_TRUE(o.removeLineBreaks);
    EXPECT_TRUE(o.lineBreaks.notAfterPunctuation);
    EXPECT_FALSE(o.lineBreaks.notBeforeIndentation);
    // Stored as UTF-8 in the file and used so.
    EXPECT_EQ(o.lineBreaks.punctuationMarks, ".!\xc2\xbf");
    EXPECT_TRUE(o.automaticToc);
    EXPECT_EQ(o.tabWidth, 20);
    EXPECT_EQ(o.fontName, "Liberation Serif");
    EXPECT_EQ(o.fontSize, 14);
}

TEST(FitLinesSettings, MissingPunctuationGivesTheDefaultMarks) {
    ConfigFile config;
    Settings settings(config);
    const FitOptions o = FitOptionsFromSettings(BookSettings{}, settings);
    EXPECT_EQ(o.lineBreaks.punctuationMarks, std::string(kDefaultPunctuationMarks));
    // The controls' initial state: removal on, indentation on, punctuation off.
    EXPECT_TRUE(o.removeLineBreaks);
    EXPECT_TRUE(o.lineBreaks.notBeforeIndentation);
    EXPECT_FALSE(o.lineBreaks.notAfterPunctuation);
    EXPECT_EQ(o.tabWidth, 32);
}

TEST(FitLinesSettings, OptionChangesRefitOnlyWhenAutomatic) {
    EXPECT_TRUE(RefitOnLineBreakOption(true, true, false));
    EXPECT_FALSE(RefitOnLineBreakOption(false, true, false));
    EXPECT_FALSE(RefitOnLineBreakOption(true, false, false));
    EXPECT_FALSE(RefitOnLineBreakOption(true, true, true));
}

} // namespace
} // namespace qw

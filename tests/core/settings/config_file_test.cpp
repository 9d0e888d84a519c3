// The INI store: look-ups, order, writes, and what survives a rewrite.

#include "settings/config_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace qw {
namespace {

using Strings = std::vector<std::string>;

ConfigFile Parsed(const std::string& text) {
    ConfigFile config;
    config.Parse(text);
    return config;
}

using test::Slurp;

const char* const kSample = "; written by hand\n"
                            "[Options]\n"
                            "Book style=Yes\n"
                            "Quick page=No\n"
                            "\n"
                            "[C:\\Books\\<Notes> Story.txt]\n"
                            "Page=12\n"
                            "Fontname=Arial\n";

struct ReadCase {
    const char* section;
    const char* key;
    const char* expected; // nullptr: missing, the default comes back
};

class ReadStringTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadStringTest, FindsValuesWithoutRegardToCase) {
    const ConfigFile config = Parsed(kSample);
    const ReadCase& c = GetParam();
    const std::string got = config.ReadString(c.section, c.key, "<default>");
    EXPECT_EQ(got, c.expected ? c.expected : "<default>");
    EXPECT_EQ(config.ValueExists(c.section, c.key), c.expected != nullptr);
}

INSTANTIATE_TEST_SUITE_P(Lookups, ReadStringTest,
                         ::testing::Values(ReadCase{"Options", "Book style", "Yes"},
                                           ReadCase{"OPTIONS", "book STYLE", "Yes"},
                                           ReadCase{"options", "Quick page", "No"},
                                           ReadCase{"c:\\books\\<notes> STORY.TXT", "page", "12"},
                                           ReadCase{"Options", "Page", nullptr},
                                           ReadCase{"Missing", "Page", nullptr},
                                           ReadCase{" Options ", " Book style ", "Yes"}));

TEST(ConfigFileTest, OnlyTheExactYesIsTrue) {
    const std::pair<const char*, bool> cases[] = {
        {"Yes", true}, {"yes", false},  {"YES", false}, {"No", false},    {"", false},
        {"1", false},  {"true", false}, {"Yes ", true}, {" Yes\t", true}, {"Y es", false}};
    for (const auto& [stored, expected] : cases)
        EXPECT_EQ(
            Parsed(std::string("[W]\nMaximized=") + stored + "\n").ReadBool("W", "Maximized", true),
            expected)
            << stored;
    // A missing one gives the default.
    EXPECT_TRUE(Parsed("[W]\n").ReadBool("W", "Maximized", true));
    EXPECT_FALSE(Parsed("[W]\n").ReadBool("W", "Maximized", false));
}

TEST(ConfigFileTest, NumbersOrTheDefault) {
    const std::pair<const char*, int> cases[] = {{"0", 0},
                                                 {"120", 120},
                                                 {"-5", -5},
                                                 {"+5", 5},
                                                 {" 42 ", 42},
                                                 {"007", 7},
                                                 {"", -7},
                                                 {"abc", -7},
                                                 {"12abc", -7},
                                                 {"1.5", -7},
                                                 {"-", -7},
                                                 {"2147483647", 2147483647},
                                                 {"-2147483648", -2147483647 - 1},
                                                 {"2147483648", -7},
                                                 {"99999999999999999999", -7},
                                                 {"$1F", -7}};
    for (const auto& [stored, expected] : cases)
        EXPECT_EQ(Parsed(std::string("[P]\nn=") + stored + "\n").ReadInteger("P", "n", -7),
                  expected)
            << stored;
    EXPECT_EQ(Parsed("").ReadInteger("P", "n", 3), 3);
}

TEST(ConfigFileTest, NewKeyGoesToTheEndOfItsSectionAndNewSectionToTheEnd) {
    ConfigFile config = Parsed("[A]\na1=1\n[B]\nb1=1\n");
    config.WriteString("a", "a2", "2");
    config.WriteString("C", "c1", "3");
    config.WriteString("b", "B1", "changed");
    EXPECT_EQ(config.Text(), "[A]\na1=1\na2=2\n[B]\nb1=changed\n[C]\nc1=3\n");
    EXPECT_EQ(config.ReadSections(), (Strings{"A", "B", "C"}));
    EXPECT_EQ(config.ReadSection("A"), (Strings{"a1", "a2"}));
    EXPECT_EQ(config.ReadSectionValues("a"), (Strings{"a1=1", "a2=2"}));
}

TEST(ConfigFileTest, NewKeyGoesBeforeTheBlankLinesThatCloseTheSection) {
    ConfigFile config = Parsed("[A]\na1=1\n\n; next one\n[B]\n");
    config.WriteString("A", "a2", "2");
    EXPECT_EQ(config.Text(), "[A]\na1=1\na2=2\n\n; next one\n[B]\n");
}

TEST(ConfigFileTest, CommentsBlankLinesAndUnknownLinesSurviveARewrite) {
    const std::string text = "# top comment\n"
                             "orphan=before any section\n"
                             "\n"
                             "[Options]\n"
                             "; a comment\n"
                             "this line means nothing\n"
                             "Book style = Yes\n"
                             "[broken header\n"
                             "Quick page=No\n";
    ConfigFile config = Parsed(text);
    EXPECT_EQ(config.Text(), text);
    EXPECT_EQ(config.ReadString("Options", "Book style", ""), "Yes");
    // A header without "]" is not a section: its keys stay in "Options".
    EXPECT_EQ(config.ReadString("Options", "Quick page", ""), "No");
    EXPECT_EQ(config.ReadSections(), (Strings{"Options"}));
    // Keys before any section are kept but not found.
    EXPECT_FALSE(config.ValueExists("", "orphan"));
    // Changing a value keeps the user's spelling of the key.
    config.WriteString("OPTIONS", "book style", "No");
    EXPECT_NE(config.Text().find("Book style = No\n"), std::string::npos);
}

TEST(ConfigFileTest, BlanksAroundKeysAndValuesAreNotPartOfThem) {
    struct Case {
        const char* line;
        const char* value;   // as read
        const char* written; // the line after writing "New"
    };
    const Case cases[] = {
        {"Maximized = Yes", "Yes", "Maximized = New"},
        {"Show clock = No", "No", "Show clock = New"},
        {"\tPage\t=\t12\t ", "12", "\tPage\t=\tNew\t "},
        {"Title =  Two  words  ", "Two  words", "Title =  New  "},
        {"Blank =   ", "", "Blank =   New"},
        {"Plain=Value", "Value", "Plain=New"},
        {"Eq = a = b", "a = b", "Eq = New"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string text = std::string("[A]\nbefore=1\n") + c.line + "\nafter=2\n[B]\nx=1\n";
        ConfigFile config = Parsed(text);
        const std::string key = Parsed(text).ReadSection("A")[1];
        EXPECT_EQ(config.ReadString("A", key, "<missing>"), c.value);
        EXPECT_EQ(config.ReadSectionValues("A")[1], key + "=" + c.value);
        config.WriteString("A", key, "New");
        EXPECT_EQ(config.Text(),
                  std::string("[A]\nbefore=1\n") + c.written + "\nafter=2\n[B]\nx=1\n");
        EXPECT_EQ(Parsed(config.Text()).ReadString("A", key, ""), "New");
    }
    const ConfigFile window = Parsed("[Window]\nMaximized = Yes\n[Options]\nShow clock = No\n");
    EXPECT_TRUE(window.ReadBool("Window", "Maximized", false));
    EXPECT_FALSE(window.ReadBool("Options", "Show clock", true));
    EXPECT_EQ(Parsed("[P]\nLeft =  42 \n").ReadInteger("P", "Left", 0), 42);
}

TEST(ConfigFileTest, DuplicatesReadAndWriteTheFirstAndEraseAll) {
    ConfigFile config = Parsed("[A]\nk=1\nK=2\n[B]\nx=1\n[a]\nk=3\nz=9\n");
    EXPECT_EQ(config.ReadString("A", "k", ""), "1");
    EXPECT_FALSE(config.ValueExists("A", "z")); // the second [a] is not read
    config.WriteString("A", "k", "first");
    EXPECT_EQ(config.Text(), "[A]\nk=first\nK=2\n[B]\nx=1\n[a]\nk=3\nz=9\n");
    config.DeleteKey("A", "K");
    EXPECT_FALSE(config.ValueExists("A", "k"));
    EXPECT_EQ(config.Text(), "[A]\n[B]\nx=1\n[a]\nz=9\n");
    config.EraseSection("a");
    EXPECT_FALSE(config.SectionExists("A"));
    EXPECT_EQ(config.Text(), "[B]\nx=1\n");
    EXPECT_EQ(config.ReadString("B", "x", ""), "1");
}

TEST(ConfigFileTest, EraseSectionKeepsTheIndexOfTheOthers) {
    ConfigFile config;
    for (int i = 0; i < 50; ++i)
        config.WriteString("S" + std::to_string(i), "k", std::to_string(i));
    config.EraseSection("s10");
    config.EraseSection("S49");
    EXPECT_EQ(config.ReadSections().size(), 48u);
    EXPECT_EQ(config.ReadString("S11", "k", ""), "11");
    EXPECT_EQ(config.ReadString("s48", "k", ""), "48");
    EXPECT_FALSE(config.SectionExists("S10"));
    config.WriteString("S10", "k", "back");
    EXPECT_EQ(config.ReadSections().back(), "S10");
}

TEST(ConfigFileTest, EmptySectionStaysWhenItsLastKeyIsDeleted) {
    ConfigFile config;
    config.WriteString("Color Schemes", "x", "");
    config.DeleteKey("Color Schemes", "x");
    EXPECT_TRUE(config.SectionExists("Color Schemes"));
    EXPECT_EQ(config.Text(), "[Color Schemes]\n");
}

struct LineEndCase {
    const char* name;
    std::string input;
};

class LineEndTest : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEndTest, AllLineEndsReadTheSameAndWriteLf) {
    const ConfigFile config = Parsed(GetParam().input);
    EXPECT_EQ(config.ReadString("A", "x", ""), "1");
    EXPECT_EQ(config.ReadString("A", "y", ""), "2");
    EXPECT_EQ(config.ReadSection("A"), (Strings{"x", "y"}));
    EXPECT_EQ(config.Text(), "[A]\nx=1\n\ny=2\n");
}

INSTANTIATE_TEST_SUITE_P(LineEnds, LineEndTest,
                         ::testing::Values(LineEndCase{"Lf", "[A]\nx=1\n\ny=2\n"},
                                           LineEndCase{"CrLf", "[A]\r\nx=1\r\n\r\ny=2\r\n"},
                                           LineEndCase{"Cr", "[A]\rx=1\r\ry=2\r"},
                                           LineEndCase{"Bom", "\xEF\xBB\xBF[A]\nx=1\n\ny=2"},
                                           // A file saved twice with a mark.
                                           LineEndCase{"TwoBoms",
                                                       "\xEF\xBB\xBF\xEF\xBB\xBF[A]\nx=1\n\ny=2"},
                                           LineEndCase{"Mixed", "[A]\r\nx=1\r\ry=2\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConfigFileTest, LinesThatAreNotUtf8AreTakenAsWindows1252) {
    const ConfigFile config = Parsed("[M\xFC"
                                     "ller]\nTitle=Caf\xE9 \x93quoted\x94\n[Ok]\nT=Caf\xC3\xA9\n");
    EXPECT_EQ(config.ReadString("M\xC3\xBCller", "Title", ""),
              "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D");
    EXPECT_EQ(config.ReadString("ok", "t", ""), "Caf\xC3\xA9");
}

TEST(ConfigFileTest, AccentedAndCyrillicNamesIgnoreCase) {
    const ConfigFile config = Parsed("[/home/\xC3\x84rger/\xD0\x9A\xD0\xBD\xD0\xB8\xD0\xB3\xD0\xB0"
                                     ".txt]\nPage=3\n");
    EXPECT_EQ(config.ReadInteger("/HOME/\xC3\xA4RGER/\xD0\xBA\xD0\xBD\xD0\x98\xD0\x93\xD0\xB0.TXT",
                                 "page", 0),
              3);
}

TEST(ConfigFileTest, ValuesWithLineBreaksStayOnOneLine) {
    ConfigFile config;
    config.WriteString("A", "k", "one\r\n[Injected]\nx=1");
    config.WriteString("A\n[B]", "key\nz=2", "v");
    EXPECT_FALSE(config.SectionExists("Injected"));
    EXPECT_EQ(config.ReadSections(), (Strings{"A", "A [B]"}));
    EXPECT_EQ(config.ReadSection("A [B]"), (Strings{"key z 2"}));
    EXPECT_EQ(config.ReadString("A", "k", ""), "one  [Injected] x=1");
    ConfigFile reread = Parsed(config.Text());
    EXPECT_EQ(reread.ReadSections(), config.ReadSections());
    EXPECT_EQ(reread.ReadString("A", "k", ""), "one  [Injected] x=1");
}

TEST(ConfigFileTest, BadInputNeverBreaksTheStore) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 131 + 7) % 256);
    const std::string longLine = "[A]\nlong=" + std::string(1024 * 1024, 'x') + "\nafter=1\n";
    for (const std::string& input : {std::string(), binary, longLine, std::string("\0\0\0", 3),
                                     std::string("[]\n=\n==\n"), std::string("["), std::string("]"),
                                     std::string("\r\r\r\n\n"), std::string("[A]\n[A]\n[A]\n")}) {
        ConfigFile config = Parsed(input);
        config.WriteString("Options", "Book style", "Yes");
        EXPECT_EQ(config.ReadString("Options", "Book style", ""), "Yes");
        ConfigFile reread = Parsed(config.Text());
        EXPECT_EQ(reread.Text(), config.Text());
    }
    EXPECT_EQ(Parsed(longLine).ReadString("A", "after", ""), "1");
    EXPECT_EQ(Parsed(longLine).ReadString("A", "long", "").size(), 1024u * 1024u);
}

TEST(ConfigFileTest, OpenReadsTheFileOrStartsEmptyAndUpdateFileWritesIt) {
    test::TempDir dir;
    const std::string path = dir.write("Quirewell.ini", "[A]\r\nx=1\r\n");
    ConfigFile config(path);
    EXPECT_TRUE(config.OpenError().empty());
    EXPECT_EQ(config.ReadString("A", "x", ""), "1");
    config.WriteString("A", "y", "2");
    ASSERT_TRUE(config.UpdateFile()) << config.LastWriteError();
    EXPECT_EQ(Slurp(path), "[A]\nx=1\ny=2\n");
    ConfigFile missing(dir.path() + "/missing.ini");
    EXPECT_TRUE(missing.OpenError().empty());
    EXPECT_TRUE(missing.ReadSections().empty());
    missing.WriteString("A", "x", "1");
    ASSERT_TRUE(missing.UpdateFile());
    EXPECT_EQ(Slurp(dir.path() + "/missing.ini"), "[A]\nx=1\n");
}

TEST(ConfigFileTest, AFileThatCannotBeReadIsNeverOverwritten) {
    test::TempDir dir;
    // A folder in place of the file, and a file too large to be a configuration.
    const std::string folder = dir.path() + "/Quirewell.ini";
    ::mkdir(folder.c_str(), 0755);
    ConfigFile config(folder);
    EXPECT_FALSE(config.OpenError().empty());
    config.WriteString("A", "x", "1");
    EXPECT_FALSE(config.UpdateFile());
    EXPECT_NE(config.LastWriteError().find("could not be read"), std::string::npos);

    const std::string big = dir.write("big.ini", "[A]\nx=1\n");
    ASSERT_EQ(::truncate(big.c_str(), ConfigFile::kMaxFileSize + 1), 0);
    ConfigFile large(big);
    EXPECT_FALSE(large.OpenError().empty());
    EXPECT_FALSE(large.UpdateFile());
    struct stat info {};
    ::stat(big.c_str(), &info);
    EXPECT_EQ(static_cast<std::uintmax_t>(info.st_size), ConfigFile::kMaxFileSize + 1);
}

TEST(ConfigFileTest, WriteFailureIsReportedOnceUntilAWriteSucceeds) {
    test::TempDir dir;
    ConfigFile config(dir.path() + "/Quirewell.ini");
    std::vector<std::string> reported;
    config.SetWriteFailureListener([&](const std::string& m) { reported.push_back(m); });
    WriteFaults full;
    full.failAfterBytes = 3;
    config.WriteString("A", "x", "1");
    config.SetWriteFaults(&full);
    EXPECT_FALSE(config.UpdateFile());
    EXPECT_FALSE(config.UpdateFile());
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NE(reported[0].find("No space left on device"), std::string::npos);
    EXPECT_NE(reported[0].find(dir.path() + "/Quirewell.ini"), std::string::npos);
    config.SetWriteFaults(nullptr);
    EXPECT_TRUE(config.UpdateFile());
    EXPECT_TRUE(config.LastWriteError().empty());
    config.SetWriteFaults(&full);
    EXPECT_FALSE(config.UpdateFile());
    EXPECT_EQ(reported.size(), 2u);
    ConfigFile noFile; // no file means no save
    noFile.WriteString("A", "x", "1");
    EXPECT_FALSE(noFile.UpdateFile());
    EXPECT_FALSE(noFile.LastWriteError().empty());
}

} // namespace
} // namespace qw

#include "settings/colour_scheme.h"
#include "settings/colour_value.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

namespace qw {
namespace {

TEST(ColourValue, ParsesNamesHexAndDecimalAndRefusesTheRest) {
    const std::string forty(40, '1');
    // "-2147483633" is clBtnFace as a signed number. Last, the texts that are
    // no colours: the key's default is used instead.
    const std::pair<const char*, std::optional<std::uint32_t>> cases[] = {
        {"$00E7E7E7", 0xE7E7E7},
        {"$00D2A6A6", 0xD2A6A6},
        {"$FF", 0xFF},
        {" clNavy ", 0x800000},
        {"CLWHITE", 0xFFFFFF},
        {"clMaroon", 0x000080},
        {"clBtnface", 0x8000000F},
        {"clInfoBk", 0x80000018},
        {"cl3DDkShadow", 0x80000015},
        {"clScrollBar", 0x80000000},
        {"$80000018", 0x80000018},
        {"16711680", 0xFF0000},
        {"-2147483633", 0x8000000F},
        {"0", 0},
        {"", {}},
        {"$", {}},
        {"$00GGGGGG", {}},
        {"#123456", {}},
        {"clNoSuch", {}},
        {"$0000000000", {}},
        {forty.c_str(), {}},
        {"$01000000", {}},
        {"$80000019", {}},
        {"4294967296", {}},
        {"-", {}},
        {"12a", {}}};
    for (const auto& [text, code] : cases) {
        const std::optional<ColourValue> value = ParseColour(text);
        EXPECT_EQ(value.has_value(), code.has_value()) << text;
        if (value && code) {
            EXPECT_EQ(value->code, *code) << text;
        }
    }
    EXPECT_EQ(ColourValue::FromRgb(0x123456).code, 0x563412u);
    EXPECT_EQ(ColourValue{0x563412}.rgb(), 0x123456u);
}

TEST(ColourValue, EveryNameAndHexValueRoundTripsByteForByte) {
    const char* const names[] = {
        "clBlack",        "clMaroon",      "clGreen",         "clOlive",
        "clNavy",         "clPurple",      "clTeal",          "clGray",
        "clSilver",       "clRed",         "clLime",          "clYellow",
        "clBlue",         "clFuchsia",     "clAqua",          "clWhite",
        "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
        "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
        "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
        "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
        "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
        "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
        "clInfoBk"};
    static_assert(sizeof names / sizeof *names == 41);
    for (const char* name : names)
        EXPECT_EQ(FormatColour(ParseColour(name).value()), name);
    for (const char* hex : {"$00E7E7E7", "$00D2A6A6", "$00404040", "$00000001", "$00FFFFFE"})
        EXPECT_EQ(FormatColour(ParseColour(hex).value()), hex);
    EXPECT_EQ(FormatColour(ParseColour("clBtnface").value()), "clBtnFace");
    EXPECT_EQ(FormatColour(ParseColour("$00FFFFFF").value()), "clWhite");
}

TEST(ColourScheme, LinesParseWholeOrLeaveTheRest) {
    const ColourSet current = DefaultColours();
    struct Case {
        std::string line;
        bool complete;
        size_t taken; // colours taken from the line
    };
    const std::string eight = "clWhite,clBlack,clYellow,clNavy,clRed,clLime,clBlue,$00123456";
    for (const Case& c : {
             Case{eight, true, 8},
             Case{eight + ",clRed", true, 8},
             Case{"clWhite,clBlack,clYellow,clNavy,clRed", false, 5}, // five colours
             Case{std::string(40, ','), false, 0},
             Case{"clWhite,,clYellow,clNavy,clRed,clLime,clBlue,clAqua", false, 1},
             Case{"clWhite,clBlack,#123456,clNavy,clRed,clLime,clBlue,clAqua", false, 2},
             Case{"", false, 0},
         }) {
        const SchemeLine parsed = ParseSchemeLine(c.line, current);
        EXPECT_EQ(parsed.complete, c.complete) << c.line;
        const SchemeLine whole = ParseSchemeLine(eight, current);
        for (size_t i = 0; i < kSchemeColourCount; ++i)
            EXPECT_EQ(parsed.colours[i], i < c.taken ? whole.colours[i] : current[i])
                << c.line << " colour " << i;
    }
    EXPECT_EQ(FormatSchemeLine(ParseSchemeLine(eight, current).colours), eight);
    for (const auto& [name, colours] : ReadyMadeSchemes())
        EXPECT_TRUE(ParseSchemeLine(FormatSchemeLine(colours), current).complete) << name;
}

TEST(ColourScheme, SaveChooseNewAndDelete) {
    test::TempDir dir;
    ConfigFile config(dir.write("Quirewell.ini",
                                "[Colors]\nText=clNoSuch\nList text=clBlack\n[Color Schemes]\n"
                                "Five=clWhite,clBlack,clYellow,clNavy,clRed\n[Book]\nPage=2\n"));
    Settings settings(config);
    ColourSchemes schemes(config);
    ColourSet colours = ReadColors(settings);
    EXPECT_EQ(colours, DefaultColours()); // a hand-edited bad colour: the default

    // A five-colour line changes nothing on the screen.
    EXPECT_FALSE(schemes.choose("Five", colours).complete);

    EXPECT_EQ(schemes.create("  ", colours), ColourSchemes::NewResult::Empty);
    EXPECT_EQ(schemes.create("default", colours), ColourSchemes::NewResult::Duplicate);
    EXPECT_EQ(schemes.create("FIVE", colours), ColourSchemes::NewResult::Duplicate);
    EXPECT_EQ(schemes.create(" Mine ", colours), ColourSchemes::NewResult::Created);
    EXPECT_EQ(schemes.names(), (std::vector<std::string>{"Default", "Five", "Mine"}));

    // Changing a colour of a named scheme rewrites its line, not "Colors".
    At(colours, SchemeColour::ListText) = *ParseColour("clRed");
    schemes.saveColour("Mine", SchemeColour::ListText, colours);
    ConfigFile disk(config.FileName());
    EXPECT_EQ(disk.ReadString("Colors", "List text", ""), "clBlack");
    EXPECT_EQ(disk.ReadString("Color Schemes", "Mine", ""), FormatSchemeLine(colours));
    const SchemeLine mine = ColourSchemes(disk).choose("Mine", DefaultColours());
    EXPECT_TRUE(mine.complete);
    EXPECT_EQ(mine.colours, colours);
    // Back to "Default": the colours of "Colors".
    EXPECT_EQ(schemes.choose("Default", colours).colours, DefaultColours());
    schemes.saveColour("Default", SchemeColour::ListText, colours);
    EXPECT_EQ(ConfigFile(config.FileName()).ReadString("Colors", "List text", ""), "clRed");

    schemes.remove("Mine");
    schemes.remove("Default"); // not a named scheme: nothing
    EXPECT_EQ(schemes.names(), (std::vector<std::string>{"Default", "Five"}));
    EXPECT_EQ(ConfigFile(config.FileName()).ReadString("Book", "Page", ""), "2");
}

} // namespace
} // namespace qw

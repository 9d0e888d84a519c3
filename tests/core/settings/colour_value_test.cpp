#include "settings/colour_value.h"

#include <gtest/gtest.h>

namespace {

using qw::ColourValue;
using qw::SystemColour;

TEST(ColourValue, ParsesHexNamesAndSystemColours) {
    struct Case {
        const char* text;
        std::optional<ColourValue> value;
    };
    for (const Case& c : {Case{"$00E7E7E7", ColourValue{SystemColour::None, 0xE7E7E7}},
                          Case{"$00D2A6A6", ColourValue{SystemColour::None, 0xA6A6D2}}, // BBGGRR
                          Case{"$FF", ColourValue{SystemColour::None, 0xFF0000}},
                          Case{"clNavy", ColourValue{SystemColour::None, 0x000080}},
                          Case{"CLWHITE", ColourValue{SystemColour::None, 0xFFFFFF}},
                          Case{"clBtnface", ColourValue{SystemColour::ButtonFace, 0}},
                          Case{"clInfoBk", ColourValue{SystemColour::InfoBackground, 0}},
                          Case{"", std::nullopt}, Case{"$", std::nullopt},
                          Case{"$00GG0000", std::nullopt}, Case{"$0000000000", std::nullopt},
                          Case{"clNoSuchColour", std::nullopt}, Case{"red", std::nullopt}}) {
        EXPECT_EQ(qw::ParseColour(c.text), c.value) << c.text;
    }
}

TEST(ColourValue, FormatRoundTrips) {
    for (std::uint32_t rgb : {0x000000u, 0xA6A6D2u, 0x123456u, 0xFFFFFFu}) {
        const std::string text = qw::FormatColour(rgb);
        EXPECT_EQ(qw::ParseColour(text), (ColourValue{SystemColour::None, rgb})) << text;
    }
    EXPECT_EQ(qw::FormatColour(0x0000FF), "$00FF0000");
}

} // namespace

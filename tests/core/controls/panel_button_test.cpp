#include "controls/panel_button.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using qw::Bevel;
using qw::Bevels;
using qw::PanelButtonState;
using qw::TRaiseStyle;

constexpr PanelButtonState kIdle{};
constexpr PanelButtonState kInside{true, false, false, false};
constexpr PanelButtonState kFocused{false, false, true, false};
constexpr PanelButtonState kPressed{true, true, false, false};
constexpr PanelButtonState kDown{false, false, false, true};
constexpr PanelButtonState kDownInside{true, false, true, true};

TEST(PanelButton, BevelsForEveryStyleAndState) {
    const Bevels none{};
    const Bevels lowered{Bevel::None, Bevel::Lowered};
    const Bevels raised{Bevel::None, Bevel::Raised};
    const Bevels groove{Bevel::Raised, Bevel::Lowered};
    const Bevels wall{Bevel::Lowered, Bevel::Raised};
    struct Row {
        TRaiseStyle style;
        PanelButtonState state;
        Bevels expected;
    };
    const Row rows[] = {
        // A button that never raises shows no bevel, even pressed or down.
        {TRaiseStyle::rsNone, kIdle, none},
        {TRaiseStyle::rsNone, kInside, none},
        {TRaiseStyle::rsNone, kPressed, none},
        {TRaiseStyle::rsNone, kDown, none},
        // Pressed or down sinks; under the mouse or focused raises; idle by style.
        {TRaiseStyle::rsFlat, kIdle, none},
        {TRaiseStyle::rsFlat, kInside, raised},
        {TRaiseStyle::rsFlat, kFocused, raised},
        {TRaiseStyle::rsFlat, kPressed, lowered},
        {TRaiseStyle::rsFlat, kDown, lowered},
        {TRaiseStyle::rsGroove, kIdle, groove},
        {TRaiseStyle::rsGroove, kInside, raised},
        {TRaiseStyle::rsGroove, kDownInside, lowered},
        {TRaiseStyle::rsWall, kIdle, wall},
        {TRaiseStyle::rsWall, kFocused, raised},
        {TRaiseStyle::rsWall, kPressed, lowered},
    };
    for (const Row& row : rows) {
        const Bevels got = qw::ChooseBevels(row.style, row.state);
        EXPECT_EQ(got, row.expected)
            << "style " << static_cast<int>(row.style) << " inside " << row.state.inside
            << " pressed " << row.state.pressed << " focused " << row.state.focused << " down "
            << row.state.down;
    }
}

TEST(PanelButton, FaceCaptionFrameAndShift) {
    using qw::CaptionColour;
    using qw::FaceFill;
    struct Row {
        bool showRect;
        PanelButtonState state;
        FaceFill fill;
        CaptionColour caption;
    };
    const Row rows[] = {
        {false, kPressed, FaceFill::ButtonColour, CaptionColour::Font},
        {false, kInside, FaceFill::ButtonColour, CaptionColour::Font},
        {true, kIdle, FaceFill::ButtonColour, CaptionColour::Font},
        {true, kInside, FaceFill::HLColor, CaptionColour::HLTextColor},
        // Focus lights the caption but not the face.
        {true, kFocused, FaceFill::ButtonColour, CaptionColour::HLTextColor},
        {true, kPressed, FaceFill::DownColor, CaptionColour::DownTextColor},
        {true, kDown, FaceFill::DownColor, CaptionColour::DownTextColor},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(qw::ChooseFaceFill(row.showRect, row.state), row.fill);
        EXPECT_EQ(qw::ChooseCaptionColour(row.showRect, row.state), row.caption);
    }
    EXPECT_FALSE(qw::ShowsHighlightFrame(false, kInside));
    EXPECT_FALSE(qw::ShowsHighlightFrame(true, kIdle));
    EXPECT_TRUE(qw::ShowsHighlightFrame(true, kInside));
    EXPECT_TRUE(qw::ShowsHighlightFrame(true, kFocused));
    // The caption moves one pixel only when drawn pressed and the style raises.
    EXPECT_EQ(qw::CaptionShift(TRaiseStyle::rsNone, kPressed), 0);
    EXPECT_EQ(qw::CaptionShift(TRaiseStyle::rsFlat, kPressed), 1);
    EXPECT_EQ(qw::CaptionShift(TRaiseStyle::rsGroove, kDown), 1);
    EXPECT_EQ(qw::CaptionShift(TRaiseStyle::rsWall, kInside), 0);
}

TEST(PanelButton, HintTimeCountsCharactersNotBytes) {
    EXPECT_EQ(qw::HintDisplayMs(""), 500);
    EXPECT_EQ(qw::HintDisplayMs("Open"), 660);
    EXPECT_EQ(qw::HintDisplayMs("Gr\xC3\xBC\xC3\x9F"
                                "e"),
              500 + 5 * 40);                           // "Grüße"
    EXPECT_EQ(qw::HintDisplayMs("\xE2\x82\xAC"), 540); // one euro sign
    EXPECT_EQ(qw::HintDisplayMs(std::string(1000, 'x')), 40500);
}

} // namespace

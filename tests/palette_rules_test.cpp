#include "mainwindow/model/PaletteRules.h"

#include <gtest/gtest.h>

#include <algorithm>

using PaletteRules::HexCaption;
using PaletteRules::Pick;
using PaletteRules::PickRule;
using PaletteRules::PickWithinRange;

namespace {

void ExpectPick(const Pick &p, int row, int scroll)
{
    EXPECT_EQ(p.squareRow, row);
    EXPECT_EQ(p.scrollValue, scroll);
}

} // namespace

TEST(PaletteRulesTest, SquareTopsAndRows)
{
    const int tops[] = {120, 1080, 2040, 3000, 3960, 4920};
    for (int r = 0; r < PaletteRules::Rows; ++r) {
        EXPECT_EQ(PaletteRules::SquareTop(r), tops[r]);
        EXPECT_EQ(PaletteRules::RowOfTop(tops[r]), r);
    }
    for (int top : {0, 119, 121, 600, 4919, 5880, -840})
        EXPECT_EQ(PaletteRules::RowOfTop(top), -1) << top;
}

TEST(PaletteRulesTest, PickRuleWithLastBlock127)
{
    ExpectPick(PickRule(0, 127), 0, 0);
    ExpectPick(PickRule(120, 127), 0, 120);
    // The threshold is L - 6: block 121 already goes to the bottom row.
    ExpectPick(PickRule(121, 127), 5, 116);
    ExpectPick(PickRule(126, 127), 5, 121);
    ExpectPick(PickRule(127, 127), 5, 122);
}

TEST(PaletteRulesTest, PickRuleIsSigned)
{
    // Negative blocks (bytes below the block offset) compare below the threshold.
    ExpectPick(PickRule(-1, 127), 0, -1);
    ExpectPick(PickRule(-32768, 127), 0, -32768);
    // A small tileset: L - 6 is negative, so every block goes to the bottom row.
    ExpectPick(PickRule(0, 3), 5, -5);
    ExpectPick(PickRule(32767, 32767), 5, 32762);
}

TEST(PaletteRulesTest, WithinRangeAgreesWithTheRuleWhereTheRuleFits)
{
    for (int last : {11, 12, 50, 127, 255})
        for (int b = 0; b <= last; ++b) {
            const Pick rule = PickRule(std::int16_t(b), std::int16_t(last));
            const Pick kept = PickWithinRange(std::int16_t(b), std::int16_t(last));
            ASSERT_GE(rule.scrollValue, 0);
            ASSERT_LE(rule.scrollValue, last - 5);
            EXPECT_EQ(kept.squareRow, rule.squareRow) << b << " of " << last;
            EXPECT_EQ(kept.scrollValue, rule.scrollValue) << b << " of " << last;
        }
}

TEST(PaletteRulesTest, WithinRangeClampsTheScrollValue)
{
    // Fewer than six blocks: the palette stays at 0 and the square goes onto b.
    for (int b = 0; b <= 3; ++b)
        ExpectPick(PickWithinRange(std::int16_t(b), 3), b, 0);
    // Small tileset, b <= 4 but not below L - 6: the rule would scroll below 0.
    ExpectPick(PickWithinRange(4, 10), 4, 0);
    ExpectPick(PickWithinRange(3, 8), 3, 0);
    ExpectPick(PickWithinRange(1, 8), 0, 1);  // the rule fits here and is kept
    // A block beyond the last one: the palette ends at L and the square takes the bottom.
    ExpectPick(PickWithinRange(200, 127), 5, 122);
    ExpectPick(PickWithinRange(128, 127), 5, 122);
    // Negative blocks cannot be shown: top row of the unscrolled palette.
    ExpectPick(PickWithinRange(-1, 127), 0, 0);
    ExpectPick(PickWithinRange(-32768, 3), 0, 0);
    // A nonsensical last block still yields a valid place.
    ExpectPick(PickWithinRange(2, -1), 2, 0);
}

TEST(PaletteRulesTest, WithinRangeAlwaysInRangeAndSelectsBWhenVisible)
{
    for (int last = -2; last <= 20; ++last)
        for (int b = -3; b <= 30; ++b) {
            const Pick p = PickWithinRange(std::int16_t(b), std::int16_t(last));
            const int maxScroll = std::max(0, last - 5);
            ASSERT_GE(p.scrollValue, 0) << b << " of " << last;
            ASSERT_LE(p.scrollValue, maxScroll) << b << " of " << last;
            ASSERT_GE(p.squareRow, 0);
            ASSERT_LE(p.squareRow, 5);
            if (b >= 0 && b <= std::max(last, 5)) {
                EXPECT_EQ(p.scrollValue + p.squareRow, b) << b << " of " << last;
            }
        }
}

TEST(PaletteRulesTest, HexCaptions)
{
    EXPECT_EQ(HexCaption(0), "Hex: 00");
    EXPECT_EQ(HexCaption(10), "Hex: 0A");
    EXPECT_EQ(HexCaption(63), "Hex: 3F");
    EXPECT_EQ(HexCaption(255), "Hex: FF");
    EXPECT_EQ(HexCaption(256), "Hex: 100");
    EXPECT_EQ(HexCaption(0xABCD), "Hex: ABCD");
    EXPECT_EQ(HexCaption(-1), "Hex: -01");
    EXPECT_EQ(HexCaption(-300), "Hex: -12C");
    EXPECT_EQ(HexCaption(-2147483647 - 1), "Hex: -80000000");
}

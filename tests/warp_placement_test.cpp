// The event placement of a moved warp-to point and the square grid's gridline rule.
#include "warps/model/EventPlacement.h"
#include "warps/model/SquareViewFrame.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(EventPlacementTest, CarriesAndBorrowsSplitTheSumIntoTwoBytes)
{
    struct Case { int w, bx, by, adjust, low, high; };
    for (const Case c : {Case{20, 0, 0, 0, 3, 199},     // 259: one carry, C703
                         Case{16, 0, 0, 0, 255, 198},   // 255 stays
                         Case{17, 0, 0, 0, 0, 199},     // 256 carries
                         Case{10, 0, 0, -300, 205, 197}, // -51: one borrow
                         Case{10, 3, 2, -300, 240, 197}}) {
        const EventPlacement::Value v = EventPlacement::Compute(c.w, c.bx, c.by, c.adjust);
        EXPECT_EQ(v.Low, c.low) << c.w << ' ' << c.adjust;
        EXPECT_EQ(v.High, c.high) << c.w << ' ' << c.adjust;
    }
    // The games' own formula: C6E8 + 7 + W + (W + 6) by + bx.
    EXPECT_EQ(EventPlacement::Compute(20, 5, 7, 0).Whole(), 0xC6E8 + 7 + 20 + 26 * 7 + 5);

    // The sum may reach 14847 and -50688, no further.
    EXPECT_EQ(EventPlacement::Compute(0, 0, 0, 14847 - 239).Whole(), 65535);
    EXPECT_FALSE(EventPlacement::Compute(0, 0, 0, 14848 - 239).Fits());
    EXPECT_EQ(EventPlacement::Compute(0, 0, 0, -50688 - 239).Whole(), 0);
    EXPECT_FALSE(EventPlacement::Compute(0, 0, 0, -50689 - 239).Fits());
}

TEST(SquareViewFrameTest, FittingShowsExactlyTheLinesInsideTheMap)
{
    for (int w = 1; w <= 9; ++w)
        for (int h = 1; h <= 7; ++h) {
            SquareViewFrame f = SquareViewFrame::Design();
            f.Fit(w, h);
            EXPECT_EQ(f.ShapeWidth, 960 * std::min(w, 8) + 15);
            EXPECT_EQ(f.ShapeHeight, 960 * std::min(h, 6) + 15);
            int vertical = 0, horizontal = 0;
            for (int k = 1; k <= SquareViewFrame::LineCount; ++k) {
                const bool vert = SquareViewFrame::IsVertical(k);
                const int edge = 120 + 960 * (vert ? w : h);
                EXPECT_EQ(f.LineVisible[k], SquareViewFrame::Position(k) < edge) << "Line" << k;
                (f.LineVisible[k] ? (vert ? vertical : horizontal) : k)++;
                // Every line ends on the frame.
                EXPECT_EQ(vert ? f.LineY2[k] : f.LineX2[k], 120 + (vert ? f.ShapeHeight : f.ShapeWidth));
            }
            EXPECT_EQ(vertical, 2 * std::min(w, 8) - 1);
            EXPECT_EQ(horizontal, 2 * std::min(h, 6) - 1);
        }
    // The names run 1..7 and 13..20 across, 8..12 and 21..26 down.
    EXPECT_EQ(SquareViewFrame::Position(7), 3480);
    EXPECT_EQ(SquareViewFrame::Position(13), 3960);
    EXPECT_EQ(SquareViewFrame::Position(12), 2520);
    EXPECT_EQ(SquareViewFrame::Position(21), 3000);

    // A size below one leaves that direction as it was.
    SquareViewFrame f = SquareViewFrame::Design();
    f.Fit(3, 2);
    f.ShowLines(1, SquareViewFrame::LineCount);
    f.Fit(0, 4);
    EXPECT_EQ(f.ShapeWidth, 2895);
    EXPECT_EQ(f.ShapeHeight, 3855);
    EXPECT_TRUE(f.LineVisible[20]);
    EXPECT_EQ(f.LineX2[8], 3015);
    f.FitFrameOnly(-1, 0);
    EXPECT_EQ(f.ShapeWidth, 2895);
    EXPECT_EQ(f.ShapeHeight, 3855);
}

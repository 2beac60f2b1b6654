// The event editor's frame and 26 gridlines fitted to a map's size.
#include "events/model/EventGridLines.h"

#include <gtest/gtest.h>

namespace {

// The hidden lines of one direction, as line numbers.
std::vector<int> Hidden(const EventGridLines &g, bool vertical)
{
    std::vector<int> out;
    for (int n = 1; n <= EventGridLines::Lines; ++n)
        if (EventGridLines::IsVertical(n) == vertical && !g.LineVisible[n])
            out.push_back(n);
    return out;
}

} // namespace

TEST(EventGridLinesTest, LinesOnOrBeyondTheMapsEdgeAreHidden)
{
    EventGridLines g = EventGridLines::Design();
    g.FitWidth(1); // the line on a one-block map's edge stays
    EXPECT_EQ(Hidden(g, true), (std::vector<int>{3, 4, 5, 6, 7, 13, 14, 15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(g.LineX2[26], 120 + 975);
    g = EventGridLines::Design();
    g.FitWidth(5);
    EXPECT_EQ(Hidden(g, true), (std::vector<int>{15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(g.ShapeWidth, 4815);
    g.FitHeight(2);
    EXPECT_EQ(Hidden(g, false), (std::vector<int>{11, 12, 21, 22, 23, 24, 25, 26}));
    EXPECT_EQ(g.LineY2[20], 120 + 1935);

    g = EventGridLines::Design();
    g.FitWidth(20);
    g.FitHeight(6);
    EXPECT_TRUE(Hidden(g, true).empty() && Hidden(g, false).empty());
    EXPECT_EQ(g.LineX2[8], 120 + 7695);
    EXPECT_EQ(g.LineY2[1], 120 + 5775);

    // A size below 1 leaves its direction as it was.
    g.FitWidth(0);
    g.FitFrameOnly(-1, 2);
    EXPECT_EQ(g.ShapeWidth, 7695);
    EXPECT_EQ(g.ShapeHeight, 1935);
}

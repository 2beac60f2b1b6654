#include "mainwindow/model/ViewFrame.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The visible lines of a frame, as a set of line numbers.
std::set<int> VisibleLines(const ViewFrame &f)
{
    std::set<int> on;
    for (int k = 1; k <= 12; ++k)
        if (f.LineVisible[k])
            on.insert(k);
    return on;
}

std::set<int> Range(int first, int last)
{
    std::set<int> s;
    for (int k = first; k <= last; ++k)
        s.insert(k);
    return s;
}

// As the gridline toggle and a load with gridlines on do it.
ViewFrame FittedWithLines(int w, int h)
{
    ViewFrame f = ViewFrame::Design();
    f.ShowAllLines();
    f.Fit(w, h);
    return f;
}

void ExpectVerticalEnds(const ViewFrame &f, int y2)
{
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(f.LineY2[k], y2) << "Line" << k;
}

void ExpectHorizontalEnds(const ViewFrame &f, int x2)
{
    for (int k = 8; k <= 12; ++k)
        EXPECT_EQ(f.LineX2[k], x2) << "Line" << k;
}

} // namespace

TEST(ViewFrameTest, DesignAndLinePositions)
{
    const ViewFrame f = ViewFrame::Design();
    EXPECT_EQ(f.ShapeWidth, 7695);
    EXPECT_EQ(f.ShapeHeight, 5775);
    EXPECT_EQ(VisibleLines(f), Range(1, 12));
    ExpectVerticalEnds(f, 5880);
    ExpectHorizontalEnds(f, 7800);

    const int xs[] = {1080, 2040, 3000, 3960, 4920, 5880, 6840};
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(ViewFrame::LineX(k), xs[k - 1]);
    const int ys[] = {1080, 2040, 3000, 3960, 4920};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(ViewFrame::LineY(k), ys[k - 1]);
}

TEST(ViewFrameTest, WidthPartFollowsTheTable)
{
    struct Row { int w, shapeWidth, lastVisibleVertical, x2; };
    const Row table[] = {
        {1, 975, 0, 1095},   {2, 1935, 1, 2055},  {3, 2895, 2, 3015},
        {4, 3855, 3, 3975},  {5, 4815, 4, 4935},  {6, 5775, 5, 5895},
        {7, 6735, 6, 6855},  {8, 7695, 7, 7815},  {9, 7695, 7, 7815},
        {255, 7695, 7, 7815},
    };
    for (const Row &row : table) {
        SCOPED_TRACE("width " + std::to_string(row.w));
        ViewFrame f = ViewFrame::Design();
        f.ShowAllLines();
        f.FitWidth(row.w);
        EXPECT_EQ(f.ShapeWidth, row.shapeWidth);
        EXPECT_EQ(f.ShapeHeight, 5775);
        std::set<int> expected = Range(1, row.lastVisibleVertical);
        for (int k : Range(8, 12))
            expected.insert(k);
        EXPECT_EQ(VisibleLines(f), expected);
        ExpectHorizontalEnds(f, row.x2);
        ExpectVerticalEnds(f, 5880);
    }
}

TEST(ViewFrameTest, HeightPartFollowsTheTable)
{
    struct Row { int h, shapeHeight, lastVisibleHorizontal, y2; };
    const Row table[] = {
        {1, 975, 7, 1095},  {2, 1935, 8, 2055},  {3, 2895, 9, 3015},
        {4, 3855, 10, 3975}, {5, 4815, 11, 4935}, {6, 5775, 12, 5895},
        {7, 5775, 12, 5895}, {255, 5775, 12, 5895},
    };
    for (const Row &row : table) {
        SCOPED_TRACE("height " + std::to_string(row.h));
        ViewFrame f = ViewFrame::Design();
        f.ShowAllLines();
        f.FitHeight(row.h);
        EXPECT_EQ(f.ShapeHeight, row.shapeHeight);
        EXPECT_EQ(f.ShapeWidth, 7695);
        std::set<int> expected = Range(1, 7);
        for (int k : Range(8, row.lastVisibleHorizontal))
            expected.insert(k);
        EXPECT_EQ(VisibleLines(f), expected);
        ExpectVerticalEnds(f, row.y2);
        ExpectHorizontalEnds(f, 7800);
    }
}

TEST(ViewFrameTest, WholeRuleOnTypicalMaps)
{
    {
        SCOPED_TRACE("8 x 6 fills the view");
        const ViewFrame f = FittedWithLines(8, 6);
        EXPECT_EQ(f.ShapeWidth, 7695);
        EXPECT_EQ(f.ShapeHeight, 5775);
        EXPECT_EQ(VisibleLines(f), Range(1, 12));
    }
    {
        SCOPED_TRACE("5 x 3");
        const ViewFrame f = FittedWithLines(5, 3);
        EXPECT_EQ(f.ShapeWidth, 4815);
        EXPECT_EQ(f.ShapeHeight, 2895);
        EXPECT_EQ(VisibleLines(f), (std::set<int>{1, 2, 3, 4, 8, 9}));
        ExpectHorizontalEnds(f, 4935);
        ExpectVerticalEnds(f, 3015);
    }
    {
        SCOPED_TRACE("2 wide");
        const ViewFrame f = FittedWithLines(2, 6);
        std::set<int> expected = Range(8, 12);
        expected.insert(1);
        EXPECT_EQ(VisibleLines(f), expected);
    }
    {
        SCOPED_TRACE("10 x 4: all vertical lines, ending on the frame's bottom");
        const ViewFrame f = FittedWithLines(10, 4);
        EXPECT_EQ(VisibleLines(f), (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        ExpectVerticalEnds(f, 3975);
        EXPECT_EQ(ViewFrame::Origin + f.ShapeHeight, 3975);
        ExpectHorizontalEnds(f, 7815);
    }
}

TEST(ViewFrameTest, LinesKeepTheirVisibilityBelowTheEdge)
{
    // Only lines on or past the edge are touched; a line already hidden stays hidden.
    ViewFrame f = ViewFrame::Design();
    f.HideAllLines();
    f.LineVisible[2] = true;
    f.LineVisible[9] = true;
    f.Fit(8, 6);
    EXPECT_EQ(VisibleLines(f), (std::set<int>{2, 9}));
}

TEST(ViewFrameTest, SizeBelowOneLeavesThatDirection)
{
    ViewFrame before = FittedWithLines(3, 4);
    for (int bad : {0, -1, -32768}) {
        SCOPED_TRACE(bad);
        ViewFrame f = before;
        f.ShowAllLines();
        f.Fit(bad, 2);
        EXPECT_EQ(f.ShapeWidth, before.ShapeWidth);
        ExpectHorizontalEnds(f, 3015);  // as the 3 x 4 fit left them
        ExpectVerticalEnds(f, 2055);
        EXPECT_EQ(VisibleLines(f), (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));

        f = before;
        f.ShowAllLines();
        f.Fit(2, bad);
        EXPECT_EQ(f.ShapeHeight, before.ShapeHeight);
        EXPECT_EQ(f.ShapeWidth, 1935);
        ExpectHorizontalEnds(f, 2055);
        ExpectVerticalEnds(f, 3975);  // as the 3 x 4 fit left them
        EXPECT_EQ(VisibleLines(f), (std::set<int>{1, 8, 9, 10, 11, 12}));

        f = before;
        f.FitFrameOnly(bad, bad);
        EXPECT_EQ(f.ShapeWidth, before.ShapeWidth);
        EXPECT_EQ(f.ShapeHeight, before.ShapeHeight);
    }
}

TEST(ViewFrameTest, FrameOnlyLeavesTheLines)
{
    // Gridlines off, then a narrower map is loaded, then gridlines on again.
    ViewFrame f = FittedWithLines(8, 6);
    f.HideAllLines();
    EXPECT_EQ(f.ShapeWidth, 7695);
    EXPECT_EQ(f.ShapeHeight, 5775);

    const ViewFrame hidden = f;
    f.FitFrameOnly(3, 2);
    EXPECT_EQ(f.ShapeWidth, 2895);
    EXPECT_EQ(f.ShapeHeight, 1935);
    EXPECT_TRUE(VisibleLines(f).empty());
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(f.LineX2[k], hidden.LineX2[k]);
        EXPECT_EQ(f.LineY2[k], hidden.LineY2[k]);
    }

    f.ShowAllLines();
    f.Fit(3, 2);
    EXPECT_EQ(VisibleLines(f), (std::set<int>{1, 2, 8}));
    ExpectHorizontalEnds(f, 3015);
    ExpectVerticalEnds(f, 2055);
}

TEST(ViewFrameTest, FrameOnlyMatchesTheWholeRule)
{
    for (int w = -1; w <= 10; ++w)
        for (int h = -1; h <= 8; ++h) {
            ViewFrame whole = ViewFrame::Design();
            ViewFrame frame = whole;
            whole.Fit(w, h);
            frame.FitFrameOnly(w, h);
            EXPECT_EQ(frame.ShapeWidth, whole.ShapeWidth) << w << " x " << h;
            EXPECT_EQ(frame.ShapeHeight, whole.ShapeHeight) << w << " x " << h;
        }
}

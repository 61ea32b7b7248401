#include "RecordingDC.h"

#include <gtest/gtest.h>

namespace {

using Line = RecordingDC::Line;
using Text = RecordingDC::Text;

TEST(CDC, ModesReturnThePreviousAndRefuseUnknownValues) {
    RecordingDC dc;
    EXPECT_EQ(dc.SetMapMode(MM_LOMETRIC), MM_TEXT);
    EXPECT_EQ(dc.SetMapMode(7), 0);
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);

    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetBkMode(0), 0);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);

    EXPECT_EQ(dc.SetBkColor(RGB(1, 2, 3)), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
}

TEST(CDC, LinesRunFromTheCurrentPositionWithTheSelectedPen) {
    RecordingDC dc;
    const CPen red(PS_DOT, 3, RGB(255, 0, 0));
    EXPECT_EQ(dc.SelectObject(red), CPen());
    EXPECT_EQ(dc.MoveTo(10, -20), (POINT{0, 0}));
    dc.LineTo(30, -40);
    EXPECT_EQ(dc.SelectObject(CPen()), red);
    dc.LineTo(50, -60);

    const std::vector<Line> expected = {{{10, -20}, {30, -40}, red},
                                        {{30, -40}, {50, -60}, CPen()}};
    EXPECT_EQ(dc.Lines(), expected);
    EXPECT_EQ(dc.MoveTo(0, 0), (POINT{50, -60}));
}

TEST(CDC, TextsUseTheSelectedFontAndEmptyTextsDrawNothing) {
    RecordingDC dc;
    const CFont mincho("mincho", 30, FW_BOLD);
    EXPECT_EQ(dc.SelectObject(mincho), CFont());
    dc.TextOut(5, -6, "");
    dc.TextOut(7, -8, "\x93\xFA");

    const std::vector<Text> expected = {{{7, -8}, "\x93\xFA", mincho}};
    EXPECT_EQ(dc.Texts(), expected);
}

} // namespace

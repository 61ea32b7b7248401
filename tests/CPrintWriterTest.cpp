#include "print/CPrintWriter.h"

#include "RecordFixture.h"
#include "RecordingDC.h"

#include <gtest/gtest.h>

namespace {

using Line = RecordingDC::Line;
using Text = RecordingDC::Text;

const CPen kBlack4(PS_SOLID, 4, RGB(0, 0, 0));

struct ToDeviceCase {
    const char* name;
    bool withDC;
    int modeAtConstruction;
    int modeLater;
    int x, y, scale;
    int expectedX, expectedY;
};

class CPrintWriterToDevice : public testing::TestWithParam<ToDeviceCase> {};

TEST_P(CPrintWriterToDevice, ScalesAndTurnsYUpOnlyUnderLoMetricAtConstruction) {
    const ToDeviceCase& c = GetParam();
    RecordingDC dc;
    dc.SetMapMode(c.modeAtConstruction);
    CPrintWriter writer(c.withDC ? &dc : nullptr, 30, FW_NORMAL);
    dc.SetMapMode(c.modeLater);

    int x = c.x;
    int y = c.y;
    writer.ToDevice(x, y, c.scale);
    EXPECT_EQ(x, c.expectedX) << c.name;
    EXPECT_EQ(y, c.expectedY) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CPrintWriterToDevice,
    testing::Values(
        ToDeviceCase{"Millimetres", true, MM_LOMETRIC, MM_LOMETRIC, 285, 198, 10, 2850, -1980},
        ToDeviceCase{"Tenths", true, MM_LOMETRIC, MM_LOMETRIC, 70, 40, 1, 70, -40},
        ToDeviceCase{"NegativePageY", true, MM_LOMETRIC, MM_LOMETRIC, 3, -6, 10, 30, 60},
        ToDeviceCase{"Pixels", true, MM_TEXT, MM_TEXT, 285, 198, 10, 285, 198},
        ToDeviceCase{"ModeKept", true, MM_TEXT, MM_LOMETRIC, 285, 198, 10, 285, 198},
        ToDeviceCase{"NoDevice", false, MM_LOMETRIC, MM_LOMETRIC, 285, 198, 10, 285, 198}),
    [](const auto& c) { return std::string(c.param.name); });

class CPrintWriterDrawing : public testing::Test {
protected:
    CPrintWriterDrawing() { dc.SetMapMode(MM_LOMETRIC); }
    RecordingDC dc;
};

TEST_F(CPrintWriterDrawing, LineIsBlackInLogicalWidthAndGivesThePenBack) {
    const CPen previous(PS_DASH, 2, RGB(0, 0, 255));
    dc.SelectObject(previous);
    CPrintWriter writer(&dc, 30, FW_NORMAL);
    writer.DrawLine(5, 10, 285, 10, 4, PS_SOLID, 10);
    dc.LineTo(0, 0);

    const std::vector<Line> expected = {{{50, -100}, {2850, -100}, kBlack4},
                                        {{2850, -100}, {0, 0}, previous}};
    EXPECT_EQ(dc.Lines(), expected);
}

TEST_F(CPrintWriterDrawing, BoxDrawsTopLeftBottomRight) {
    CPrintWriter writer(&dc, 30, FW_NORMAL);
    writer.DrawBox(5, 10, 285, 198, 4, PS_SOLID, 10);

    const std::vector<Line> expected = {{{50, -100}, {2850, -100}, kBlack4},
                                        {{50, -100}, {50, -1980}, kBlack4},
                                        {{50, -1980}, {2850, -1980}, kBlack4},
                                        {{2850, -100}, {2850, -1980}, kBlack4}};
    EXPECT_EQ(dc.Lines(), expected);
}

TEST_F(CPrintWriterDrawing, StringUsesTheWritersMinchoAndGivesTheFontBack) {
    const CFont previous("other", 12, FW_NORMAL);
    dc.SelectObject(previous);
    CPrintWriter bold(&dc, 45, FW_BOLD);
    bold.DrawString(70, 40, Sjis("勤務表"), 1);
    dc.TextOut(1, 2, "x");

    const std::vector<Text> expected = {
        {{70, -40}, Sjis("勤務表"), {Sjis("ＭＳ 明朝"), 45, FW_BOLD}}, {{1, 2}, "x", previous}};
    EXPECT_EQ(dc.Texts(), expected);
}

} // namespace

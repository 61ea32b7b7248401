#include "print/CMonthlyPrintout.h"

#include "PrintExpectations.h"

#include <gtest/gtest.h>

namespace {

using Text = RecordingDC::Text;

TEST(CPrintout, PreparesTheDeviceForTransparentTextInTenthsOfAMillimetre) {
    RecordingDC dc;
    CMonthlyPrintout printout(dc);
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 255));
}

struct PutCellCase {
    const char* name;
    int column, row, dx, dy, font;
    POINT expected; // tenths of a millimetre, y up
    const CFont* expectedFont;
};

class CPrintoutPutCell : public testing::TestWithParam<PutCellCase> {};

// On the monthly sheet: top 10, left 5, widths 5, 26, 8..., rows of 4 mm. The first text of
// a printout already comes out in tenths of a millimetre.
TEST_P(CPrintoutPutCell, PlacesTheTextsTopLeftCornerInTheCell) {
    const PutCellCase& c = GetParam();
    RecordingDC dc;
    CMonthlyPrintout printout(dc);
    printout.PutCell(c.column, c.row, c.dx, c.dy, "x", c.font);

    if (c.expectedFont == nullptr) {
        EXPECT_TRUE(dc.Texts().empty()) << c.name;
        return;
    }
    const std::vector<Text> expected = {{c.expected, "x", *c.expectedFont}};
    EXPECT_EQ(dc.Texts(), expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CPrintoutPutCell,
    testing::Values(PutCellCase{"Title", 0, 0, 2, -12, 3, {70, -40}, &kBold},
                    PutCellCase{"Comment", 8, 0, 0, -12, 3, {840, -40}, &kBold},
                    PutCellCase{"Header", 1, 0, 1, 1, 0, {110, -105}, &kNormal},
                    PutCellCase{"Day31OfRow40", 32, 40, 1, 1, 0, {2770, -1705}, &kNormal},
                    PutCellCase{"FirstLegendRow", 0, 41, 1, 1, 0, {60, -1745}, &kNormal},
                    PutCellCase{"BelowTheFrame", 0, 47, 1, 1, 0, {60, -1985}, &kNormal},
                    PutCellCase{"Font1", 0, 0, 1, 1, 1, {}, nullptr},
                    PutCellCase{"FontMinus1", 0, 0, 1, 1, -1, {}, nullptr}),
    [](const auto& c) { return std::string(c.param.name); });

} // namespace

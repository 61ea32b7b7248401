#include "controls/ControlGeometry.h"

#include <QFontInfo>
#include <QFrame>
#include <gtest/gtest.h>
#include <ostream>

static std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

struct ScaleCase {
    long lfHeight;
    RECT rect;
    RECT expected;
};

TEST(ScaleRectToFont, ScalesEachEdgeAndCutsTowardZero) {
    const ScaleCase cases[] = {
        {-12, {1, 16, 50, 300}, {1, 16, 50, 300}},
        {-12, {610, 10, 750, 30}, {610, 10, 750, 30}},
        // 1.25: 1.33125 -> 1, 66.5625 -> 66; heights exact
        {-15, {1, 16, 50, 300}, {1, 20, 66, 375}},
        {-15, {1, 1, 50, 16}, {1, 1, 66, 20}},
        {-15, {101, 16, 150, 300}, {134, 20, 199, 375}},
        {-15, {610, 10, 750, 30}, {812, 12, 998, 37}},
        {-15, {-7, -1, 0, 0}, {-9, -1, 0, 0}}, // -9.31875, -1.25: toward zero, not down
        {-18, {1, 16, 50, 300}, {1, 24, 79, 450}},
        {-18, {51, 1, 100, 16}, {81, 1, 159, 24}},
        {-18, {610, 10, 750, 30}, {974, 15, 1198, 45}}, // 974.475 in double is 974.4749...
        // 100 x 2 x 1.065 lies just below 213: double precision would round it up to 213
        {-24, {51, 16, 100, 300}, {108, 32, 212, 600}},
        // only -12 is left alone; +12 still gets the width factor
        {12, {1, 16, 50, 300}, {1, 16, 53, 300}},
    };
    for (const ScaleCase& c : cases) {
        EXPECT_EQ(ScaleRectToFont(c.rect, c.lfHeight), c.expected)
            << "height " << c.lfHeight << ", rect " << c.rect;
    }
}

TEST(ControlFont, HeightFollowsTheScreenResolution) {
    const struct {
        int dpi;
        long height;
    } cases[] = {{96, -12}, {120, -15}, {144, -18}, {72, -9}, {101, -12}};
    for (const auto& c : cases)
        EXPECT_EQ(ControlFontHeight(c.dpi), c.height) << c.dpi << " dpi";
}

TEST(ControlFont, IsTheGothicFaceAtThatPixelSize) {
    for (const int dpi : {96, 120, 144}) {
        const QFont font = ControlFont(dpi);
        EXPECT_EQ(font.family(), QStringLiteral("ＭＳ ゴシック"));
        EXPECT_EQ(font.pixelSize(), -ControlFontHeight(dpi));
        EXPECT_EQ(font.weight(), QFont::Normal);
        EXPECT_EQ(LogFontHeight(font), ControlFontHeight(dpi));
    }
    // The substitution installed at start-up finds a Japanese face for it.
    EXPECT_TRUE(QFontInfo(ControlFont(96)).family().startsWith(QStringLiteral("IPA")))
        << QFontInfo(ControlFont(96)).family().toStdString();
}

TEST(ControlFont, HeightOfAPointSizedFontComesFromTheResolvedFont) {
    QFont font(QStringLiteral("IPAGothic"));
    font.setPointSize(9);
    EXPECT_EQ(LogFontHeight(font), -QFontInfo(font).pixelSize());
    EXPECT_LT(LogFontHeight(font), 0);
}

TEST(PlaceChild, PutsTheChildInsideTheParentsFrame) {
    QFrame parent;
    parent.setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    QWidget child;
    ASSERT_TRUE(PlaceChild(&child, &parent, {155, 16, 190, 34}, WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(child.parentWidget(), &parent);
    EXPECT_EQ(child.geometry(), QRect(157, 18, 35, 18));
    EXPECT_FALSE(child.isHidden());

    QWidget plainParent;
    QWidget hidden;
    ASSERT_TRUE(PlaceChild(&hidden, &plainParent, {210, 10, 600, 30}, WS_CHILD));
    EXPECT_EQ(hidden.geometry(), QRect(210, 10, 390, 20));
    plainParent.show();
    EXPECT_TRUE(hidden.isHidden());
}

TEST(PlaceChild, FailsWithoutAParent) {
    QWidget child;
    EXPECT_FALSE(PlaceChild(&child, nullptr, {0, 0, 10, 10}, WS_CHILD | WS_VISIBLE));
    EXPECT_TRUE(child.isHidden());
}

} // namespace

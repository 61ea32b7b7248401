#include "controls/CInfoLabel.h"

#include "platform/SjisText.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kGrey = 0x00E0E0E0;
constexpr COLORREF kBlue = 0x00FF0000;
constexpr QRgb kGreyRgb = 0xFFE0E0E0;

// Text is smoothed: count the pixels that are clearly blue.
bool IsBluish(QRgb pixel) {
    return qBlue(pixel) > qRed(pixel) + 60 && qBlue(pixel) > qGreen(pixel) + 60;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

class CInfoLabelTest : public testing::Test {
protected:
    void SetUp() override {
        m_parent.resize(800, 40);
        m_parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_parent));
    }

    // The legend as the roster view makes it, with a ticker of width cells.
    void CreateTicker(const std::string& text, int width) {
        ASSERT_TRUE(m_label.Create(text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, {210, 10, 600, 30},
                                   kGrey, kBlue, &m_parent, FALSE));
        m_label.SetScrollMode(1, width);
    }

    int PaintsAfterStep() {
        PaintCounter counter(&m_label);
        m_label.TickerStep();
        QCoreApplication::sendPostedEvents();
        return counter.count;
    }

    QWidget m_parent;
    CInfoLabel m_label;
};

TEST_F(CInfoLabelTest, TextOfTheWidthStandsStillOneByteMoreMoves) {
    CreateTicker("abcde", 5);
    m_label.TickerStep();
    EXPECT_EQ(m_label.Text(), "abcde");

    m_label.SetText("abcdef");
    m_label.TickerStep();
    EXPECT_EQ(m_label.Text(), "bcdef");
}

TEST_F(CInfoLabelTest, TheLegendsFirstTextStandsStill) {
    const std::string first = sjis::FromUtf8("ここに選択する項目内容が表示されます。");
    ASSERT_EQ(first.size(), 38u);
    CreateTicker(first, 65);
    for (int i = 0; i < 3; ++i)
        m_label.TickerStep();
    EXPECT_EQ(m_label.Text(), first);
}

struct StepCase {
    const char* name;
    std::string text;
    std::string afterOneStep;
};

TEST_F(CInfoLabelTest, AStepRemovesOneWholeCharacter) {
    const StepCase cases[] = {
        {"double-byte",
         "\x93\xFA\x8B\xCE"
         "abc",
         "\x8B\xCE"
         "abc"},
        {"trail byte below 0x80", "\x83\x41xyz", "xyz"},
        {"half-width kana", "\xB1\xB2xyz", "\xB2xyz"},
        {"lead byte with a space after it", "\x81 xyz", " xyz"},
        {"lead byte with 0x7F after it", "\x81\x7Fxyz", "\x7Fxyz"},
        {"lead byte at the end", "\x81", ""},
    };
    CreateTicker("", 0);
    for (const StepCase& c : cases) {
        m_label.SetText(c.text);
        m_label.TickerStep();
        EXPECT_EQ(m_label.Text(), c.afterOneStep) << c.name;
    }
}

TEST_F(CInfoLabelTest, TextEntersAgainFromTheRightAfterOneBlankStep) {
    CreateTicker("\x93\xFA"
                 "ab",
                 3); // 4 bytes in 3 cells
    const std::vector<std::string> expected = {
        "ab",
        "b",
        "",
        "   \x93\xFA"
        "ab",
        "  \x93\xFA"
        "ab",
        " \x93\xFA"
        "ab",
        "\x93\xFA"
        "ab",
        "ab",
    };
    for (const std::string& text : expected) {
        m_label.TickerStep();
        EXPECT_EQ(m_label.Text(), text);
    }
}

TEST_F(CInfoLabelTest, SetTextWhileMovingStartsAtItsFirstCharacter) {
    CreateTicker("abcdefgh", 4);
    m_label.TickerStep();
    m_label.TickerStep();
    ASSERT_EQ(m_label.Text(), "cdefgh");
    m_label.SetText("123456");
    EXPECT_EQ(m_label.Text(), "123456");
    m_label.TickerStep();
    EXPECT_EQ(m_label.Text(), "23456");
}

TEST_F(CInfoLabelTest, AShortTextSetWhileMovingIsRedrawnOnceThenLeftAlone) {
    CreateTicker("abcdefgh", 4);
    EXPECT_EQ(PaintsAfterStep(), 1); // moving
    m_label.SetText("ab");
    EXPECT_EQ(PaintsAfterStep(), 1);
    EXPECT_EQ(PaintsAfterStep(), 0);
    EXPECT_EQ(PaintsAfterStep(), 0);
    EXPECT_EQ(m_label.Text(), "ab");
}

TEST_F(CInfoLabelTest, ASecondScrollModeCallKeepsTheWidth) {
    CreateTicker("abcdef", 10);
    m_label.SetScrollMode(1, 2);
    m_label.TickerStep();
    EXPECT_EQ(m_label.Text(), "abcdef");
}

TEST_F(CInfoLabelTest, NothingMovesBeforeTheTickerIsOn) {
    ASSERT_TRUE(m_label.Create("abcdef", WS_CHILD | WS_VISIBLE, {0, 0, 100, 20}, kGrey, kBlue,
                               &m_parent, TRUE));
    m_label.TickerStep();
    EXPECT_EQ(m_label.Text(), "abcdef");
    EXPECT_FALSE(m_label.findChild<QTimer*>()->isActive());
}

TEST_F(CInfoLabelTest, TheTimerStepsEvery200Milliseconds) {
    CreateTicker("abcdef", 2);
    QTimer* timer = m_label.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 200);
    EXPECT_FALSE(timer->isSingleShot());

    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
    EXPECT_EQ(m_label.Text(), "bcdef");
}

TEST_F(CInfoLabelTest, LeavingTheTickerStopsItAndShowsTheWholeText) {
    CreateTicker("abcdef", 2);
    m_label.TickerStep();
    m_label.SetScrollMode(0, 0);
    EXPECT_FALSE(m_label.findChild<QTimer*>()->isActive());
    EXPECT_EQ(m_label.Text(), "abcdef");
    m_label.TickerStep();
    EXPECT_EQ(m_label.Text(), "abcdef");
}

TEST_F(CInfoLabelTest, ANegativeWidthCountsAsZero) {
    CreateTicker("ab", -3);
    m_label.TickerStep();
    m_label.TickerStep();
    m_label.TickerStep();
    EXPECT_EQ(m_label.Text(), "ab"); // blank step, then no spaces in front
}

TEST_F(CInfoLabelTest, PaintsItsColoursAndASunkenBorder) {
    const QFont font(QStringLiteral("IPAGothic"), 9);
    CreateTicker(sjis::FromUtf8("日勤"), 65);
    m_label.SetLabelFont(&font, TRUE);
    EXPECT_EQ(m_label.geometry(), QRect(210, 10, 390, 20));

    const QImage image = m_label.grab().toImage();
    EXPECT_NE(image.pixel(0, 0), kGreyRgb);    // border
    EXPECT_EQ(image.pixel(380, 10), kGreyRgb); // background behind no text
    int bluePixels = 0;
    for (int x = 1; x < 60; ++x)
        for (int y = 1; y < 19; ++y)
            bluePixels += IsBluish(image.pixel(x, y)) ? 1 : 0;
    EXPECT_GT(bluePixels, 20);
}

TEST_F(CInfoLabelTest, AnEmptyTextShowsOnlyTheBackground) {
    ASSERT_TRUE(
        m_label.Create("", WS_CHILD | WS_VISIBLE, {0, 0, 100, 20}, kGrey, kBlue, &m_parent, TRUE));
    m_label.SetScrollMode(1, 25);
    m_label.TickerStep();
    EXPECT_EQ(m_label.Text(), "");
    const QImage image = m_label.grab().toImage();
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            ASSERT_EQ(image.pixel(x, y), kGreyRgb) << x << "," << y;
}

TEST_F(CInfoLabelTest, CreateFailsWithoutAParent) {
    EXPECT_FALSE(
        m_label.Create("a", WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, kGrey, kBlue, nullptr, TRUE));
}

} // namespace

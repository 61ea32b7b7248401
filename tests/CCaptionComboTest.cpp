#include "controls/CCaptionCombo.h"

#include "MessageSink.h"
#include "controls/ControlGeometry.h"
#include "platform/SjisText.h"

#include <QImage>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class CCaptionComboTest : public testing::Test {
protected:
    MessageSink m_parent;
};

TEST_F(CCaptionComboTest, CaptionSitsInTheStripAboveTheList) {
    const struct {
        int dpi;
        QRect caption;
        QRect listTopLeftWidth;
    } cases[] = {
        {96, QRect(51, 1, 49, 15), QRect(51, 16, 49, 0)},
        {120, QRect(67, 1, 66, 19), QRect(67, 20, 66, 0)}, // (67, 1, 133, 20)
        {144, QRect(81, 1, 78, 23), QRect(81, 24, 78, 0)}, // (81, 1, 159, 24)
    };
    for (const auto& c : cases) {
        CCaptionCombo list(sjis::FromUtf8("月"), ControlFont(c.dpi), {51, 16, 100, 300}, &m_parent,
                           1, 0);
        EXPECT_EQ(list.Caption().geometry(), c.caption) << c.dpi << " dpi";
        EXPECT_EQ(QRect(list.pos(), QSize(list.width(), 0)), c.listTopLeftWidth) << c.dpi << " dpi";
        EXPECT_EQ(list.Caption().parentWidget(), &m_parent);
        EXPECT_EQ(list.Caption().Text(), sjis::FromUtf8("月"));
    }
}

TEST_F(CCaptionComboTest, ListCountsFromZeroAndCaptionIsATicker) {
    CCaptionCombo list(sjis::FromUtf8("時"), ControlFont(96), {1, 16, 50, 300}, &m_parent, 1, 0);
    EXPECT_FALSE(list.isEditable()); // style 0: the plain drop-down list
    for (int n = 0; n < 24; ++n)
        list.addItem(QString::number(n));
    QTest::keyClick(&list, '9');
    EXPECT_EQ(list.currentIndex(), 9);

    QTimer* ticker = list.Caption().findChild<QTimer*>();
    ASSERT_NE(ticker, nullptr);
    EXPECT_TRUE(ticker->isActive());
    // 25 cells: a caption of 25 bytes stands, one of 26 moves.
    list.Caption().SetText(std::string(25, 'x'));
    list.Caption().TickerStep();
    EXPECT_EQ(list.Caption().Text(), std::string(25, 'x'));
    list.Caption().SetText(std::string(26, 'x'));
    list.Caption().TickerStep();
    EXPECT_EQ(list.Caption().Text(), std::string(25, 'x'));
}

TEST_F(CCaptionComboTest, CaptionIsBlackOnSilverInTheListFont) {
    m_parent.resize(200, 40);
    CCaptionCombo list(sjis::FromUtf8("年"), ControlFont(96), {1, 16, 50, 300}, &m_parent, 1, 0);
    const QImage image = list.Caption().grab().toImage();
    EXPECT_EQ(image.pixel(0, 0), 0xFFC0C0C0u) << "no border";
    EXPECT_EQ(image.pixel(40, 7), 0xFFC0C0C0u);
    int dark = 0;
    for (int x = 0; x < 14; ++x)
        for (int y = 0; y < 15; ++y)
            dark += qGray(image.pixel(x, y)) < 0x40 ? 1 : 0;
    EXPECT_GT(dark, 10);
}

TEST_F(CCaptionComboTest, DeletingTheListTakesItsCaption) {
    auto* list = new CCaptionCombo(sjis::FromUtf8("日"), ControlFont(96), {101, 16, 150, 300},
                                   &m_parent, 1, 0);
    EXPECT_EQ(m_parent.findChildren<CInfoLabel*>().size(), 1);
    delete list;
    EXPECT_TRUE(m_parent.findChildren<CInfoLabel*>().isEmpty());
}

TEST_F(CCaptionComboTest, DeletingTheParentDeletesListAndCaptionOnce) {
    auto* parent = new QWidget;
    QPointer<CCaptionCombo> list =
        new CCaptionCombo(sjis::FromUtf8("日"), ControlFont(96), {101, 16, 150, 300}, parent, 1, 0);
    QPointer<CInfoLabel> caption = &list->Caption();
    delete parent; // a second delete of the caption would be caught by the sanitizer
    EXPECT_TRUE(list.isNull());
    EXPECT_TRUE(caption.isNull());
}

TEST_F(CCaptionComboTest, CreateFailsWithoutAParent) {
    CCaptionCombo list(sjis::FromUtf8("日"), ControlFont(96), {1, 16, 50, 300}, nullptr, 1, 0);
    EXPECT_FALSE(
        list.Create(sjis::FromUtf8("日"), ControlFont(96), {1, 16, 50, 300}, nullptr, 1, 0));
}

} // namespace

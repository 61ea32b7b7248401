#include "controls/CDateTimeCtl.h"

#include "MessageSink.h"
#include "controls/ControlGeometry.h"
#include "platform/SjisText.h"
#include "platform/qt/QtText.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDateTime>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const MessageSink::Message kNotice{WM_USER_SELCHANGE, 12, 1};

class CDateTimeCtlTest : public testing::Test {
protected:
    void Create(bool timeMode) {
        m_view.resize(800, 300);
        ASSERT_TRUE(m_selector.Create(timeMode, ControlFont(96), {0, 0, 200, 40}, &m_view, 1));
        m_lists = m_selector.findChildren<CCaptionCombo*>();
        ASSERT_EQ(m_lists.size(), 3);
        m_view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_view));
    }

    std::string Selection() const {
        std::string text;
        for (const CCaptionCombo* list : m_lists)
            text += (text.empty() ? "" : "/") + list->currentText().toStdString();
        return text;
    }

    void Type(CCaptionCombo* list, const char* digits) {
        for (const char* digit = digits; *digit != '\0'; ++digit)
            QTest::keyClick(list, *digit);
        list->OnTypingPause();
    }

    MessageSink m_view;
    CDateTimeCtl m_selector;
    QList<CCaptionCombo*> m_lists;
};

struct DateTextCase {
    const char* text;
    const char* selection;
    const char* dateText;
};

TEST_F(CDateTimeCtlTest, SetDateTextSelectsWhatTheTextNames) {
    Create(false);
    const DateTextCase cases[] = {
        {"07D60715", "2006/7/21", "07D60715"},
        {"07C60D20", "1990/1/1", "07C60101"},  // 1990, 13, 32: no such month or day
        {"07D6021F", "2006/2/31", "07D6021F"}, // the day list does not follow the month
        {"07ea0c01", "2026/12/1", "07EA0C01"},
        {"08330101", "2099/1/1", "08330101"},
        {"08340505", "1990/5/5", "07C60505"}, // 2100 is past the list
        {"07C50505", "1990/5/5", "07C60505"}, // so is 1989
        {"ZZZZZZZZ", "1990/1/1", "07C60101"},
    };
    for (const DateTextCase& c : cases) {
        m_selector.SetDateText(c.text);
        EXPECT_EQ(Selection(), c.selection) << c.text;
        EXPECT_EQ(m_selector.GetDateText(), c.dateText) << c.text;
    }
    DeliverPostedMessages();
    EXPECT_TRUE(m_view.messages.empty()) << "SetDateText posts nothing";
}

TEST_F(CDateTimeCtlTest, GetDateGivesTheSelectionAsNumbers) {
    Create(false);
    m_selector.SetDateText("07D60715");
    int year = 0, month = 0, day = 0;
    m_selector.GetDate(year, month, day);
    EXPECT_EQ(year, 2006);
    EXPECT_EQ(month, 7);
    EXPECT_EQ(day, 21);
}

TEST_F(CDateTimeCtlTest, TextsOfAnotherLengthChangeNothing) {
    Create(false);
    m_selector.SetDateText("07D60715");
    for (const char* text : {"07D6071", "07D607150", "", "0715"})
        m_selector.SetDateText(text);
    EXPECT_EQ(Selection(), "2006/7/21");
}

TEST_F(CDateTimeCtlTest, ListsWithoutASelectionGiveZero) {
    Create(false);
    for (CCaptionCombo* list : m_lists)
        list->setCurrentIndex(-1);
    int year = 0, month = -5, day = -5;
    m_selector.GetDate(year, month, day);
    EXPECT_EQ(year, 1989);
    EXPECT_EQ(month, 0);
    EXPECT_EQ(day, 0);
    EXPECT_EQ(m_selector.GetDateText(), "00000000");
}

TEST_F(CDateTimeCtlTest, ListsRunFrom1990To2099WithCaptions) {
    Create(false);
    const struct {
        const char* caption;
        int count;
        const char* first;
        const char* last;
    } expected[] = {{"年", 110, "1990", "2099"}, {"月", 12, "1", "12"}, {"日", 31, "1", "31"}};
    for (int i = 0; i < 3; ++i) {
        CCaptionCombo* list = m_lists[i];
        EXPECT_EQ(list->Caption().Text(), sjis::FromUtf8(expected[i].caption));
        ASSERT_EQ(list->count(), expected[i].count);
        EXPECT_EQ(list->itemText(0).toStdString(), expected[i].first);
        EXPECT_EQ(list->itemText(list->count() - 1).toStdString(), expected[i].last);
        EXPECT_EQ(list->currentIndex(), 0);
    }
}

TEST_F(CDateTimeCtlTest, TypedNumbersSelectThatYearMonthAndDay) {
    Create(false);
    Type(m_lists[0], "2026");
    Type(m_lists[1], "7");
    Type(m_lists[2], "31");
    EXPECT_EQ(Selection(), "2026/7/31");
    DeliverPostedMessages();
    ASSERT_EQ(m_view.messages.size(), 3u) << "one notice for each list's pause";
    for (const auto& message : m_view.messages)
        EXPECT_EQ(message, kNotice);

    Type(m_lists[1], "13");
    int year = 0, month = 0, day = 0;
    m_selector.GetDate(year, month, day);
    EXPECT_EQ(month, 0);
    DeliverPostedMessages();
    EXPECT_EQ(m_view.messages.size(), 4u);
}

TEST_F(CDateTimeCtlTest, AChangeInAListReachesTheOwnerAfterTheListAndTheSelector) {
    Create(false);
    m_selector.SetDateText("07D60715");
    QTest::keyClick(m_lists[1], Qt::Key_Up);
    EXPECT_EQ(Selection(), "2006/6/21");
    QCoreApplication::sendPostedEvents(); // the list's note to itself
    QCoreApplication::sendPostedEvents(); // the list's notice to the selector
    EXPECT_TRUE(m_view.messages.empty());
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(m_view.messages.size(), 1u);
    EXPECT_EQ(m_view.messages[0], kNotice);
    DeliverPostedMessages();
    EXPECT_EQ(m_view.messages.size(), 1u);
}

TEST_F(CDateTimeCtlTest, NowSelectsTodayAndTellsTheOwnerOnce) {
    Create(false);
    const QDate before = QDate::currentDate();
    m_selector.OnNow();
    const QDate after = QDate::currentDate();
    int year = 0, month = 0, day = 0;
    m_selector.GetDate(year, month, day);
    const QDate selected(year, month, day);
    EXPECT_TRUE(selected == before || selected == after) << selected.toString().toStdString();
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(m_view.messages.size(), 1u);
    EXPECT_EQ(m_view.messages[0], kNotice);
}

TEST_F(CDateTimeCtlTest, TheNowButtonRunsOnNow) {
    Create(false);
    m_selector.SetDateText("07C60101");
    auto* button = m_selector.findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("現在"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_NE(m_selector.GetDateText(), "07C60101");
    DeliverPostedMessages();
    EXPECT_EQ(m_view.messages.size(), 1u);
}

TEST_F(CDateTimeCtlTest, TimeModeOffersHoursMinutesAndSeconds) {
    Create(true);
    const char* captions[] = {"時", "分", "秒"};
    const int counts[] = {24, 60, 60};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_lists[i]->Caption().Text(), sjis::FromUtf8(captions[i]));
        EXPECT_EQ(m_lists[i]->count(), counts[i]);
        EXPECT_EQ(m_lists[i]->itemText(0), QStringLiteral("0"));
    }
    m_selector.SetDateText("173B3B");
    EXPECT_EQ(Selection(), "23/59/59");
    EXPECT_EQ(m_selector.GetDateText(), "173B3B");
    m_selector.SetDateText("07D60715"); // a date text is the wrong length here
    EXPECT_EQ(Selection(), "23/59/59");
    m_selector.SetDateText("183C01");
    EXPECT_EQ(Selection(), "0/0/1");

    Type(m_lists[0], "9");
    EXPECT_EQ(m_lists[0]->currentText(), QStringLiteral("9")); // counts from 0

    int year = 7, month = 8, day = 9;
    m_selector.GetDate(year, month, day);
    EXPECT_EQ(year, 7);
    EXPECT_EQ(month, 8);
    EXPECT_EQ(day, 9);
}

TEST_F(CDateTimeCtlTest, NowInTimeModeSelectsTheTimeOfDay) {
    Create(true);
    const QTime before = QTime::currentTime();
    m_selector.OnNow();
    const QTime after = QTime::currentTime();
    const QTime selected(m_lists[0]->currentIndex(), m_lists[1]->currentIndex(),
                         m_lists[2]->currentIndex());
    ASSERT_TRUE(selected.isValid());
    const int seconds = selected.msecsSinceStartOfDay() / 1000;
    const bool inRange = before.msecsSinceStartOfDay() / 1000 <= seconds &&
                         seconds <= after.msecsSinceStartOfDay() / 1000;
    EXPECT_TRUE(inRange || after < before) << selected.toString().toStdString();
}

TEST_F(CDateTimeCtlTest, LayoutOfTheSelector) {
    Create(false);
    EXPECT_EQ(m_selector.objectName(), QStringLiteral("DateTimeCtl"));
    EXPECT_EQ(m_selector.geometry(), QRect(0, 0, 200, 40));
    EXPECT_EQ(m_selector.contentsRect().topLeft(), QPoint(2, 2)); // sunken edge
    const int lefts[] = {1, 51, 101};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_lists[i]->geometry().topLeft(), QPoint(2 + lefts[i], 18));
        EXPECT_EQ(m_lists[i]->width(), 49);
        EXPECT_EQ(m_lists[i]->Caption().geometry(), QRect(2 + lefts[i], 3, 49, 15));
    }
    const auto* button = m_selector.findChild<QPushButton*>();
    EXPECT_EQ(button->geometry(), QRect(157, 18, 35, 18));
    EXPECT_FALSE(button->focusPolicy() & Qt::TabFocus);
}

TEST_F(CDateTimeCtlTest, TheListDropsBelowItsBox) {
    Create(false);
    CCaptionCombo* years = m_lists[0];
    years->setCurrentIndex(36);
    years->showPopup();
    const QWidget* popup = years->view()->window();
    EXPECT_GE(popup->geometry().top(), years->mapToGlobal(QPoint(0, years->height())).y() - 1);
    years->hidePopup();
}

TEST_F(CDateTimeCtlTest, OnlyTheListsScaleWithTheFont) {
    m_view.resize(800, 300);
    ASSERT_TRUE(m_selector.Create(false, ControlFont(120), {0, 0, 200, 40}, &m_view, 1));
    EXPECT_EQ(m_selector.geometry(), QRect(0, 0, 200, 40));
    const auto lists = m_selector.findChildren<CCaptionCombo*>();
    EXPECT_EQ(lists[1]->geometry().topLeft(), QPoint(2 + 67, 2 + 20));
    EXPECT_EQ(m_selector.findChild<QPushButton*>()->geometry(), QRect(157, 18, 35, 18));
}

} // namespace

#include "controls/CNumberCombo.h"

#include "MessageSink.h"
#include "controls/ControlGeometry.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP |
                             CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;
constexpr UINT kId = 7;
const MessageSink::Message kNotice{WM_USER_SELCHANGE, kId, 0};

class CNumberComboTest : public testing::Test {
protected:
    void SetUp() override {
        m_owner.resize(300, 300);
        ASSERT_TRUE(m_list.Create(ControlFont(96), {1, 16, 50, 300}, &m_owner, kId, kListStyle));
        m_owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_owner));
    }

    void AddNumbers(int first, int last) {
        for (int n = first; n <= last; ++n)
            m_list.addItem(QString::number(n));
    }

    void Type(const char* keys) {
        for (const char* key = keys; *key != '\0'; ++key)
            QTest::keyClick(&m_list, *key);
    }

    std::string Selected() const { return m_list.currentText().toStdString(); }

    QTimer* TypingTimer() { return m_list.findChild<QTimer*>(); }

    MessageSink m_owner;
    CNumberCombo m_list;
};

TEST_F(CNumberComboTest, TypedDigitsWithinThePauseMakeOneNumberAndOneNotice) {
    AddNumbers(0, 23);
    m_list.SetListType(1);
    Type("12");
    EXPECT_EQ(m_list.currentIndex(), 12);
    ASSERT_TRUE(TypingTimer()->isActive());
    EXPECT_EQ(TypingTimer()->interval(), 500);
    DeliverPostedMessages();
    EXPECT_TRUE(m_owner.messages.empty()) << "no notice before the pause";

    m_list.OnTypingPause();
    EXPECT_FALSE(TypingTimer()->isActive());
    QCoreApplication::sendPostedEvents(); // the list's note to itself
    EXPECT_TRUE(m_owner.messages.empty());
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(m_owner.messages.size(), 1u);
    EXPECT_EQ(m_owner.messages[0], kNotice);
    DeliverPostedMessages();
    EXPECT_EQ(m_owner.messages.size(), 1u);

    Type("3"); // a new number after the pause
    EXPECT_EQ(m_list.currentIndex(), 3);
}

TEST_F(CNumberComboTest, TheTimerEndsThePause) {
    AddNumbers(0, 23);
    m_list.SetListType(1);
    Type("5");
    QTimerEvent fired(TypingTimer()->timerId());
    QCoreApplication::sendEvent(TypingTimer(), &fired);
    DeliverPostedMessages();
    EXPECT_EQ(m_owner.messages.size(), 1u);
}

TEST_F(CNumberComboTest, CharactersOtherThanDigitsChangeNothing) {
    AddNumbers(0, 59);
    m_list.SetListType(1);
    m_list.setCurrentIndex(4);
    for (const char key : {'a', 'Z', ' ', '-', '.', '+'})
        QTest::keyClick(&m_list, key);
    EXPECT_EQ(m_list.currentIndex(), 4);
    EXPECT_FALSE(TypingTimer()->isActive());
    EXPECT_FALSE(m_list.view()->isVisible());
    DeliverPostedMessages();
    EXPECT_TRUE(m_owner.messages.empty());
}

struct ListTypeCase {
    int type;
    int selectedAfterCall;
    const char* typed;
    int selectedAfterPause;
};

TEST_F(CNumberComboTest, ListTypesSetTheBaseAndTheSelection) {
    const ListTypeCase cases[] = {
        {1, 0, "5", 5},                     // counts from 0
        {2, -1, "5", 4},                    // counts from 1
        {3, 0, "5", 4},   {3, 0, "0", 0},   // a lone 0 selects the first entry
        {2, -1, "0", -1},                   // elsewhere 0 names no entry
        {1, 0, "00", 0},  {3, 0, "00", -1}, // two digits are not a lone 0
    };
    AddNumbers(1, 31);
    for (const ListTypeCase& c : cases) {
        m_list.SetListType(c.type);
        EXPECT_EQ(m_list.currentIndex(), c.selectedAfterCall) << "type " << c.type;
        Type(c.typed);
        m_list.OnTypingPause();
        EXPECT_EQ(m_list.currentIndex(), c.selectedAfterPause)
            << "type " << c.type << ", " << c.typed;
    }
}

TEST_F(CNumberComboTest, TypedNumbersSelectTheEntryWithThatNumberFromTheBase) {
    AddNumbers(1990, 2099);
    m_list.SetListType(1);
    m_list.SetBase(1990);
    Type("2026");
    EXPECT_EQ(Selected(), "2026");
    m_list.OnTypingPause();
    Type("1990");
    EXPECT_EQ(Selected(), "1990");
}

TEST_F(CNumberComboTest, ANumberPastTheListClearsTheSelectionAndIsStillReported) {
    AddNumbers(1, 12);
    m_list.SetListType(1);
    m_list.SetBase(1);
    m_list.setCurrentIndex(6);
    Type("13");
    EXPECT_EQ(m_list.currentIndex(), -1);
    m_list.OnTypingPause();
    DeliverPostedMessages();
    EXPECT_EQ(m_list.currentIndex(), -1);
    EXPECT_EQ(m_owner.messages.size(), 1u);

    Type("99999999999999999999"); // past any int
    EXPECT_EQ(m_list.currentIndex(), -1);
}

TEST_F(CNumberComboTest, EachArrowKeyChangeBringsOneNotice) {
    AddNumbers(0, 23);
    m_list.SetListType(1);
    m_list.setCurrentIndex(5);
    QTest::keyClick(&m_list, Qt::Key_Up);
    EXPECT_EQ(m_list.currentIndex(), 4);
    DeliverPostedMessages();
    EXPECT_EQ(m_owner.messages.size(), 1u);
    QTest::keyClick(&m_list, Qt::Key_Up);
    DeliverPostedMessages();
    EXPECT_EQ(m_owner.messages.size(), 2u);
}

TEST_F(CNumberComboTest, DownArrowOpensTheListAndAChoiceThereIsOneNotice) {
    AddNumbers(0, 23);
    m_list.SetListType(1);
    QTest::keyClick(&m_list, Qt::Key_F4);
    EXPECT_FALSE(m_list.view()->isVisible());
    QTest::keyClick(&m_list, Qt::Key_Down);
    ASSERT_TRUE(m_list.view()->isVisible());
    EXPECT_EQ(m_list.currentIndex(), 0);
    DeliverPostedMessages();
    EXPECT_TRUE(m_owner.messages.empty());

    QTest::keyClick(m_list.view(), Qt::Key_Down);
    QTest::keyClick(m_list.view(), Qt::Key_Down);
    QTest::keyClick(m_list.view(), Qt::Key_Return);
    EXPECT_EQ(m_list.currentIndex(), 2);
    DeliverPostedMessages();
    ASSERT_EQ(m_owner.messages.size(), 1u);
    EXPECT_EQ(m_owner.messages[0], kNotice);
}

TEST_F(CNumberComboTest, ASelectionLostBeforeTheNoticeIsRestored) {
    AddNumbers(0, 23);
    m_list.SetListType(1);
    m_list.setCurrentIndex(5);
    QTest::keyClick(&m_list, Qt::Key_Up); // records "4"
    m_list.setCurrentIndex(-1);
    DeliverPostedMessages();
    EXPECT_EQ(Selected(), "4");
    EXPECT_EQ(m_owner.messages.size(), 1u);
}

TEST_F(CNumberComboTest, SelectTextFindsTheExactEntry) {
    AddNumbers(1, 31);
    m_list.SelectText("21");
    EXPECT_EQ(m_list.currentIndex(), 20);
    m_list.SelectText("2");
    EXPECT_EQ(m_list.currentIndex(), 1);
    m_list.SelectText("32");
    EXPECT_EQ(m_list.currentIndex(), -1);
    DeliverPostedMessages();
    EXPECT_TRUE(m_owner.messages.empty()) << "selecting by text is no user change";
}

TEST_F(CNumberComboTest, AnEditableListShowsTheTextInstead) {
    CNumberCombo editable;
    ASSERT_TRUE(editable.Create(ControlFont(96), {0, 0, 50, 100}, &m_owner, 1,
                                WS_CHILD | WS_VISIBLE | 0x0002 /* drop-down */));
    ASSERT_TRUE(editable.isEditable());
    editable.addItem(QStringLiteral("1"));
    editable.SelectText("77");
    EXPECT_EQ(editable.currentText(), QStringLiteral("77"));
}

TEST_F(CNumberComboTest, CreateScalesTheRectangleToTheFont) {
    EXPECT_FALSE(m_list.isEditable());
    EXPECT_EQ(m_list.x(), 1);
    EXPECT_EQ(m_list.y(), 16);
    EXPECT_EQ(m_list.width(), 49);
    EXPECT_LT(m_list.height(), 30) << "the closed list, not the dropped one";

    CNumberCombo large;
    ASSERT_TRUE(large.Create(ControlFont(144), {1, 16, 50, 300}, &m_owner, 1, kListStyle));
    EXPECT_EQ(large.geometry().topLeft(), QPoint(1, 24));
    EXPECT_EQ(large.width(), 78); // (1, 24, 79, 450)
    EXPECT_EQ(large.font().pixelSize(), 18);
}

TEST_F(CNumberComboTest, CreateFailsWithoutAParent) {
    CNumberCombo orphan;
    EXPECT_FALSE(orphan.Create(ControlFont(96), {0, 0, 50, 100}, nullptr, 1, kListStyle));
}

} // namespace

#include "controls/CCommentBox.h"

#include "MessageSink.h"
#include "controls/ControlGeometry.h"
#include "platform/SjisText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr DWORD kBoxStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_WANTRETURN |
                            ES_AUTOHSCROLL | ES_AUTOVSCROLL;
const MessageSink::Message kNotice{WM_USER_TEXTCHANGE, 1, 0};

class CCommentBoxTest : public testing::Test {
protected:
    void SetUp() override {
        m_view.resize(800, 40);
        m_box.Create(ControlFont(96), {610, 10, 750, 30}, &m_view, 1, kBoxStyle);
        m_box.EnableChangeNotify(TRUE);
        m_view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_view));
    }

    // Runs one look of the watch and returns the notices it brought.
    std::size_t NoticesOfOneStep() {
        m_view.messages.clear();
        m_box.CheckForChange();
        DeliverPostedMessages();
        for (const auto& message : m_view.messages)
            EXPECT_EQ(message, kNotice);
        return m_view.messages.size();
    }

    void Commit(const char* utf8) {
        QInputMethodEvent event;
        event.setCommitString(QString::fromUtf8(utf8));
        QCoreApplication::sendEvent(&m_box, &event);
    }

    void Paste(const char* utf8) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8));
        m_box.paste();
    }

    MessageSink m_view;
    CCommentBox m_box;
};

TEST_F(CCommentBoxTest, CharactersTypedWithinOnePeriodBringOneNotice) {
    QTest::keyClicks(&m_box, "abc");
    Commit("山田");
    EXPECT_EQ(NoticesOfOneStep(), 1u);
    EXPECT_EQ(m_box.GetText(), "abc" + sjis::FromUtf8("山田"));
    EXPECT_EQ(NoticesOfOneStep(), 0u);
}

TEST_F(CCommentBoxTest, ACharacterTypedAndDeletedWithinOnePeriodBringsNone) {
    QTest::keyClicks(&m_box, "x");
    QTest::keyClick(&m_box, Qt::Key_Backspace);
    EXPECT_EQ(NoticesOfOneStep(), 0u);
}

TEST_F(CCommentBoxTest, ATextSetFromOutsideIsReportedWhenItDiffers) {
    m_box.setText(QStringLiteral("abc"));
    EXPECT_EQ(NoticesOfOneStep(), 1u);
    m_box.setText(QStringLiteral("abc"));
    EXPECT_EQ(NoticesOfOneStep(), 0u);
    m_box.clear();
    EXPECT_EQ(NoticesOfOneStep(), 1u) << "emptying is a change";
    EXPECT_EQ(NoticesOfOneStep(), 0u);
}

TEST_F(CCommentBoxTest, ALoadedTextIsNoChange) {
    m_box.SetLoadedText(sjis::FromUtf8("夜勤明け"));
    EXPECT_EQ(NoticesOfOneStep(), 0u);
    QTest::keyClicks(&m_box, "!");
    EXPECT_EQ(NoticesOfOneStep(), 1u);
    m_box.SetLoadedText("");
    EXPECT_EQ(NoticesOfOneStep(), 0u);
    EXPECT_EQ(m_box.GetText(), "");
}

TEST_F(CCommentBoxTest, GivesBackTheLoadedBytesUntilTheTextIsEdited) {
    // 0xED 0x40 is an NEC-selected IBM code (comes back as 0xFA 0x5C); 0xFF is no character.
    const std::string loaded = "a\xED\x40\xFF"
                               "b";
    ASSERT_NE(sjis::FromUtf8(sjis::ToUtf8(loaded)), loaded);
    m_box.SetLoadedText(loaded);
    EXPECT_EQ(m_box.GetText(), loaded);
    EXPECT_EQ(NoticesOfOneStep(), 0u);

    m_box.end(false);
    QTest::keyClicks(&m_box, "c");
    EXPECT_EQ(m_box.GetText(), "a\xFA\x5C?bc");
    EXPECT_EQ(NoticesOfOneStep(), 1u);
    QTest::keyClick(&m_box, Qt::Key_Backspace);
    EXPECT_EQ(m_box.GetText(), loaded) << "back to the text shown on loading";
}

struct LimitCase {
    const char* name;
    std::string start;
    int cursor; // -1: at the end
    enum { Key, Ime, Clipboard } how;
    const char* input; // UTF-8
    std::string expected;
};

TEST_F(CCommentBoxTest, TakesAtMost40BytesAndNeverHalfACharacter) {
    const std::string a39(39, 'a');
    const std::string a40(40, 'a');
    const std::string yamada = sjis::FromUtf8("山田");
    const LimitCase cases[] = {
        {"key at 40 bytes", a40, -1, LimitCase::Key, "b", a40},
        {"key at 39 bytes", a39, -1, LimitCase::Key, "b", a39 + "b"},
        {"double-byte at 39 bytes", a39, -1, LimitCase::Ime, "山", a39},
        {"half-width kana at 39 bytes", a39, -1, LimitCase::Ime, "ｱ", a39 + "\xB1"},
        {"commit cut whole", std::string(37, 'a'), -1, LimitCase::Ime, "山田",
         std::string(37, 'a') + sjis::FromUtf8("山")},
        {"paste cut whole", std::string(35, 'a'), -1, LimitCase::Clipboard, "山田太郎",
         std::string(35, 'a') + yamada},
        {"paste in the middle keeps the end", std::string(17, 'x') + std::string(17, 'y'), 17,
         LimitCase::Clipboard, "山田太郎",
         std::string(17, 'x') + sjis::FromUtf8("山田太") + std::string(17, 'y')},
        {"no form in code page 932 counts as ?", a39, -1, LimitCase::Clipboard, "\U0001F600x",
         a39 + "?"},
    };
    for (const LimitCase& c : cases) {
        m_box.SetLoadedText(c.start);
        m_box.setCursorPosition(c.cursor < 0 ? static_cast<int>(m_box.text().size()) : c.cursor);
        switch (c.how) {
        case LimitCase::Key:
            QTest::keyClicks(&m_box, c.input);
            break;
        case LimitCase::Ime:
            Commit(c.input);
            break;
        case LimitCase::Clipboard:
            Paste(c.input);
            break;
        }
        EXPECT_EQ(m_box.GetText(), c.expected) << c.name;
        EXPECT_LE(m_box.GetText().size(), CCommentBox::kMaxTextBytes) << c.name;
    }
}

TEST_F(CCommentBoxTest, APasteOverASelectionReplacesIt) {
    m_box.SetLoadedText(std::string(40, 'a'));
    m_box.selectAll();
    Paste("山田");
    EXPECT_EQ(m_box.GetText(), sjis::FromUtf8("山田"));
}

TEST_F(CCommentBoxTest, ALongTextSetFromOutsideIsCutOnAWholeCharacter) {
    m_box.setText(QString(39, u'a') + QStringLiteral("山田"));
    EXPECT_EQ(m_box.GetText(), std::string(39, 'a'));
    m_box.setText(QString(50, u'b'));
    EXPECT_EQ(m_box.GetText(), std::string(40, 'b'));
    EXPECT_EQ(NoticesOfOneStep(), 1u);
}

TEST_F(CCommentBoxTest, TheWatchRunsEvery200MillisecondsWhileEnabled) {
    QTimer* watch = m_box.findChild<QTimer*>();
    ASSERT_NE(watch, nullptr);
    EXPECT_TRUE(watch->isActive());
    EXPECT_EQ(watch->interval(), 200);
    EXPECT_FALSE(watch->isSingleShot());
    const int id = watch->timerId();
    m_box.EnableChangeNotify(TRUE);
    EXPECT_EQ(watch->timerId(), id) << "a second TRUE leaves the running timer alone";

    m_box.setText(QStringLiteral("x"));
    QTimerEvent tick(watch->timerId());
    QCoreApplication::sendEvent(watch, &tick);
    DeliverPostedMessages();
    EXPECT_EQ(m_view.messages.size(), 1u);

    m_box.EnableChangeNotify(FALSE);
    EXPECT_FALSE(watch->isActive());
    m_box.EnableChangeNotify(FALSE);
    EXPECT_FALSE(watch->isActive());
    m_box.EnableChangeNotify(TRUE);
    EXPECT_TRUE(watch->isActive());
}

TEST_F(CCommentBoxTest, CreateScalesTheRectangleToTheFont) {
    EXPECT_EQ(m_box.geometry(), QRect(610, 10, 140, 20));
    EXPECT_TRUE(m_box.hasFrame());
    EXPECT_EQ(m_box.font().pixelSize(), 12);

    CCommentBox large;
    large.Create(ControlFont(120), {610, 10, 750, 30}, &m_view, 1, kBoxStyle);
    EXPECT_EQ(large.geometry(), QRect(812, 12, 186, 25)); // (812, 12, 998, 37)
    EXPECT_FALSE(large.findChild<QTimer*>()->isActive()) << "the watch waits to be enabled";
}

} // namespace

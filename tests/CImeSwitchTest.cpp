#include "controls/CImeSwitch.h"

#include <QApplication>
#include <QDBusConnection>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The bound view with a cell editor inside it and a box of its own outside.
class CImeSwitchTest : public testing::Test {
protected:
    void SetUp() override {
        m_window.resize(400, 200);
        m_view = new QWidget(&m_window);
        m_editor = new QLineEdit(m_view);
        m_outside = new QLineEdit(&m_window);
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_view->setAttribute(Qt::WA_InputMethodEnabled, false);
    }

    static bool ImeOn(const QWidget* widget) {
        return widget->testAttribute(Qt::WA_InputMethodEnabled);
    }

    QWidget m_window;
    QWidget* m_view = nullptr;
    QLineEdit* m_editor = nullptr;
    QLineEdit* m_outside = nullptr;
    CImeSwitch m_ime{QDBusConnection(QStringLiteral("no bus"))};
};

TEST_F(CImeSwitchTest, OpensAndClosesTheBoundWidgetAndItsFocusedEditor) {
    m_ime.Attach(m_view);
    m_editor->setFocus();
    m_ime.SetOpen(FALSE);
    EXPECT_FALSE(ImeOn(m_view));
    EXPECT_FALSE(ImeOn(m_editor));
    EXPECT_TRUE(ImeOn(m_outside));

    m_ime.SetOpen(TRUE);
    EXPECT_TRUE(ImeOn(m_view));
    EXPECT_TRUE(ImeOn(m_editor));
    m_ime.SetOpen(TRUE); // already on
    EXPECT_TRUE(ImeOn(m_view));
    EXPECT_TRUE(ImeOn(m_editor));
}

TEST_F(CImeSwitchTest, LeavesWidgetsThatDoNotEditTextAndOutsideWidgetsAlone) {
    auto* grid = new QWidget(m_view);
    grid->setFocusPolicy(Qt::StrongFocus);
    grid->show();
    m_ime.Attach(m_view);
    grid->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), grid);
    m_ime.SetOpen(TRUE);
    EXPECT_TRUE(ImeOn(m_view));
    EXPECT_FALSE(ImeOn(grid));

    m_outside->setFocus();
    m_ime.SetOpen(FALSE);
    EXPECT_TRUE(ImeOn(m_outside));
}

TEST_F(CImeSwitchTest, DoesNothingBeforeAttach) {
    m_ime.SetOpen(TRUE);
    EXPECT_FALSE(ImeOn(m_view));
    m_ime.Attach(m_view);
    EXPECT_FALSE(ImeOn(m_view)) << "binding alone switches nothing";
}

TEST_F(CImeSwitchTest, ASecondAttachKeepsTheFirstWidget) {
    QWidget other;
    other.setAttribute(Qt::WA_InputMethodEnabled, false);
    m_ime.Attach(m_view);
    m_ime.Attach(&other);
    m_ime.SetOpen(TRUE);
    EXPECT_TRUE(ImeOn(m_view));
    EXPECT_FALSE(ImeOn(&other));
}

TEST_F(CImeSwitchTest, DoesNothingOnceTheBoundWidgetIsGone) {
    m_ime.Attach(m_view);
    m_editor->setFocus();
    delete m_view; // the sanitizer catches any use of it
    m_editor = nullptr;
    m_outside->setFocus();
    m_ime.SetOpen(TRUE);
    m_ime.SetOpen(FALSE);
    EXPECT_TRUE(ImeOn(m_outside));
}

// A stand-in for fcitx5's controller on a private bus.
class FakeFcitx : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.fcitx.Fcitx.Controller1")

public:
    QStringList calls;

public slots:
    void Activate() { calls << QStringLiteral("Activate"); }
    void Deactivate() { calls << QStringLiteral("Deactivate"); }
};

// Runs a bus of its own, so that nothing reaches the desktop's input method.
class PrivateBus {
public:
    PrivateBus() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return;
        m_daemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForReadyRead(10000))
            return;
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus() {
        for (const QString& name : m_names)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool IsRunning() const { return !m_address.isEmpty(); }
    QDBusConnection Connect(const QString& name) {
        m_names << name;
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    QProcess m_daemon;
    QString m_address;
    QStringList m_names;
};

TEST_F(CImeSwitchTest, SwitchesFcitx5OnAndOffWhereItRuns) {
    PrivateBus bus;
    if (!bus.IsRunning())
        GTEST_SKIP() << "dbus-daemon is not available";
    QDBusConnection fcitxSide = bus.Connect(QStringLiteral("fcitx side"));
    FakeFcitx fcitx;
    ASSERT_TRUE(fcitxSide.registerService(QStringLiteral("org.fcitx.Fcitx5")));
    ASSERT_TRUE(fcitxSide.registerObject(QStringLiteral("/controller"), &fcitx,
                                         QDBusConnection::ExportAllSlots));

    CImeSwitch ime(bus.Connect(QStringLiteral("program side")));
    ime.Attach(m_view);
    m_editor->setFocus();
    ime.SetOpen(TRUE);
    ime.SetOpen(FALSE);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fcitx.calls.size() == 2; }, 5000));
    EXPECT_EQ(fcitx.calls, QStringList({QStringLiteral("Activate"), QStringLiteral("Deactivate")}));

    m_outside->setFocus(); // fcitx5 serves whatever has the focus: not ours to switch
    ime.SetOpen(TRUE);
    m_editor->setFocus();
    ime.SetOpen(FALSE); // calls arrive in order: nothing may come before this one
    EXPECT_TRUE(QTest::qWaitFor([&] { return fcitx.calls.size() >= 3; }, 5000));
    EXPECT_EQ(fcitx.calls.mid(2), QStringList({QStringLiteral("Deactivate")}));
}

} // namespace

#include "CImeSwitchTest.moc"

// The cell commands against the X11 clipboard that other programs use, with xclip as the other
// program. Runs under Xvfb on the xcb platform (the x11_clipboard test); skipped elsewhere.
#include "app/Resource.h"
#include "dialogs/CDutyNameDlg.h"

#include "RecordFixture.h"
#include "TestFiles.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs xclip with the event loop going, so that this program can answer its selection request.
QByteArray RunXclip(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess xclip;
    QEventLoop loop;
    QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit); // a guard, not a wait
    xclip.start(QStringLiteral("xclip"), arguments + QStringList{"-selection", "clipboard"});
    xclip.write(input);
    xclip.closeWriteChannel();
    if (xclip.state() != QProcess::NotRunning)
        loop.exec();
    return xclip.readAllStandardOutput();
}

class X11Clipboard : public testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb") ||
            QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            GTEST_SKIP() << "needs an X display and xclip";
        g_nCopyRowSpan = -1;
        g_nCopyColSpan = -1;
    }

    RosterRecord record{};
    MessageRecorder messages;
    CDutyNameDlg dialog{&record};
};

TEST_F(X11Clipboard, CopiedBlockReachesOtherProgramsAsTabAndCrText) {
    const char* cells[2][3] = {{"a", "日勤", "c"}, {"d", "e", "f"}};
    for (long row = 0; row < 2; ++row)
        for (long column = 0; column < 3; ++column)
            dialog.Grid().SetCellText(row + 1, column + 1, Sjis(cells[row][column]));
    dialog.Grid().SelectRange(1, 1, 2, 3);
    dialog.OnCommand(ID_COPY_CELLS);
    EXPECT_EQ(RunXclip({"-o"}), QByteArray("a\t日勤\tc\rd\te\tf"));
}

TEST_F(X11Clipboard, SpreadsheetTextPastesCellForCell) {
    const QByteArray texts[] = {"x\ty\nz\tw\n", "x\ty\r\nz\tw\r\n", "\"x\"\ty\nz\t\"w\"\n"};
    for (const QByteArray& text : texts) {
        SCOPED_TRACE(text.toStdString());
        for (long row = 10; row <= 12; ++row)
            for (long column = 1; column <= 2; ++column)
                dialog.Grid().SetCellText(row, column, "");
        dialog.Grid().SelectRange(1, 1, 1, 1);
        dialog.OnCommand(ID_COPY_CELLS); // spans 0, 0
        RunXclip({"-i"}, text);
        // The program learns that it no longer owns the clipboard from an X event.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return QGuiApplication::clipboard()->text() == QString::fromUtf8(text); }));
        dialog.Grid().SelectRange(10, 1, 10, 1);
        dialog.OnCommand(ID_PASTE_CELLS);
        EXPECT_EQ(dialog.Grid().GetCellText(10, 1), "x");
        EXPECT_EQ(dialog.Grid().GetCellText(10, 2), "y");
        EXPECT_EQ(dialog.Grid().GetCellText(11, 1), "z");
        EXPECT_EQ(dialog.Grid().GetCellText(11, 2), "w");
        EXPECT_EQ(dialog.Grid().GetCellText(12, 1), "");
    }
}

} // namespace

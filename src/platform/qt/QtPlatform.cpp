#include "platform/qt/QtPlatform.h"

#include "platform/MessageBox.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
}

void InstallJapaneseTranslations(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

namespace {

QMessageBox::Icon IconOf(UINT type) {
    switch (type & 0xF0) {
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int ShowMessageBox(const std::string& sjisText, UINT type) {
    QMessageBox box(IconOf(type), QStringLiteral("Vkt"), SjisToQt(sjisText), QMessageBox::NoButton,
                    QApplication::activeWindow());
    switch (type & 0x0F) {
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

int WriteMessageBox(const std::string& sjisText, UINT type) {
    std::fprintf(stderr, "vkt: %s\n", SjisToQt(sjisText).toLocal8Bit().constData());
    const UINT buttons = type & 0x0F;
    return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDNO : IDOK;
}

} // namespace

void InstallConsoleMessageBoxes() {
    SetMessageBoxHandler(WriteMessageBox);
}

void InstallGuiMessageBoxes() {
    SetMessageBoxHandler(ShowMessageBox);
}

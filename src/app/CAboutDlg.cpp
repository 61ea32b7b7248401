#include "app/CAboutDlg.h"

#include "app/CAppIcons.h"
#include "platform/qt/DialogUnits.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel* CentredText(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    QFont dialogFont(QStringLiteral("ＭＳ Ｐゴシック"));
    dialogFont.setPointSize(9);
    setFont(dialogFont);
    const DialogUnits units(dialogFont);
    setFixedSize(units.Rect(0, 0, 243, 77).size());

    auto* icon = new QLabel(this);
    icon->setPixmap(CAppIcons::ApplicationPixmap(32));
    icon->setGeometry(units.Rect(21, 15, 20, 21));

    auto* product = CentredText(QStringLiteral("Varomel ver.2.00"), this);
    product->setGeometry(units.Rect(60, 13, 113, 8));
    auto* fileVersion = CentredText(QStringLiteral("Document file ver.2"), this);
    fileVersion->setObjectName(QStringLiteral("1005"));
    fileVersion->setGeometry(units.Rect(60, 30, 113, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(units.Rect(204, 7, 32, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

#include "app/CAboutDlg.h"

#include "app/CAppIcons.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace {

// Dialog units: a quarter of the font's average character width, an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font) : m_metrics(font) {}
    QRect Rect(int x, int y, int cx, int cy) const {
        return {X(x), Y(y), X(cx), Y(cy)};
    }

private:
    int X(int units) const { return units * m_metrics.averageCharWidth() / 4; }
    int Y(int units) const { return units * m_metrics.height() / 8; }
    QFontMetrics m_metrics;
};

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

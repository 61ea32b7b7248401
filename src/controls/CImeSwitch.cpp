#include "controls/CImeSwitch.h"

#include <QApplication>
#include <QDBusMessage>
#include <QInputMethod>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

void SetInputMethodEnabled(QWidget* widget, bool on) {
    if (widget->testAttribute(Qt::WA_InputMethodEnabled) != on)
        widget->setAttribute(Qt::WA_InputMethodEnabled, on);
}

} // namespace

CImeSwitch::CImeSwitch() : m_bus(QDBusConnection::sessionBus()) {}

CImeSwitch::CImeSwitch(const QDBusConnection& bus) : m_bus(bus) {}

void CImeSwitch::Attach(QWidget* target) {
    if (m_bCreated)
        return;
    m_pTarget = target;
    m_bCreated = TRUE;
}

void CImeSwitch::SetOpen(BOOL open) {
    if (!m_bCreated || m_pTarget.isNull())
        return;
    const bool on = open != FALSE;
    SetInputMethodEnabled(m_pTarget, on);
    QWidget* editor = FocusedEditor();
    if (editor != nullptr)
        SetInputMethodEnabled(editor, on);

    // The system input method serves the focused widget only.
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || (focus != m_pTarget && !m_pTarget->isAncestorOf(focus)))
        return;
    if (on)
        QGuiApplication::inputMethod()->show();
    else
        QGuiApplication::inputMethod()->hide();
    SwitchFcitx(on);
}

// Only widgets that edit text take input methods; a grid or a list with the focus keeps its keys.
QWidget* CImeSwitch::FocusedEditor() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !m_pTarget->isAncestorOf(focus))
        return nullptr;
    const bool editor = qobject_cast<QLineEdit*>(focus) != nullptr ||
                        qobject_cast<QTextEdit*>(focus) != nullptr ||
                        qobject_cast<QPlainTextEdit*>(focus) != nullptr;
    return editor ? focus : nullptr;
}

void CImeSwitch::SwitchFcitx(bool on) {
    if (!m_bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.fcitx.Fcitx5"), QStringLiteral("/controller"),
        QStringLiteral("org.fcitx.Fcitx.Controller1"),
        on ? QStringLiteral("Activate") : QStringLiteral("Deactivate"));
    call.setAutoStartService(false);
    m_bus.send(call);
}

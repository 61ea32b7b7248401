#pragma once
// Switches the input method of one widget on for Japanese input, as far as Linux allows.
//
// What it can do:
//  - let input methods reach the bound widget and the text editor inside it that has the
//    keyboard focus (the cell editor), or keep them away (Qt::WA_InputMethodEnabled);
//  - ask the system input method to show its panel (matters for on-screen keyboards only);
//  - where fcitx5 runs on the session bus, really switch it on or off (its Activate and
//    Deactivate calls), the one way to get the Japanese mode from outside on Linux.
// What it cannot do:
//  - read whether ibus or fcitx5 is in Japanese mode; fcitx5 ignores an Activate when it is on;
//  - switch ibus (or any other framework) into Japanese mode: Qt has no call for it, so with
//    ibus the user switches it as usual (the widget takes the input once switched).
// The calls to fcitx5 are posted without waiting for an answer; without a session bus or
// without fcitx5 on it they come to nothing.
#include "platform/WinTypes.h"

#include <QDBusConnection>
#include <QPointer>
#include <QWidget>

class CImeSwitch {
public:
    CImeSwitch();
    // bus: where to look for fcitx5 instead of the session bus.
    explicit CImeSwitch(const QDBusConnection& bus);

    // Binds the switch to target; a second call changes nothing.
    void Attach(QWidget* target);
    // TRUE switches the input method on, FALSE off. Nothing before Attach or once the bound
    // widget is gone; a widget already in the wanted state is left alone.
    void SetOpen(BOOL open);

private:
    QWidget* FocusedEditor() const;
    void SwitchFcitx(bool on);

    BOOL m_bCreated = FALSE;
    QPointer<QWidget> m_pTarget;
    QDBusConnection m_bus;
};

#pragma once
// A posted window message: delivered to its target after the current event, like PostMessage.
#include "platform/WinTypes.h"

#include <QEvent>
#include <QObject>

class CMessageEvent : public QEvent {
public:
    CMessageEvent(UINT message, WPARAM wParam, LPARAM lParam);
    static QEvent::Type EventType();

    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

void PostMessage(QObject* target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

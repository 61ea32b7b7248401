#include "platform/qt/PostedMessage.h"

#include <QCoreApplication>

CMessageEvent::CMessageEvent(UINT message_, WPARAM wParam_, LPARAM lParam_)
    : QEvent(EventType()), message(message_), wParam(wParam_), lParam(lParam_) {}

QEvent::Type CMessageEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostMessage(QObject* target, UINT message, WPARAM wParam, LPARAM lParam) {
    QCoreApplication::postEvent(target, new CMessageEvent(message, wParam, lParam));
}

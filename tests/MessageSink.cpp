#include "MessageSink.h"

#include "platform/qt/PostedMessage.h"

#include <QCoreApplication>

void MessageSink::customEvent(QEvent* event) {
    if (event->type() != CMessageEvent::EventType())
        return;
    const auto* posted = static_cast<CMessageEvent*>(event);
    messages.push_back({posted->message, posted->wParam, posted->lParam});
}

void DeliverPostedMessages(int hops) {
    for (int i = 0; i < hops; ++i)
        QCoreApplication::sendPostedEvents();
}

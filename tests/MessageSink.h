#pragma once
// A window that records the messages posted to it.
#include "platform/WinTypes.h"

#include <QWidget>
#include <vector>

class MessageSink : public QWidget {
public:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        friend bool operator==(const Message&, const Message&) = default;
    };

    std::vector<Message> messages;

protected:
    void customEvent(QEvent* event) override;
};

// Delivers what is posted now and what that posts in turn, hops times over.
void DeliverPostedMessages(int hops = 4);

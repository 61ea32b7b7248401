#include "platform/MessageBox.h"

#include "platform/SjisText.h"

#include <cstdio>

namespace {

// Without a GUI (command-line tools, core tests without a handler) a message goes to stderr,
// and a question is answered with the safe choice.
int WriteToStderr(const std::string& sjisText, UINT type) {
    std::fprintf(stderr, "Vkt: %s\n", sjis::ToUtf8(sjisText).c_str());
    switch (type & 0x0F) {
    case MB_YESNO:
        return IDNO;
    case MB_YESNOCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler = WriteToStderr;
    return handler;
}

} // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(Handler());
    Handler() = handler ? std::move(handler) : MessageBoxHandler(WriteToStderr);
    return previous;
}

int VktMessageBox(const std::string& sjisText, UINT type) {
    return Handler()(sjisText, type);
}

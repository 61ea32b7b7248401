#pragma once
// Message boxes of the program: Shift-JIS text, the caption "Vkt", a type of MB_ flags.
// The GUI installs a handler that shows a dialog; tests install one that records and answers.
#include "platform/WinTypes.h"

#include <functional>
#include <string>

using MessageBoxHandler = std::function<int(const std::string& sjisText, UINT type)>;

// Returns the handler that was installed before.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

int VktMessageBox(const std::string& sjisText, UINT type);

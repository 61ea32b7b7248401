#pragma once
// Command routing: the frame offers each command to the view, itself and the application in
// turn; a command no target knows is shown disabled.
#include "platform/WinTypes.h"

class CCmdUI {
public:
    void Enable(bool enabled = true) { m_bEnabled = enabled; }
    void SetCheck(int check = 1) { m_nCheck = check; }
    bool IsEnabled() const { return m_bEnabled; }
    int Check() const { return m_nCheck; } // -1: not a checkable item

private:
    bool m_bEnabled = true;
    int m_nCheck = -1;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // Returns true when this target handled the command.
    virtual bool OnCommand(UINT id) = 0;
    // Returns true when this target handles the command; may set its state.
    virtual bool OnUpdateCommand(UINT id, CCmdUI& ui) = 0;
};

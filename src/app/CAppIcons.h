#pragma once
// The program's icons, drawn in code so that they scale and need no image files.
#include "platform/WinTypes.h"

#include <QIcon>
#include <QPixmap>

class CAppIcons {
public:
    static QIcon Application();
    static QIcon Document();
    static QIcon ToolBar(UINT commandId);

    // One size of an icon, as the desktop integration writes it to disk.
    static QPixmap ApplicationPixmap(int size);
    static QPixmap DocumentPixmap(int size);
};

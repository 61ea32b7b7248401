#pragma once
// The program's resources: string table, menus, accelerators and tool bar, as data.
#include "platform/WinTypes.h"

#include <QKeySequence>
#include <QString>
#include <span>

inline constexpr UINT ID_SEPARATOR = 0;

struct MenuItemResource {
    UINT id; // ID_SEPARATOR for a separator
    const char* text;
    bool grayed = false;
};

struct PopupResource {
    const char* text;
    std::span<const MenuItemResource> items;
};

struct AcceleratorResource {
    QKeyCombination keys;
    UINT id;
};

// Texts of the string table, UTF-8 in the source; empty for an id that has none.
QString LoadQString(UINT id);
// The status-bar prompt (before the first "\n") and the tool tip (after it).
QString PromptOf(UINT id);
QString ToolTipOf(UINT id);

std::span<const PopupResource> MainMenuResource();
// Context menu 171: one popup, never shown as a bar.
PopupResource CellMenuResource();
std::span<const AcceleratorResource> AcceleratorResources();
std::span<const UINT> ToolBarResource();
std::span<const UINT> IndicatorResource();
QString IndicatorText(UINT id);

// The id's constant name, such as "ID_FILE_NEW": the object name of the command's QAction.
QString CommandName(UINT id);

class QMenu;
class QWidget;
// A popup menu whose actions carry their command id as data and their name as object name.
QMenu* LoadPopupMenu(const PopupResource& popup, QWidget* parent);

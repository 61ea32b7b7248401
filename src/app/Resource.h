#pragma once
// Command and resource ids. The numbers are the ones the program has always used; tests and
// the menus find each command's QAction by the name given here.
#include "platform/WinTypes.h"

inline constexpr UINT IDR_MAINFRAME = 128;
inline constexpr UINT IDR_CELL_MENU = 171;
inline constexpr UINT IDD_ABOUTBOX = 100;
inline constexpr UINT IDR_DOCUMENT_ICON = 129;

// Program commands.
inline constexpr UINT ID_DUTY_NAME_DEFINITION = 32772;
inline constexpr UINT ID_MONTHLY_PRINT = 32774;
inline constexpr UINT ID_DAY_PRINT = 32775;
inline constexpr UINT ID_PERSON_COLUMN_SETTING = 32776;
inline constexpr UINT ID_UNDERLINE = 32778;
inline constexpr UINT ID_DELETE_ROW = 32779;
inline constexpr UINT ID_INSERT_ROW = 32780;
inline constexpr UINT ID_COPY_CELLS = 32845;
inline constexpr UINT ID_PASTE_CELLS = 32846;
inline constexpr UINT ID_DELETE_CELLS = 32847;
inline constexpr UINT ID_CUT_CELLS = 32848;

// Framework commands.
inline constexpr UINT ID_FILE_NEW = 57600;
inline constexpr UINT ID_FILE_OPEN = 57601;
inline constexpr UINT ID_FILE_SAVE = 57603;
inline constexpr UINT ID_FILE_SAVE_AS = 57604;
inline constexpr UINT ID_FILE_PRINT_SETUP = 57606;
inline constexpr UINT ID_FILE_PRINT = 57607;
inline constexpr UINT ID_FILE_PRINT_DIRECT = 57608;
inline constexpr UINT ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr UINT ID_FILE_MRU_FILE1 = 57616;
inline constexpr UINT ID_EDIT_COPY = 57634;
inline constexpr UINT ID_EDIT_CUT = 57635;
inline constexpr UINT ID_EDIT_PASTE = 57637;
inline constexpr UINT ID_EDIT_UNDO = 57643;
inline constexpr UINT ID_APP_ABOUT = 57664;
inline constexpr UINT ID_APP_EXIT = 57665;
inline constexpr UINT ID_NEXT_PANE = 57680;
inline constexpr UINT ID_PREV_PANE = 57681;
inline constexpr UINT ID_VIEW_TOOLBAR = 59392;
inline constexpr UINT ID_VIEW_STATUS_BAR = 59393;

// Status bar indicators and texts.
inline constexpr UINT ID_INDICATOR_CAPS = 59137;
inline constexpr UINT ID_INDICATOR_NUM = 59138;
inline constexpr UINT ID_INDICATOR_SCRL = 59139;
inline constexpr UINT ID_INDICATOR_KANA = 59142;
inline constexpr UINT AFX_IDS_APP_TITLE = 57344;
inline constexpr UINT AFX_IDS_IDLEMESSAGE = 57345;

inline constexpr int kRecentFileCount = 4;

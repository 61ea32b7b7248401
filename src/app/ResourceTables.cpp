#include "app/ResourceTables.h"

#include "app/Resource.h"

#include <QMenu>
#include <array>
#include <utility>

namespace {

constexpr std::pair<UINT, const char*> kStrings[] = {
    {IDR_MAINFRAME, "Varomel\n\nvkt\nVaromel ﾌｧｲﾙ (*.vkt)\n.vkt\nvkt.Document\nVaromel ﾌｧｲﾙ"},
    {AFX_IDS_APP_TITLE, "Vkt"},
    {AFX_IDS_IDLEMESSAGE, "ﾚﾃﾞｨ"},
    {ID_DUTY_NAME_DEFINITION, "勤務名称を定義します。\n勤務名称を定義します。"},
    {ID_MONTHLY_PRINT, "月間印刷\n月間印刷\n"},
    {ID_DAY_PRINT, "指定日印刷\n指定日印刷"},
    {ID_PERSON_COLUMN_SETTING, "担当者フィールドの設定を許可します。\n担当者フィールドの設定を許可します。"},
    {ID_FILE_NEW, "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ"},
    {ID_FILE_OPEN, "既存のﾌｧｲﾙを開く\n開く"},
    {ID_FILE_SAVE, "作業中のﾌｧｲﾙを保存\n保存"},
    {ID_FILE_SAVE_AS, "作業中のﾌｧｲﾙに名前を付けて保存\n名前をつけて保存"},
    {ID_FILE_PRINT_SETUP, "ﾌﾟﾘﾝﾀ/印刷設定の変更\nﾌﾟﾘﾝﾀの設定"},
    {ID_FILE_PRINT, "作業中のﾌｧｲﾙを印刷\n印刷"},
    {ID_FILE_PRINT_PREVIEW, "ﾌﾙｽｸﾘｰﾝで表示\n印刷ﾌﾟﾚﾋﾞｭｰ"},
    {ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
    {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示/非表示"},
    {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"},
};

constexpr const char* kRecentFilePrompt = "指定のﾌｧｲﾙを開く";
constexpr UINT kRecentFilePromptLast = 57631;

constexpr MenuItemResource kFileMenu[] = {
    {ID_FILE_NEW, "新規作成(&N)\tCtrl+N"},
    {ID_FILE_OPEN, "開く(&O)...\tCtrl+O"},
    {ID_FILE_SAVE, "上書き保存(&S)\tCtrl+S"},
    {ID_FILE_SAVE_AS, "名前を付けて保存(&A)..."},
    {ID_SEPARATOR, nullptr},
    {ID_FILE_PRINT_SETUP, "ﾌﾟﾘﾝﾀの設定(&R)..."},
    {ID_MONTHLY_PRINT, "月間印刷(&M)"},
    {ID_DAY_PRINT, "指定日印刷(&D)"},
    {ID_SEPARATOR, nullptr},
    {ID_FILE_MRU_FILE1, "最新のﾌｧｲﾙ", true},
    {ID_SEPARATOR, nullptr},
    {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
};
constexpr MenuItemResource kSettingsMenu[] = {
    {ID_PERSON_COLUMN_SETTING, "担当者設定"},
    {ID_DUTY_NAME_DEFINITION, "勤務名称定義"},
};
constexpr MenuItemResource kViewMenu[] = {
    {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰ(&T)"},
    {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"},
};
constexpr MenuItemResource kHelpMenu[] = {
    {ID_APP_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報(&A)..."},
};
constexpr PopupResource kMainMenu[] = {
    {"ﾌｧｲﾙ(&F)", kFileMenu},
    {"設定(&S)", kSettingsMenu},
    {"表示(&V)", kViewMenu},
    {"ﾍﾙﾌﾟ(&H)", kHelpMenu},
};

constexpr MenuItemResource kCellMenu[] = {
    {ID_COPY_CELLS, "ｺﾋﾟｰ"},
    {ID_PASTE_CELLS, "貼り付け"},
    {ID_CUT_CELLS, "切り取り"},
    {ID_DELETE_CELLS, "削除"},
    {ID_SEPARATOR, nullptr},
    {ID_UNDERLINE, "下線"},
    {ID_SEPARATOR, nullptr},
    {ID_DELETE_ROW, "行削除"},
    {ID_INSERT_ROW, "行挿入"},
};

const AcceleratorResource kAccelerators[] = {
    {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
    {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
    {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
    {Qt::CTRL | Qt::Key_P, ID_FILE_PRINT},
    {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},
    {Qt::CTRL | Qt::Key_X, ID_EDIT_CUT},
    {Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},
    {Qt::CTRL | Qt::Key_V, ID_EDIT_PASTE},
    {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO},
    {Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},
    {Qt::CTRL | Qt::Key_Insert, ID_EDIT_COPY},
    {Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
    {QKeyCombination(Qt::Key_F6), ID_NEXT_PANE},
    {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
};

constexpr UINT kToolBar[] = {
    ID_FILE_NEW,      ID_FILE_OPEN, ID_FILE_SAVE, ID_SEPARATOR,            ID_MONTHLY_PRINT,
    ID_DAY_PRINT,     ID_SEPARATOR, ID_DUTY_NAME_DEFINITION, ID_SEPARATOR, ID_APP_ABOUT,
};

constexpr UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_KANA, ID_INDICATOR_CAPS,
                                ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

constexpr std::pair<UINT, const char*> kCommandNames[] = {
    {ID_DUTY_NAME_DEFINITION, "ID_DUTY_NAME_DEFINITION"},
    {ID_MONTHLY_PRINT, "ID_MONTHLY_PRINT"},
    {ID_DAY_PRINT, "ID_DAY_PRINT"},
    {ID_PERSON_COLUMN_SETTING, "ID_PERSON_COLUMN_SETTING"},
    {ID_UNDERLINE, "ID_UNDERLINE"},
    {ID_DELETE_ROW, "ID_DELETE_ROW"},
    {ID_INSERT_ROW, "ID_INSERT_ROW"},
    {ID_COPY_CELLS, "ID_COPY_CELLS"},
    {ID_PASTE_CELLS, "ID_PASTE_CELLS"},
    {ID_DELETE_CELLS, "ID_DELETE_CELLS"},
    {ID_CUT_CELLS, "ID_CUT_CELLS"},
    {ID_FILE_NEW, "ID_FILE_NEW"},
    {ID_FILE_OPEN, "ID_FILE_OPEN"},
    {ID_FILE_SAVE, "ID_FILE_SAVE"},
    {ID_FILE_SAVE_AS, "ID_FILE_SAVE_AS"},
    {ID_FILE_PRINT_SETUP, "ID_FILE_PRINT_SETUP"},
    {ID_FILE_PRINT, "ID_FILE_PRINT"},
    {ID_FILE_PRINT_DIRECT, "ID_FILE_PRINT_DIRECT"},
    {ID_FILE_PRINT_PREVIEW, "ID_FILE_PRINT_PREVIEW"},
    {ID_FILE_MRU_FILE1, "ID_FILE_MRU_FILE1"},
    {ID_EDIT_COPY, "ID_EDIT_COPY"},
    {ID_EDIT_CUT, "ID_EDIT_CUT"},
    {ID_EDIT_PASTE, "ID_EDIT_PASTE"},
    {ID_EDIT_UNDO, "ID_EDIT_UNDO"},
    {ID_APP_ABOUT, "ID_APP_ABOUT"},
    {ID_APP_EXIT, "ID_APP_EXIT"},
    {ID_NEXT_PANE, "ID_NEXT_PANE"},
    {ID_PREV_PANE, "ID_PREV_PANE"},
    {ID_VIEW_TOOLBAR, "ID_VIEW_TOOLBAR"},
    {ID_VIEW_STATUS_BAR, "ID_VIEW_STATUS_BAR"},
    {ID_INDICATOR_KANA, "ID_INDICATOR_KANA"},
    {ID_INDICATOR_CAPS, "ID_INDICATOR_CAPS"},
    {ID_INDICATOR_NUM, "ID_INDICATOR_NUM"},
    {ID_INDICATOR_SCRL, "ID_INDICATOR_SCRL"},
};

} // namespace

QString CommandName(UINT id) {
    for (const auto& [commandId, name] : kCommandNames) {
        if (commandId == id)
            return QString::fromLatin1(name);
    }
    if (id > ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount)
        return QStringLiteral("ID_FILE_MRU_FILE%1").arg(id - ID_FILE_MRU_FILE1 + 1);
    return QString::number(id);
}

QMenu* LoadPopupMenu(const PopupResource& popup, QWidget* parent) {
    auto* menu = new QMenu(QString::fromUtf8(popup.text), parent);
    for (const MenuItemResource& item : popup.items) {
        if (item.id == ID_SEPARATOR) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setObjectName(CommandName(item.id));
        action->setData(item.id);
        action->setEnabled(!item.grayed);
    }
    return menu;
}

QString LoadQString(UINT id) {
    for (const auto& [stringId, text] : kStrings) {
        if (stringId == id)
            return QString::fromUtf8(text);
    }
    if (id >= ID_FILE_MRU_FILE1 && id <= kRecentFilePromptLast)
        return QString::fromUtf8(kRecentFilePrompt);
    return {};
}

QString PromptOf(UINT id) {
    return LoadQString(id).section(QLatin1Char('\n'), 0, 0);
}

QString ToolTipOf(UINT id) {
    return LoadQString(id).section(QLatin1Char('\n'), 1, 1);
}

std::span<const PopupResource> MainMenuResource() {
    return kMainMenu;
}

PopupResource CellMenuResource() {
    return {"dummy", kCellMenu};
}

std::span<const AcceleratorResource> AcceleratorResources() {
    return kAccelerators;
}

std::span<const UINT> ToolBarResource() {
    return kToolBar;
}

std::span<const UINT> IndicatorResource() {
    return kIndicators;
}

QString IndicatorText(UINT id) {
    switch (id) {
    case ID_INDICATOR_KANA:
        return QStringLiteral("ｶﾅ");
    case ID_INDICATOR_CAPS:
        return QStringLiteral("CAP");
    case ID_INDICATOR_NUM:
        return QStringLiteral("NUM");
    case ID_INDICATOR_SCRL:
        return QStringLiteral("SCRL");
    default:
        return {};
    }
}

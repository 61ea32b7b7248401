#include "view/CZelView.h"

#include "app/Resource.h"
#include "app/ResourceTables.h"
#include "controls/ControlGeometry.h"
#include "doc/CZelDoc.h"
#include "grid/CCellGrid.h"
#include "platform/SjisText.h"
#include "platform/qt/PostedMessage.h"

#include <QMenu>
#include <QResizeEvent>
#include <cstdio>

namespace {

constexpr long kGridRows = 81;
constexpr long kGridColumns = 33;
constexpr long kLastColumn = kGridColumns - 1;
constexpr long kNameWidth = 1100;
constexpr long kDayWidth = 700;
constexpr COLORREF kBlue = 0x00FF0000;

// Captions until the first date change writes the real ones.
std::string SetupCaptions() {
    std::string captions = sjis::FromUtf8("No.|担当者");
    const std::string sunday = sjis::FromUtf8("(日)");
    for (int day = 1; day <= 31; ++day) {
        char number[8];
        std::snprintf(number, sizeof number, "|  %2d", day);
        captions += number + sunday + "  ";
    }
    return captions;
}

} // namespace

CZelView::CZelView(CZelDoc* pDoc, QWidget* parent)
    : QWidget(parent), m_pDoc(pDoc), m_pRecord(&pDoc->m_record) {
    g_nCopyRowSpan = -1;
    g_nCopyColSpan = -1;
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    m_pGrid = new CCellGrid(this);
    m_pGrid->setObjectName(QStringLiteral("GRID"));
    m_pGrid->setGeometry(0, kStripHeight, width(), std::max(0, height() - kStripHeight));
    ConnectGridEvents();
    m_pCellMenu = LoadPopupMenu(CellMenuResource(), this);
    connect(m_pCellMenu, &QMenu::triggered, this,
            [this](QAction* action) { OnCommand(action->data().toUInt()); });
}

CZelView::~CZelView() = default;

void CZelView::ConnectGridEvents() {
    connect(m_pGrid, &CCellGrid::KeyDown, this, &CZelView::KeyDown);
    connect(m_pGrid, &CCellGrid::EditStarting, this, &CZelView::EditStarting);
    connect(m_pGrid, &CCellGrid::EditCommitted, this, &CZelView::EditCommitted);
    connect(m_pGrid, &CCellGrid::EditFinished, this, &CZelView::EditFinished);
    connect(m_pGrid, &CCellGrid::MouseUp, this, &CZelView::MouseUp);
}

void CZelView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A window lower than the strip leaves the grid no height; the strip keeps its 40 pixels.
    m_pGrid->setGeometry(0, kStripHeight, width(), std::max(0, height() - kStripHeight));
    m_pGrid->raise();
}

void CZelView::OnInitialUpdate() {
    if (!m_bInitialized) {
        InitialiseControls();
        m_bInitialized = TRUE;
    }
    m_bPersonColumn = 0;
    m_pGrid->SetFixedColumnCount(2);
    RebuildDutyLists();
    LoadStaffRows();
    const std::string dateText = FieldText(m_pRecord->dateText);
    if (dateText.empty())
        m_dateSelector.OnNow();
    else
        m_dateSelector.SetDateText(dateText);
    LoadComment();
    LoadRowUnderlines();
    PostMessage(this, WM_USER_SELCHANGE, 0, 0);
    m_pDoc->SetModifiedFlag(FALSE);
}

void CZelView::InitialiseControls() {
    m_font = ControlFont(logicalDpiX());
    m_dateSelector.Create(false, m_font, RECT{0, 0, 200, kStripHeight}, this, 1);
    m_legend.Create(sjis::FromUtf8("ここに選択する項目内容が表示されます。"), 0x50010000,
                    RECT{210, 10, 600, 30}, 0x00E0E0E0, kBlue, this, FALSE);
    m_legend.SetLabelFont(&m_font, TRUE);
    m_legend.SetScrollMode(1, 65);
    m_commentBox.Create(m_font, RECT{610, 10, 750, 30}, this, 1, 0x508110C0);
    m_commentBox.EnableChangeNotify(1);
    InitialiseGrid();
    m_ime.Attach(this);
}

void CZelView::InitialiseGrid() {
    m_pGrid->SetFontName(sjis::FromUtf8("ＭＳ ゴシック"));
    m_pGrid->SetColumnCount(kGridColumns);
    m_pGrid->SetRowCount(kGridRows);
    m_pGrid->SetSwitch(65, TRUE);
    m_pGrid->SetSwitch(103, TRUE);
    m_pGrid->SetHeaderCaptions(SetupCaptions());
    SetColumnWidths();
    for (long row = 1; row < kGridRows; ++row) {
        char number[8];
        std::snprintf(number, sizeof number, "%2ld", row);
        m_pGrid->SetCellText(row, 0, number);
    }
    m_pGrid->SetColumnAlignment(0, 7);
    for (long column = 1; column <= kLastColumn; ++column)
        m_pGrid->SetColumnAlignment(column, 1);
    m_pGrid->SetSwitch(71, TRUE);
    m_pGrid->SetFixedRowCount(1);
    m_pGrid->SetBackColor(0x00FFFFFF);
    m_pGrid->SetSwitch(43, 0x00808080);
    m_pGrid->SetSwitch(66, 1);
    m_pGrid->SetSwitch(28, TRUE);
    // The page boundary of the monthly print: 40 staff rows a page.
    m_pGrid->SelectRange(40, 0, 40, kLastColumn);
    m_pGrid->SetRangeBorder(kBlue, 0, 0, 0, 2, 0, 0);
    m_pGrid->SelectRange(0, 0, 0, 0);
}

void CZelView::SetColumnWidths() {
    m_pGrid->SetColumnWidth(1, kNameWidth);
    for (long column = 2; column <= kLastColumn; ++column)
        m_pGrid->SetColumnWidth(column, kDayWidth);
}

void CZelView::customEvent(QEvent* event) {
    if (event->type() != CMessageEvent::EventType())
        return QWidget::customEvent(event);
    const auto* message = static_cast<CMessageEvent*>(event);
    if (message->message == WM_USER_SELCHANGE)
        OnDateChanged(message->wParam, message->lParam);
    else if (message->message == WM_USER_TEXTCHANGE)
        OnCommentChanged(message->wParam, message->lParam);
}

bool CZelView::OnCommand(UINT id) {
    switch (id) {
    case ID_PERSON_COLUMN_SETTING:
        OnPersonColumnSetting();
        return true;
    case ID_DUTY_NAME_DEFINITION:
        OnDutyNameDefinition();
        return true;
    case ID_COPY_CELLS:
        OnCopyCells();
        return true;
    case ID_PASTE_CELLS:
        OnPasteCells();
        return true;
    case ID_CUT_CELLS:
        OnCutCells();
        return true;
    case ID_DELETE_CELLS:
        OnDeleteCells();
        return true;
    case ID_UNDERLINE:
        OnUnderline();
        return true;
    case ID_DELETE_ROW:
        OnDeleteRow();
        return true;
    case ID_INSERT_ROW:
        OnInsertRow();
        return true;
    case ID_MONTHLY_PRINT:
        OnMonthlyPrint();
        return true;
    case ID_DAY_PRINT:
        OnDayPrint();
        return true;
    case ID_FILE_PRINT_PREVIEW:
        OnFilePrintPreview();
        return true;
    case ID_FILE_PRINT:
        OnFilePrint();
        return true;
    case ID_FILE_PRINT_DIRECT:
        OnFilePrintDirect();
        return true;
    default:
        return false;
    }
}

bool CZelView::OnUpdateCommand(UINT id, CCmdUI& ui) {
    switch (id) {
    case ID_PERSON_COLUMN_SETTING:
        OnUpdatePersonColumnSetting(ui);
        return true;
    case ID_DUTY_NAME_DEFINITION:
    case ID_COPY_CELLS:
    case ID_PASTE_CELLS:
    case ID_CUT_CELLS:
    case ID_DELETE_CELLS:
    case ID_UNDERLINE:
    case ID_DELETE_ROW:
    case ID_INSERT_ROW:
    case ID_MONTHLY_PRINT:
    case ID_DAY_PRINT:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_DIRECT:
        return true;
    default:
        return false;
    }
}

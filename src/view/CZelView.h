#pragma once
// The roster view: the date selector, the duty legend and the comment box in a 40-pixel strip,
// and below them the roster grid, which shows the document's record and writes every change
// into it at once.
#include "controls/CCommentBox.h"
#include "controls/CDateTimeCtl.h"
#include "controls/CGridMenuCommands.h"
#include "controls/CImeSwitch.h"
#include "controls/CInfoLabel.h"
#include "platform/qt/CCmdTarget.h"

#include <QFont>
#include <QWidget>
#include <string>

class CCellGrid;
class CDC;
class CZelDoc;
class QMenu;
class QPrinter;
struct RosterRecord;

class CZelView : public QWidget, public CCmdTarget {
    Q_OBJECT
public:
    static constexpr int kStripHeight = 40;

    explicit CZelView(CZelDoc* pDoc, QWidget* parent = nullptr);
    ~CZelView() override;

    // Run after every New and Open: shows the record anew and leaves it unmodified.
    virtual void OnInitialUpdate();

    // Brings into the record what is still typed in an open cell editor, and what the comment
    // box has not reported yet (it is watched every 200 ms): before a save, a close or a print.
    void CommitPendingInput();

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, CCmdUI& ui) override;

    // Record -> grid and controls.
    void LoadStaffRows();
    void LoadRowUnderlines();
    void LoadComment();
    void RebuildDutyLists();
    void UpdateDayHeaders(int firstWeekday);
    void SetDayColumnColor(long column, COLORREF colour);
    void ApplyRowUnderline(long row, bool on);
    LRESULT OnDateChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnCommentChanged(WPARAM wParam, LPARAM lParam);

    // Grid -> record: the text of one cell into its field, cut to the field on a whole
    // character; the grid then shows what was stored.
    void StoreCellText(long row, long column, const std::string& text);

    // Grid events.
    void KeyDown(short* keyCode, short shift);
    void EditStarting(long row, long column, BOOL* cancel);
    void EditCommitted(long row, long column);
    void EditFinished();
    void MouseUp(short button, short shift, float x, float y);

    // Printing: the two forms, the preview, the print dialog, printing without a dialog and a
    // PDF file; m_nPrintMode tells the form.
    void SetPrinter(QPrinter* printer) { m_pPrinter = printer; }
    void OnMonthlyPrint();
    void OnDayPrint();
    void OnFilePrintPreview();
    bool OnFilePrint();
    bool OnFilePrintDirect();
    bool ExportPdf(const QString& path, int printMode);
    // The day of the date selector, for a day print of another day than the roster's own.
    bool SelectPrintDay(int day);
    int CountPrintPages(int printMode) const;
    int PrintMode() const { return m_nPrintMode; }

    void OnPersonColumnSetting();
    void OnUpdatePersonColumnSetting(CCmdUI& ui) const;

    // The duty name dialog on the record; Cancel restores the whole record as it was.
    void OnDutyNameDefinition();

    // The commands of the cell menu; every change reaches the record at once.
    void OnCopyCells();
    void OnPasteCells();
    void OnCutCells();
    void OnDeleteCells();
    void OnUnderline();
    void OnDeleteRow();
    void OnInsertRow();
    void StoreAllCells();

    CCellGrid* Grid() const { return m_pGrid; }
    CDateTimeCtl& DateSelector() { return m_dateSelector; }
    CInfoLabel& Legend() { return m_legend; }
    CCommentBox& CommentBox() { return m_commentBox; }
    QMenu* CellMenu() const { return m_pCellMenu; }
    int FirstWeekday() const { return m_nFirstWeekday; }
    int PersonColumn() const { return m_bPersonColumn; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    void InitialiseControls();
    void InitialiseGrid();
    void SetColumnWidths();
    void ConnectGridEvents();
    bool HasEditCell() const;
    CGridMenuCommands CellCommands() const;
    void ReloadAfterRowCommand();
    bool PrintPages(QPrinter& printer, int printMode);
    void PrintPage(CDC& dc, int page, int printMode);

    CCellGrid* m_pGrid = nullptr;
    CZelDoc* m_pDoc;
    CDateTimeCtl m_dateSelector;
    CInfoLabel m_legend;
    QFont m_font;
    CImeSwitch m_ime;
    CCommentBox m_commentBox;
    RosterRecord* m_pRecord;
    QMenu* m_pCellMenu = nullptr;
    long m_nEditRow = -1; // no edit cell until the first edit starts
    long m_nEditCol = -1;
    int m_nPrintMode = 0;
    QPrinter* m_pPrinter = nullptr;
    BOOL m_bInitialized = FALSE;
    int m_nFirstWeekday = 0;
    int m_bPersonColumn = 0;
};

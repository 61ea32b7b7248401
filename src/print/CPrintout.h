#pragma once
// What the monthly and the day printout share: the device preparation, the two writers, the
// sheet geometry in whole millimetres from the printable area's top-left corner, y down, and
// the placing of texts in cells.
#include "doc/RosterRecord.h"
#include "platform/CDC.h"
#include "print/CPrintWriter.h"

#include <array>
#include <string>
#include <string_view>

struct SheetGeometry {
    int top;        // frame's top edge, the table's top rule
    int left;       // frame's left edge, where column 0 begins
    int right;      // frame's right edge
    int bottom;     // frame's bottom edge
    int legendRows; // rows at the foot of the frame that the column rules do not cross
    std::array<int, 40> columnWidths;
    int rows;      // rows below the header row, legend rows included
    int rowHeight; // of every row, the header row included
};

class CPrintout {
public:
    // Font values of PutCell.
    static constexpr int kNormalFont = 0;
    static constexpr int kBoldFont = 3;

    virtual ~CPrintout() = default;
    CPrintout(const CPrintout&) = delete;
    CPrintout& operator=(const CPrintout&) = delete;

    // Text with its top-left corner dx mm right of the column's left edge and dy half
    // millimetres below the row's top edge; not clipped to the cell. Other fonts draw nothing.
    void PutCell(int column, int row, int dx, int dy, std::string_view sjisText, int font);

protected:
    // Leaves the device in MM_LOMETRIC with transparent text; the mode is not restored.
    CPrintout(CDC& dc, const SheetGeometry& sheet);

    const SheetGeometry& Sheet() const { return m_sheet; }
    int ColumnLeft(int column) const;
    // y of horizontal rule i: the top edge of row i.
    int RuleY(int rule) const { return m_sheet.top + m_sheet.rowHeight * rule; }
    // The last horizontal rule, under the last body row.
    int LastRowRule() const { return m_sheet.rows - m_sheet.legendRows + 1; }
    // Where the column rules stop, above the legend rows.
    int ColumnRuleBottom() const;

    void DrawRule(int x1, int y1, int x2, int y2, bool thick);
    void DrawFrame();
    // Column rules 1 to lastRule; the two around the second column are thick.
    void DrawColumnRules(int lastRule);
    // Title and comment in bold, 6 mm above the top rule.
    void DrawTitleLine(std::string_view title, int commentColumn, int commentDx,
                       const RosterRecord& record);

    // "Varomel（%d年 %d月", which both titles begin with.
    static std::string TitleOfMonth(int year, int month);
    // "%2d": row and running numbers line up on their units.
    static std::string NumberText(int number);
    // "日" to "土" for weekday 0 = Sunday to 6 = Saturday.
    static const std::string& WeekdayMark(int weekday);

private:
    static CDC& Prepare(CDC& dc);

    CDC& m_dc;
    CPrintWriter m_normal;
    CPrintWriter m_bold;
    const SheetGeometry m_sheet;
};

#include "print/CPrintout.h"

#include "platform/SjisText.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

constexpr int kMillimetre = 10; // logical units of MM_LOMETRIC
constexpr int kThickRule = 4;   // 0.4 mm
constexpr int kThinRule = 1;    // 0.1 mm
// The window colour of the standard scheme, which printing on paper assumes.
constexpr COLORREF kWindowColor = RGB(255, 255, 255);
constexpr int kTitleDy = -12;

} // namespace

CPrintout::CPrintout(CDC& dc, const SheetGeometry& sheet)
    : m_dc(Prepare(dc)), m_normal(&m_dc, 30, FW_NORMAL), m_bold(&m_dc, 45, FW_BOLD),
      m_sheet(sheet) {}

CDC& CPrintout::Prepare(CDC& dc) {
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetBkMode(TRANSPARENT);
    dc.SetBkColor(kWindowColor);
    return dc;
}

void CPrintout::PutCell(int column, int row, int dx, int dy, std::string_view sjisText, int font) {
    const int x = (ColumnLeft(column) + dx) * kMillimetre;
    const int y = (RuleY(row) * 2 + dy) * (kMillimetre / 2);
    if (font == kNormalFont)
        m_normal.DrawString(x, y, sjisText, 1);
    else if (font == kBoldFont)
        m_bold.DrawString(x, y, sjisText, 1);
}

int CPrintout::ColumnLeft(int column) const {
    const auto widths = m_sheet.columnWidths.begin();
    const int count = std::clamp(column, 0, static_cast<int>(m_sheet.columnWidths.size()));
    return std::accumulate(widths, widths + count, m_sheet.left);
}

int CPrintout::ColumnRuleBottom() const {
    return m_sheet.bottom - m_sheet.rowHeight * m_sheet.legendRows;
}

void CPrintout::DrawRule(int x1, int y1, int x2, int y2, bool thick) {
    m_normal.DrawLine(x1, y1, x2, y2, thick ? kThickRule : kThinRule, PS_SOLID, kMillimetre);
}

void CPrintout::DrawFrame() {
    m_normal.DrawBox(m_sheet.left, m_sheet.top, m_sheet.right, m_sheet.bottom, kThickRule, PS_SOLID,
                     kMillimetre);
}

void CPrintout::DrawColumnRules(int lastRule) {
    for (int k = 1; k <= lastRule; ++k) {
        const int x = ColumnLeft(k);
        DrawRule(x, m_sheet.top, x, ColumnRuleBottom(), k <= 2);
    }
}

void CPrintout::DrawTitleLine(std::string_view title, int commentColumn, int commentDx,
                              const RosterRecord& record) {
    PutCell(0, 0, 2, kTitleDy, title, kBoldFont);
    PutCell(commentColumn, 0, commentDx, kTitleDy, FieldText(record.comment), kBoldFont);
}

std::string CPrintout::TitleOfMonth(int year, int month) {
    static const std::string open = sjis::FromUtf8("Varomel（");
    static const std::string yearMark = sjis::FromUtf8("年 ");
    static const std::string monthMark = sjis::FromUtf8("月");
    return open + std::to_string(year) + yearMark + std::to_string(month) + monthMark;
}

std::string CPrintout::NumberText(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d", number);
    return text;
}

const std::string& CPrintout::WeekdayMark(int weekday) {
    static const std::array<std::string, 7> marks = {
        sjis::FromUtf8("日"), sjis::FromUtf8("月"), sjis::FromUtf8("火"), sjis::FromUtf8("水"),
        sjis::FromUtf8("木"), sjis::FromUtf8("金"), sjis::FromUtf8("土")};
    return marks.at(static_cast<std::size_t>(weekday));
}

#include "RecordingDC.h"

void RecordingDC::PaintLine(POINT from, POINT to, const CPen& pen) {
    m_lines.push_back({from, to, pen});
}

void RecordingDC::PaintText(POINT topLeft, std::string_view sjisText, const CFont& font) {
    m_texts.push_back({topLeft, std::string(sjisText), font});
}

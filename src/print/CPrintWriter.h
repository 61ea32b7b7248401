#pragma once
// Draws rules, boxes and texts in the printouts' page coordinates (x right, y down) on a
// device context, with one font of its own.
#include "platform/CDC.h"
#include "platform/WinTypes.h"

#include <string_view>

class CPrintWriter {
public:
    // pDC may be null: such a writer draws nothing. height is in the device's logical units.
    CPrintWriter(CDC* pDC, int height, int weight);
    virtual ~CPrintWriter() = default;

    // Under MM_LOMETRIC (as the device was at construction) scales page units to logical units
    // and turns y upwards; under any other mode leaves both as they are.
    void ToDevice(int& x, int& y, int scale) const;

    // A black line of width logical units.
    void DrawLine(int x1, int y1, int x2, int y2, int width, int style, int scale);
    // Top, left, bottom, then right edge.
    void DrawBox(int x1, int y1, int x2, int y2, int width, int style, int scale);
    // Shift-JIS text in the writer's font, its top-left corner at (x, y).
    void DrawString(int x, int y, std::string_view sjisText, int scale);

private:
    CDC* m_pDC;
    CFont m_font;
    BOOL m_bEnabled;
    int m_nMapMode;
};

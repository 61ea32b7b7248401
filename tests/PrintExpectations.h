#pragma once
// What the print layout tests expect to see on the recording device context.
#include "RecordFixture.h"
#include "RecordingDC.h"
#include "platform/CFont.h"
#include "platform/CPen.h"

inline const CFont kNormal(Sjis("ＭＳ 明朝"), 30, FW_NORMAL);
inline const CFont kBold(Sjis("ＭＳ 明朝"), 45, FW_BOLD);

// A rule between two points given in millimetres, y down.
inline RecordingDC::Line Rule(int x1, int y1, int x2, int y2, int width) {
    return {{x1 * 10, -y1 * 10}, {x2 * 10, -y2 * 10}, CPen(PS_SOLID, width, RGB(0, 0, 0))};
}

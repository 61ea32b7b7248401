#pragma once
// A device that draws nothing: what is left is the layout's own cost.
#include "platform/CDC.h"

class NullDC : public CDC {
protected:
    void PaintLine(POINT, POINT, const CPen&) override {}
    void PaintText(POINT, std::string_view, const CFont&) override {}
};

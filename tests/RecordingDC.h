#pragma once
// A device context that keeps what is drawn on it, in logical units, for exact checks.
#include "platform/CDC.h"

#include <string>
#include <vector>

class RecordingDC : public CDC {
public:
    struct Line {
        POINT from;
        POINT to;
        CPen pen;
        friend bool operator==(const Line&, const Line&) = default;
    };
    struct Text {
        POINT at;
        std::string text; // Shift-JIS
        CFont font;
        friend bool operator==(const Text&, const Text&) = default;
    };

    const std::vector<Line>& Lines() const { return m_lines; }
    const std::vector<Text>& Texts() const { return m_texts; }

protected:
    void PaintLine(POINT from, POINT to, const CPen& pen) override;
    void PaintText(POINT topLeft, std::string_view sjisText, const CFont& font) override;

private:
    std::vector<Line> m_lines;
    std::vector<Text> m_texts;
};

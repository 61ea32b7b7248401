#pragma once
// A font as the device context takes it: face name (Shift-JIS), height in logical units, weight.
#include <string>
#include <utility>

inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;

class CFont {
public:
    // The device's own default font.
    CFont() = default;
    CFont(std::string sjisFaceName, int height, int weight)
        : m_strFaceName(std::move(sjisFaceName)), m_nHeight(height), m_nWeight(weight) {}

    const std::string& FaceName() const { return m_strFaceName; }
    // 0 leaves the height to the device.
    int Height() const { return m_nHeight; }
    int Weight() const { return m_nWeight; }

    friend bool operator==(const CFont&, const CFont&) = default;

private:
    std::string m_strFaceName;
    int m_nHeight = 0;
    int m_nWeight = FW_NORMAL;
};

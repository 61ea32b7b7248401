#pragma once
// The few Windows types and constants the program's code is written against.
#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using COLORREF = std::uint32_t; // 0x00BBGGRR
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

struct RECT {
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

struct POINT {
    long x = 0;
    long y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr unsigned GetRValue(COLORREF c) { return c & 0xFF; }
constexpr unsigned GetGValue(COLORREF c) { return (c >> 8) & 0xFF; }
constexpr unsigned GetBValue(COLORREF c) { return (c >> 16) & 0xFF; }

inline constexpr UINT WM_USER = 0x0400;
inline constexpr UINT WM_USER_TEXTCHANGE = WM_USER + 100; // 1124
inline constexpr UINT WM_USER_SELCHANGE = WM_USER + 203;  // 1227

// Message box types and answers.
inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_YESNOCANCEL = 0x03;
inline constexpr UINT MB_YESNO = 0x04;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

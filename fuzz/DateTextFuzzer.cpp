// The date selector's SetDateText on any text, in both modes, on the offscreen platform. A text
// of the mode's length leaves every list with a selection, and what GetDateText then gives
// selects the same again; any other text changes nothing.
#include "FuzzCheck.h"
#include "controls/CDateTimeCtl.h"
#include "controls/ControlGeometry.h"

#include <QApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct Selectors {
    QWidget owner;
    CDateTimeCtl date;
    CDateTimeCtl time;
};

Selectors* g_selectors = nullptr;

void Check(CDateTimeCtl& selector, const std::string& text, std::size_t length) {
    const std::string before = selector.GetDateText();
    selector.SetDateText(text);
    const std::string after = selector.GetDateText();
    if (text.size() != length) {
        FUZZ_CHECK(after == before);
        return;
    }
    FUZZ_CHECK(after.size() == length);
    for (const CCaptionCombo* list : selector.findChildren<CCaptionCombo*>())
        FUZZ_CHECK(list->currentIndex() >= 0);
    selector.SetDateText(after);
    FUZZ_CHECK(selector.GetDateText() == after);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(*argc, *argv);
    static Selectors selectors;
    selectors.date.Create(false, ControlFont(96), {0, 0, 200, 40}, &selectors.owner, 1);
    selectors.time.Create(true, ControlFont(96), {0, 50, 200, 90}, &selectors.owner, 2);
    g_selectors = &selectors;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Check(g_selectors->date, text, 8);
    Check(g_selectors->time, text, 6);
    return 0;
}

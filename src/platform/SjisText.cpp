#include "platform/SjisText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace sjis {
namespace {

// One converter per direction, kept open: opening one loads a gconv module.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv: code page 932 is not available");
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false and leaves in/out at the failing input.
    bool Run(const char*& in, std::size_t& inLeft, std::string& out, int& error) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            std::array<char, 256> buffer;
            char* dst = buffer.data();
            std::size_t dstLeft = buffer.size();
            char* src = const_cast<char*>(in);
            const std::size_t rc = iconv(m_cd, &src, &inLeft, &dst, &dstLeft);
            error = rc == static_cast<std::size_t>(-1) ? errno : 0;
            in = src;
            out.append(buffer.data(), buffer.size() - dstLeft);
            if (error != 0 && error != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t m_cd;
};

Converter& Decoder() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& Encoder() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// JIS forms produced by Linux input methods and programs, and the Microsoft forms CP932 has.
struct Fold {
    std::string_view from;
    std::string_view to;
};
constexpr std::array<Fold, 7> kFolds{{
    {"\u301C", "\uFF5E"}, // wave dash -> fullwidth tilde
    {"\u2212", "\uFF0D"}, // minus -> fullwidth hyphen-minus
    {"\u2016", "\u2225"}, // double vertical line -> parallel to
    {"\u2014", "\u2015"}, // em dash -> horizontal bar
    {"\u00A2", "\uFFE0"}, // cent
    {"\u00A3", "\uFFE1"}, // pound
    {"\u00AC", "\uFFE2"}, // not sign
}};

std::string FoldJisForms(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        bool replaced = false;
        for (const Fold& fold : kFolds) {
            if (text.substr(i, fold.from.size()) == fold.from) {
                folded += fold.to;
                i += fold.from.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            folded += text[i++];
    }
    return folded;
}

} // namespace

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

std::string_view FitPrefix(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        const bool pair = IsLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.size();
        const std::size_t step = pair ? 2 : 1;
        if (end + step > maxBytes)
            break;
        end += step;
    }
    return text.substr(0, end);
}

std::string ToUtf8(std::string_view sjisText) {
    std::string out;
    out.reserve(sjisText.size() * 2);
    const char* in = sjisText.data();
    std::size_t left = sjisText.size();
    int error = 0;
    while (!Decoder().Run(in, left, out, error)) {
        const auto lead = static_cast<unsigned char>(in[0]);
        const bool pair = left > 1 && IsLeadByte(lead) && IsTrailByte(static_cast<unsigned char>(in[1]));
        const std::size_t skip = pair ? 2 : 1;
        out += "\uFFFD";
        in += skip;
        left -= skip;
    }
    return out;
}

std::string FromUtf8(std::string_view utf8Text) {
    const std::string folded = FoldJisForms(utf8Text);
    std::string out;
    out.reserve(folded.size());
    const char* in = folded.data();
    std::size_t left = folded.size();
    int error = 0;
    while (!Encoder().Run(in, left, out, error)) {
        const std::size_t skip = std::min(Utf8Length(static_cast<unsigned char>(in[0])), left);
        out += '?';
        in += skip;
        left -= skip;
    }
    return out;
}

} // namespace sjis

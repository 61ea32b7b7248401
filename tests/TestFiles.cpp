#include "TestFiles.h"

#include "platform/SjisText.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

MessageRecorder::MessageRecorder() {
    m_previous = SetMessageBoxHandler([this](const std::string& sjisText, UINT type) {
        m_shown.push_back({sjis::ToUtf8(sjisText), type});
        if (!m_replies.empty()) {
            const int reply = m_replies.front();
            m_replies.pop_front();
            return reply;
        }
        return (type & 0x0F) == MB_YESNO ? IDYES : IDOK;
    });
}

MessageRecorder::~MessageRecorder() {
    SetMessageBoxHandler(std::move(m_previous));
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vkt-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

#pragma once
// Shared fixtures: recorded message boxes and temporary folders.
#include "platform/MessageBox.h"

#include <deque>
#include <string>
#include <vector>

// Records every message box (text as UTF-8) and answers from a queue; IDOK / IDYES when empty.
class MessageRecorder {
public:
    struct Shown {
        std::string text;
        UINT type;
    };

    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Answer(int reply) { m_replies.push_back(reply); }
    const std::vector<Shown>& Messages() const { return m_shown; }
    void Clear() { m_shown.clear(); }

private:
    std::vector<Shown> m_shown;
    std::deque<int> m_replies;
    MessageBoxHandler m_previous;
};

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

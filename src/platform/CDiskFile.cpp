#include "platform/CDiskFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CDiskFile::~CDiskFile() {
    Discard();
}

bool CDiskFile::OpenForReading(const std::string& path) {
    // O_NONBLOCK: a FIFO given as a roster must not hang the program.
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = errno;
        return false;
    }
    struct stat info {};
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        m_error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        Discard();
        return false;
    }
    return true;
}

bool CDiskFile::OpenForWriting(const std::string& path) {
    m_targetPath = path;
    m_tempPath = path + ".XXXXXX";
    m_fd = ::mkostemp(m_tempPath.data(), O_CLOEXEC);
    if (m_fd < 0) {
        m_error = errno;
        m_tempPath.clear();
        return false;
    }
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        ::fchmod(m_fd, info.st_mode & 07777);
    else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(m_fd, 0666 & ~mask);
    }
    return true;
}

bool CDiskFile::Commit() {
    if (m_fd < 0 || m_tempPath.empty())
        return false;
    if (::fsync(m_fd) != 0 || ::close(m_fd) != 0) {
        m_error = errno;
        m_fd = -1;
        Discard();
        return false;
    }
    m_fd = -1;
    if (::rename(m_tempPath.c_str(), m_targetPath.c_str()) != 0) {
        m_error = errno;
        Discard();
        return false;
    }
    m_tempPath.clear();
    return true;
}

std::uint64_t CDiskFile::GetLength() const {
    struct stat info {};
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0)
        return 0;
    return static_cast<std::uint64_t>(info.st_size);
}

std::size_t CDiskFile::Read(void* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(m_fd, static_cast<char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_error = n < 0 ? errno : 0;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool CDiskFile::Write(const void* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(m_fd, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A full disk or a file-size limit shows as a short write, then an error.
            m_error = n < 0 ? errno : ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void CDiskFile::Discard() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_tempPath.empty())
        ::unlink(m_tempPath.c_str());
    m_tempPath.clear();
}

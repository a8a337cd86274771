#include "platform/core/File.h"

#include "platform/core/FileOpenFilter.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::mutex g_filterMutex;
FileOpenFilter g_openFilter;

bool OpenAllowed(const String& path, unsigned flags)
{
    FileOpenFilter filter;
    {
        std::lock_guard<std::mutex> lock(g_filterMutex);
        filter = g_openFilter;
    }
    return !filter || filter(path, flags);
}

}  // namespace

FileOpenFilter SetFileOpenFilter(FileOpenFilter filter)
{
    std::lock_guard<std::mutex> lock(g_filterMutex);
    FileOpenFilter previous = std::move(g_openFilter);
    g_openFilter = std::move(filter);
    return previous;
}

CFile::~CFile()
{
    Close();
}

bool CFile::Open(const String& path, unsigned flags)
{
    Close();
    if (path.IsEmpty() || !OpenAllowed(path, flags))
        return false;
    int mode = O_RDONLY;
    if (flags & modeWrite)
        mode = O_WRONLY | ((flags & modeCreate) ? O_CREAT | O_TRUNC : 0);
    int fd;
    do {
        fd = ::open(ToAnsiString(path.GetString()).c_str(), mode | O_CLOEXEC, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    // Directories, pipes and devices are no data files: a read of a pipe could block forever.
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

uint32_t CFile::GetLength() const
{
    struct stat info;
    if (m_fd < 0 || fstat(m_fd, &info) != 0)
        return 0;
    if (info.st_size > static_cast<off_t>(UINT32_MAX))
        return UINT32_MAX;
    return static_cast<uint32_t>(info.st_size);
}

bool CFile::Seek(uint32_t offsetFromStart)
{
    return m_fd >= 0 && lseek(m_fd, static_cast<off_t>(offsetFromStart), SEEK_SET) == static_cast<off_t>(offsetFromStart);
}

uint32_t CFile::Read(void* buffer, uint32_t count)
{
    if (m_fd < 0)
        return 0;
    auto* bytes = static_cast<unsigned char*>(buffer);
    uint32_t done = 0;
    while (done < count) {
        ssize_t n = ::read(m_fd, bytes + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<uint32_t>(n);
    }
    return done;
}

bool CFile::Write(const void* buffer, uint32_t count)
{
    if (m_fd < 0)
        return false;
    auto* bytes = static_cast<const unsigned char*>(buffer);
    uint32_t done = 0;
    while (done < count) {
        ssize_t n = ::write(m_fd, bytes + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<uint32_t>(n);
    }
    return true;
}

void CFile::Close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

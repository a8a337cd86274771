#include "shell/log/DebugLog.h"

#include "baselib/Utils.h"

#include <mutex>
#include <vector>

namespace {

std::mutex g_logMutex;
DebugLog* g_log = nullptr;

}  // namespace

DebugLog* GetDebugLog(const String* path)
{
    // The user-interface thread and the wave output thread may both make the first call.
    std::lock_guard<std::mutex> lock(g_logMutex);
    if (g_log != nullptr)
        return g_log;
    auto* log = new DebugLog;
    String file = path != nullptr ? *path : CUtils::GetFullPath(u"log.log");
    static const unsigned char byteOrderMark[2] = {0xFF, 0xFE};
    if (!log->m_file.Open(file, CFile::modeWrite | CFile::modeCreate) || !log->m_file.Write(byteOrderMark, 2)) {
        delete log;
        return nullptr;
    }
    g_log = log;
    return g_log;
}

void WriteLog(DebugLog* log, const String& text, int level)
{
    if (log == nullptr || level < log->m_threshold)
        return;
    // One write per line, so that lines from two threads do not interleave inside a line.
    int length = text.GetLength();
    std::vector<unsigned char> bytes;
    bytes.reserve(static_cast<size_t>(length) * 2 + 4);
    for (int i = 0; i < length; ++i) {
        bytes.push_back(static_cast<unsigned char>(text[i] & 0xFF));
        bytes.push_back(static_cast<unsigned char>(text[i] >> 8));
    }
    for (unsigned char b : {0x0D, 0x00, 0x0A, 0x00})
        bytes.push_back(b);
    log->m_file.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
}

void ReleaseDebugLog()
{
    std::lock_guard<std::mutex> lock(g_logMutex);
    delete g_log;
    g_log = nullptr;
}

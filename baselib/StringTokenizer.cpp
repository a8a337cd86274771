#include "baselib/StringTokenizer.h"

#include <cstring>

namespace {

char16_t* CopyText(const String& text)
{
    size_t length = static_cast<size_t>(text.GetLength());
    auto* copy = new char16_t[length + 1];
    std::memcpy(copy, text.GetString(), (length + 1) * sizeof(char16_t));
    return copy;
}

}  // namespace

StringTokenizer::StringTokenizer(const String& text, const String& delimiters)
    : m_started(false), m_text(CopyText(text)), m_delimiters(CopyText(delimiters)), m_position(nullptr)
{
}

StringTokenizer::~StringTokenizer()
{
    delete[] m_text;
    delete[] m_delimiters;
}

char16_t* StringTokenizer::NextToken()
{
    char16_t* start = nullptr;
    if (!m_started) {
        m_started = true;
        start = m_text;
    }
    return wcstok16(start, m_delimiters, &m_position);
}

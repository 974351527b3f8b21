#include "afxstr.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

// MAKEINTRESOURCE values are pointers below 64 Ki; they name resources, not text.
bool IsText(const char* text) { return reinterpret_cast<uintptr_t>(text) > 0xFFFF; }

int Clamp(long long value, long long low, long long high)
{
    return static_cast<int>(std::min(std::max(value, low), high));
}

bool IsIn(char ch, const char* set) { return ch != '\0' && std::strchr(set, ch) != nullptr; }

}  // namespace

CString::CString(const char* text)
{
    if (IsText(text))
        m_str = text;
}

CString::CString(const char* text, int length)
{
    if (IsText(text) && length > 0)
        m_str.assign(text, strnlen(text, static_cast<size_t>(length)));
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0)
        m_str.assign(static_cast<size_t>(repeat), ch);
}

CString& CString::operator=(const char* text)
{
    if (IsText(text))
        m_str = text;  // also right when text points into this string
    else
        m_str.clear();
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

char CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        return '\0';
    return m_str[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch)
{
    if (index >= 0 && index < GetLength())
        m_str[static_cast<size_t>(index)] = ch;
}

CString& CString::operator+=(const CString& other)
{
    m_str += other.m_str;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (IsText(text))
        m_str += text;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

int CString::Compare(const char* other) const
{
    return std::strcmp(m_str.c_str(), IsText(other) ? other : "");
}

int CString::CompareNoCase(const char* other) const
{
    return strcasecmp(m_str.c_str(), IsText(other) ? other : "");
}

CString CString::Left(int count) const
{
    return CString(m_str.substr(0, static_cast<size_t>(Clamp(count, 0, GetLength()))));
}

CString CString::Right(int count) const
{
    const int n = Clamp(count, 0, GetLength());
    return CString(m_str.substr(static_cast<size_t>(GetLength() - n)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const
{
    const int start = Clamp(first, 0, GetLength());
    const int n = Clamp(count, 0, GetLength() - start);
    return CString(m_str.substr(static_cast<size_t>(start), static_cast<size_t>(n)));
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    const char* base = m_str.c_str();
    const char* hit = std::strchr(base + start, ch);
    return hit ? static_cast<int>(hit - base) : -1;
}

int CString::Find(const char* sub, int start) const
{
    if (!IsText(sub) || start < 0 || start > GetLength())
        return -1;
    const char* base = m_str.c_str();
    const char* hit = std::strstr(base + start, sub);
    return hit ? static_cast<int>(hit - base) : -1;
}

int CString::ReverseFind(char ch) const
{
    const char* base = m_str.c_str();
    const char* hit = std::strrchr(base, ch);
    return hit ? static_cast<int>(hit - base) : -1;
}

void CString::MakeUpper()
{
    for (char& c : m_str)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

void CString::MakeLower()
{
    for (char& c : m_str)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

void CString::MakeReverse() { std::reverse(m_str.begin(), m_str.end()); }

void CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_str.size() && std::isspace(static_cast<unsigned char>(m_str[i])))
        ++i;
    m_str.erase(0, i);
}

void CString::TrimLeft(char target)
{
    const char set[2] = {target, '\0'};
    TrimLeft(set);
}

void CString::TrimLeft(const char* targets)
{
    if (!IsText(targets))
        return;
    size_t i = 0;
    while (i < m_str.size() && IsIn(m_str[i], targets))
        ++i;
    m_str.erase(0, i);
}

void CString::TrimRight()
{
    size_t n = m_str.size();
    while (n > 0 && std::isspace(static_cast<unsigned char>(m_str[n - 1])))
        --n;
    m_str.resize(n);
}

void CString::TrimRight(char target)
{
    const char set[2] = {target, '\0'};
    TrimRight(set);
}

void CString::TrimRight(const char* targets)
{
    if (!IsText(targets))
        return;
    size_t n = m_str.size();
    while (n > 0 && IsIn(m_str[n - 1], targets))
        --n;
    m_str.resize(n);
}

int CString::Replace(char oldCh, char newCh)
{
    int count = 0;
    for (char& c : m_str) {
        if (c == oldCh) {
            c = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const char* oldText, const char* newText)
{
    if (!IsText(oldText) || *oldText == '\0')
        return 0;
    const std::string from = oldText;
    const std::string to = IsText(newText) ? newText : "";
    std::string result;
    int count = 0;
    size_t pos = 0;
    for (size_t hit; (hit = m_str.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
        result.append(m_str, pos, hit - pos).append(to);
        ++count;
    }
    if (count > 0) {
        result.append(m_str, pos, std::string::npos);
        m_str.swap(result);
    }
    return count;
}

int CString::Insert(int index, char ch)
{
    m_str.insert(static_cast<size_t>(Clamp(index, 0, GetLength())), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const char* text)
{
    if (IsText(text))
        m_str.insert(static_cast<size_t>(Clamp(index, 0, GetLength())), std::string(text));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    const int start = Clamp(index, 0, GetLength());
    const int n = Clamp(count, 0, GetLength() - start);
    m_str.erase(static_cast<size_t>(start), static_cast<size_t>(n));
    return GetLength();
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength), '\0');
    return &m_str[0];
}

char* CString::GetBufferSetLength(int length)
{
    m_str.resize(static_cast<size_t>(std::max(length, 0)), '\0');
    return &m_str[0];
}

void CString::ReleaseBuffer(int newLength)
{
    // The caller may have written anything up to the buffer's end; the terminator that std::string
    // keeps after the last character bounds strnlen.
    const size_t written = strnlen(m_str.c_str(), m_str.size());
    const size_t length = newLength < 0 ? written : std::min(static_cast<size_t>(newLength), m_str.size());
    m_str.resize(length);
}

void CString::FormatV(const char* format, va_list args)
{
    if (!IsText(format)) {
        m_str.clear();
        return;
    }
    va_list probe;
    va_copy(probe, args);
    const int needed = std::vsnprintf(nullptr, 0, format, probe);
    va_end(probe);
    if (needed < 0) {
        m_str.clear();
        return;
    }
    std::string result(static_cast<size_t>(needed), '\0');
    std::vsnprintf(&result[0], result.size() + 1, format, args);
    m_str.swap(result);  // arguments may point into this string: replace only at the end
}

void CString::FormatRaw(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

BOOL CString::LoadString(UINT)
{
    m_str.clear();
    return FALSE;
}

CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, const char* b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const char* a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, char b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(char a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

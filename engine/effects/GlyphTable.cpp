// Reading a bitmap font's glyph description.
#include "effects/GlyphTable.h"

#include <cstdio>
#include <limits>

#include "platform_files.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

class CLineScanner {
public:
    explicit CLineScanner(const std::string& line) : m_line(line), m_pos(0) {}

    void SkipBlanks()
    {
        while (m_pos < m_line.size() && IsBlank(m_line[m_pos]))
            ++m_pos;
    }

    bool Character(unsigned char& c)
    {
        SkipBlanks();
        if (m_pos >= m_line.size())
            return false;
        c = static_cast<unsigned char>(m_line[m_pos++]);
        return true;
    }

    bool Literal(char expected)
    {
        SkipBlanks();
        if (m_pos >= m_line.size() || m_line[m_pos] != expected)
            return false;
        ++m_pos;
        return true;
    }

    // An optionally signed decimal number; one too large for an int does not match, rather than
    // wrapping into some other coordinate.
    bool Number(int& value)
    {
        SkipBlanks();
        bool negative = false;
        if (m_pos < m_line.size() && (m_line[m_pos] == '+' || m_line[m_pos] == '-'))
            negative = m_line[m_pos++] == '-';
        const size_t first = m_pos;
        long long magnitude = 0;
        while (m_pos < m_line.size() && m_line[m_pos] >= '0' && m_line[m_pos] <= '9') {
            magnitude = magnitude * 10 + (m_line[m_pos++] - '0');
            if (magnitude > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
                return false;
        }
        if (m_pos == first)
            return false;
        const long long signedValue = negative ? -magnitude : magnitude;
        if (signedValue > std::numeric_limits<int>::max())
            return false;
        value = static_cast<int>(signedValue);
        return true;
    }

private:
    const std::string& m_line;
    size_t m_pos;
};

bool InPicture(int coordinate) { return coordinate >= 0 && coordinate <= GLYPH_PICTURE_SIZE; }

}  // namespace

bool ParseGlyphLine(const std::string& line, unsigned char& code, SGlyphRect& rect)
{
    CLineScanner scan(line);
    unsigned char c = 0;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (!scan.Character(c) || !scan.Number(x0) || !scan.Literal(',') || !scan.Number(y0) ||
        !scan.Number(x1) || !scan.Literal(',') || !scan.Number(y1))
        return false;
    if (!InPicture(x0) || !InPicture(y0) || !InPicture(x1) || !InPicture(y1))
        return false;
    const float scale = 1.0f / GLYPH_PICTURE_SIZE;
    code = c;
    rect = {x0 * scale, y0 * scale, x1 * scale, y1 * scale};
    return true;
}

int ReadGlyphLines(const std::string& text, SGlyphRect (&glyphs)[GLYPH_COUNT])
{
    int matched = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        unsigned char code = 0;
        SGlyphRect rect{};
        if (ParseGlyphLine(text.substr(start, end - start), code, rect)) {
            glyphs[code] = rect;
            ++matched;
        }
        start = end + 1;
    }
    return matched;
}

CString GlyphTableName(const CString& picture)
{
    if (picture.GetLength() < 3)
        return CString();
    return picture.Left(picture.GetLength() - 3) + "txt";
}

bool ReadGlyphTable(const CString& picture, SGlyphRect (&glyphs)[GLYPH_COUNT])
{
    const CString name = GlyphTableName(picture);
    if (name.IsEmpty())
        return false;
    FILE* file = platform::OpenFile(name, "rb");
    if (!file)
        return false;
    std::string text;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    std::fclose(file);
    ReadGlyphLines(text, glyphs);
    return true;
}

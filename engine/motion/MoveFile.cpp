// The path file: the point count, the mode and the loop flag as integers, one a line, then eleven
// six-decimal values a point (position, direction, up, speed, zoom).
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "motion/Move.h"
#include "platform_files.h"

namespace {

// The values of one point in file order.
enum {
    FILE_PX, FILE_PY, FILE_PZ,
    FILE_DX, FILE_DY, FILE_DZ,
    FILE_UX, FILE_UY, FILE_UZ,
    FILE_SPEED, FILE_ZOOM,
    FILE_VALUES_PER_POINT
};

struct SPathFileValues {
    float values[FILE_VALUES_PER_POINT];
};

struct SPathFile {
    long mode = 0;
    long loop = 0;
    std::vector<SPathFileValues> points;
};

bool ReadLong(FILE* file, long& value) { return fscanf(file, "%ld", &value) == 1; }

bool ReadFinite(FILE* file, float& value) { return fscanf(file, "%f", &value) == 1 && std::isfinite(value); }

// The whole file or nothing: a count outside the path's capacity, a missing or unreadable value
// or a value that is not a finite number makes the file unusable.
bool ReadPathFile(FILE* file, int capacity, SPathFile& path)
{
    long count = 0;
    if (!ReadLong(file, count) || !ReadLong(file, path.mode) || !ReadLong(file, path.loop))
        return false;
    if (count < 0 || count > capacity)
        return false;
    path.points.resize(static_cast<size_t>(count));
    for (SPathFileValues& point : path.points) {
        for (float& value : point.values) {
            if (!ReadFinite(file, value))
                return false;
        }
    }
    return true;
}

bool WriteLong(FILE* file, long value) { return fprintf(file, "%ld\n", value) > 0; }

bool WriteFloat(FILE* file, float value) { return fprintf(file, "%f\n", value) > 0; }

}  // namespace

// Written beside the target first and moved over it only when complete, so a failed write never
// leaves a truncated path where a good one was.
bool CMove::Save()
{
    if (m_strFilename.IsEmpty())
        return false;
    const std::string target = platform::ResolvePath(m_strFilename);
    const std::string temporary = target + ".tmp";
    FILE* file = fopen(temporary.c_str(), "w");
    if (!file)
        return false;
    bool written = WriteLong(file, m_nPoints) && WriteLong(file, m_Mode) && WriteLong(file, m_bLoop ? 1 : 0);
    for (int i = 0; written && i < m_nPoints; i++) {
        const CMovePoint& point = m_pPoints[i];
        const float values[FILE_VALUES_PER_POINT] = {
            point.m_vPosition.x, point.m_vPosition.y, point.m_vPosition.z,
            point.m_vDirection.x, point.m_vDirection.y, point.m_vDirection.z,
            point.m_vUp.x, point.m_vUp.y, point.m_vUp.z,
            point.m_fSpeed, point.m_fZoom};
        for (float value : values)
            written = written && WriteFloat(file, value);
    }
    written = fclose(file) == 0 && written;
    if (!written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

// The points are appended to those already in the path; the mode and the loop flag are replaced.
// A file that cannot be read whole, or whose points would not fit, leaves the path as it was.
bool CMove::Load()
{
    if (m_strFilename.IsEmpty())
        return false;
    FILE* file = platform::OpenFile(m_strFilename, "r");
    if (!file)
        return false;
    SPathFile path;
    const bool read = ReadPathFile(file, MAXPOINTS - m_nPoints, path);
    fclose(file);
    if (!read || !IsMode(path.mode))
        return false;
    m_Mode = static_cast<tMoveMode>(path.mode);
    m_bLoop = path.loop != 0;
    for (const SPathFileValues& point : path.points) {
        const float* v = point.values;
        AddPoint(v[FILE_PX], v[FILE_PY], v[FILE_PZ], v[FILE_DX], v[FILE_DY], v[FILE_DZ], v[FILE_SPEED], v[FILE_UX],
                 v[FILE_UY], v[FILE_UZ], v[FILE_ZOOM]);
    }
    // The mode may have changed even where the file held no points.
    RecomputeDistances();
    return true;
}

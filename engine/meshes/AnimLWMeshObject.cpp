// The series reader and the blend of its key frames into the vertex buffer.
#include "meshes/AnimLWMeshObject.h"

#include <windows.h>

#include <algorithm>

#include "screen/Screen.h"

CAnimLWMeshObject::CAnimLWMeshObject()
    : m_fFrameDuration(1.0f), m_fLastSwitch(0.0f), m_nCurrentKey(0), m_nFiles(0)
{
}

CAnimLWMeshObject::~CAnimLWMeshObject() = default;

void CAnimLWMeshObject::SetSpeed(float keysPerSecond) { m_fFrameDuration = 1.0f / keysPerSecond; }

CString CAnimLWMeshObject::SeriesFile(unsigned int index) const
{
    CString name;
    name.Format("%s%d.lwo", m_strPrefix, static_cast<int>(index));
    return name;
}

// The series must be numbered from 0 without gaps: counting stops at the first missing file.
unsigned int CAnimLWMeshObject::GetNumberOfFiles()
{
    unsigned int count = 0;
    for (;; ++count) {
        WIN32_FIND_DATAA found;
        HANDLE handle = FindFirstFileA(SeriesFile(count), &found);
        if (handle == INVALID_HANDLE_VALUE)
            return count;
        FindClose(handle);
    }
}

void CAnimLWMeshObject::Init()
{
    PreInit();
    m_strPrefix = m_strFilename.Left(std::max(m_strFilename.ReverseFind('_'), 0)) + "_";
    SetFilename(SeriesFile(0));
    CLWMeshObject::Init();
    const int vertices = m_nVertices;
    const int faces = m_nFaces;
    LoadKeyFrames(vertices);
    SetNumberVertices(vertices);
    SetNumberFaces(faces);
    m_strType = "CAnimLWMeshObject";
}

// Each entry holds exactly the buffer's vertex count, in the buffer's order (see ReadKeyFrame).
void CAnimLWMeshObject::LoadKeyFrames(int vertices)
{
    m_nFiles = GetNumberOfFiles();
    m_pKeyFrames.assign(m_nFiles, {});
    for (unsigned int k = 0; k < m_nFiles; ++k) {
        InitLwoParameters();
        const bool opened = OpenFileInBuffer(SeriesFile(k));
        m_pKeyFrames[k] = ReadKeyFrame(m_Reader, opened ? &m_pFileBuffer : nullptr, k > 0 ? &m_pKeyFrames[0] : nullptr,
                                       vertices, ReadOptions(false));
    }
    m_pFileBuffer.clear();
    m_nFileLength = 0;
}

void CAnimLWMeshObject::Render()
{
    Move();
    CBaseObject::Render();
}

void CAnimLWMeshObject::Move()
{
    if (m_pScreen)
        BlendAt(m_pScreen->GetTickCount());
}

// Key frames 1 .. n-1 play in a loop; file 0 is never blended. A slow frame moves on by one key
// only, and the new slice starts at that frame's time.
void CAnimLWMeshObject::BlendAt(float now)
{
    if (m_nFiles < 2)
        return;
    const unsigned int keys = m_nFiles - 1;
    if (now > m_fLastSwitch + m_fFrameDuration) {
        m_fLastSwitch = now;
        m_nCurrentKey = (m_nCurrentKey + 1) % keys;
    }
    const std::vector<SLWVertex>& from = m_pKeyFrames[m_nCurrentKey + 1];
    const std::vector<SLWVertex>& to = m_pKeyFrames[(m_nCurrentKey + 1) % keys + 1];
    const float d = (now - m_fLastSwitch) / m_fFrameDuration;
    unsigned long count = 0;
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    const size_t n = std::min({static_cast<size_t>(count), from.size(), to.size()});
    for (size_t i = 0; i < n; ++i) {
        vertices[i].x = d * to[i].x + (1 - d) * from[i].x;
        vertices[i].y = d * to[i].y + (1 - d) * from[i].y;
        vertices[i].z = d * to[i].z + (1 - d) * from[i].z;
    }
    UnlockVB(false);
}

void CAnimLWMeshObject::Resize(float factor)
{
    for (std::vector<SLWVertex>& frame : m_pKeyFrames) {
        for (size_t i = 0; i < frame.size() && i < static_cast<size_t>(m_nVertices); ++i) {
            frame[i].x *= factor;
            frame[i].y *= factor;
            frame[i].z *= factor;
        }
    }
}

void CAnimLWMeshObject::CleanUp()
{
    m_pKeyFrames.clear();
    m_nFiles = 0;
    CLWMeshObject::CleanUp();
}

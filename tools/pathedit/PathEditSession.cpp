#include "PathEditSession.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "screen/Screen.h"

namespace {

const uint32_t ESCAPE_KEY = 0x20;
const int QUIT_LINE = 5;
const int FILE_LINE = 6;

bool FileExists(const std::string& name)
{
    struct stat info;
    return stat(name.c_str(), &info) == 0;
}

// The middle of the key points and the radius of a sphere around them (the origin for no points).
void PathBounds(CMove& path, D3DXVECTOR3& centre, float& radius)
{
    D3DXVECTOR3 low(0, 0, 0), high(0, 0, 0);
    for (int i = 0; i < path.GetNumberPoints(); ++i) {
        float px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom;
        path.GetPoint(px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom, static_cast<unsigned int>(i));
        const D3DXVECTOR3 p(px, py, pz);
        if (i == 0)
            low = high = p;
        D3DXVec3Minimize(&low, &low, &p);
        D3DXVec3Maximize(&high, &high, &p);
    }
    centre = (low + high) * 0.5f;
    const D3DXVECTOR3 half = (high - low) * 0.5f;
    radius = std::max(D3DXVec3Length(&half), 5.0f);
}

}  // namespace

CPathEditSession::CPathEditSession(const SPathEditOptions& options) : m_Options(options) {}

CPathEditSession::~CPathEditSession() { Close(); }

void CPathEditSession::Open()
{
    LoadPath();
    // Without a model the path is a camera's; with one it is the model's, and its zoom stays out of
    // the picture.
    m_Path.SetAsCamera(m_Options.model.empty());
    m_pScene = std::make_unique<CReferenceScene>(m_Options.model, m_Options.modelSize);
    m_pEditor = std::make_unique<CEditMove>(m_Path);
    if (m_Options.showTrajectory)
        m_pEditor->SetShowTrajectory(true);
    PlaceCamera();
    CScreen& screen = CScreen::Instance();
    screen.DisplayMessage("[ESC] Quit", QUIT_LINE);
    screen.DisplayMessage(m_FileMessage.c_str(), FILE_LINE);
}

// A file that is there but does not load leaves the path empty; it is written over only by RETURN.
void CPathEditSession::LoadPath()
{
    const std::string& file = m_Options.pathFile;
    m_Path.SetFilename(file.c_str());
    if (!FileExists(file)) {
        m_FileMessage = "New path file " + file + " (RETURN writes it)";
        return;
    }
    if (m_Path.Load()) {
        m_FileMessage = "Path file " + file + ": " + std::to_string(m_Path.GetNumberPoints()) + " points";
        return;
    }
    m_bUnreadable = true;
    m_FileMessage = "The path file " + file +
                    " is not a path file that can be read: the path starts empty, and RETURN writes over it";
    fprintf(stderr, "pathedit: %s\n", m_FileMessage.c_str());
}

// The free camera starts behind the path and above it, looking down at its middle. The screen's
// user camera starts at (0, 1, 0) looking along +z; its first update moves it by 0.15 of the given
// movement and turns it by 0.05 of the given angles.
void CPathEditSession::PlaceCamera()
{
    D3DXVECTOR3 centre;
    float radius = 0;
    PathBounds(m_Path, centre, radius);
    const float pitch = 0.3f;
    const float distance = radius * 2.1f;
    const D3DXVECTOR3 eye(centre.x, centre.y + distance * std::sin(pitch), centre.z - distance * std::cos(pitch));
    CScreen::Instance().SetMouseCamera(eye.x / 0.15f, (eye.y - 1.0f) / 0.15f, eye.z / 0.15f, 0.0f, pitch / 0.05f,
                                       0.0f);
}

bool CPathEditSession::Frame()
{
    CScreen& screen = CScreen::Instance();
    if (screen.KeyboardReadData() & ESCAPE_KEY)
        return false;
    screen.BeginScene(true);
    m_pScene->Render(m_Path);
    m_pEditor->Edit();
    screen.EndScene(true);
    return true;
}

void CPathEditSession::Close()
{
    m_pEditor.reset();
    m_pScene.reset();
}

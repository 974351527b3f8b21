#include "LiveRun.h"

#include <chrono>
#include <thread>

#include "DemoParts.h"
#include "screen/Screen.h"

namespace {

double WallSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

double DisplayRefreshRate()
{
    IDirect3D8* d3d = nullptr;
    IDirect3DDevice8* device = CScreen::Instance().GetD3DDevice();
    D3DDISPLAYMODE mode{};
    if (device && SUCCEEDED(device->GetDirect3D(&d3d)) && d3d) {
        const bool known = SUCCEEDED(d3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode));
        d3d->Release();
        if (known && mode.RefreshRate >= 30 && mode.RefreshRate <= 500)
            return mode.RefreshRate;
    }
    return 60;
}

CLiveRun::CLiveRun(const SLiveSettings& settings) : m_settings(settings) {}

void CLiveRun::OnLoopStarting(const SDriverState&)
{
    // Where the swap waits for the display, its refresh sets the pace and the wait below is nil;
    // where it does not, frames are held back to that rate.
    m_fps = m_settings.fps < 0 ? DisplayRefreshRate() : m_settings.fps;
    m_deadline = WallSeconds();
}

bool CLiveRun::OnFramePresented(SDemo& demo)
{
    const SDriverState& state = demo.state;
    CBassPlayer& music = demo.objects.music;
    if (CScreen::Instance().GetViewInfo()) {
        int order = 0, row = 0;
        music.GetPosition(order, row);
        CString line;
        line.Format("part %d  sync %d  order %d row %d  %.2f s", state.currentPart, state.syncValue, order, row,
                    state.now);
        CScreen::Instance().DisplayMessage(line, 0);
    }
    if (m_fps > 0)
        WaitForNextFrame();
    return true;
}

void CLiveRun::WaitForNextFrame()
{
    m_deadline += 1.0 / m_fps;
    const double now = WallSeconds();
    if (m_deadline < now - 0.1) {
        // Far behind (a slow frame, a pause): start a fresh cadence instead of racing to catch up.
        m_deadline = now;
        return;
    }
    if (m_deadline > now)
        std::this_thread::sleep_for(std::chrono::duration<double>(m_deadline - now));
}

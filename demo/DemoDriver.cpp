// The demo's set-up, frame loop, sync dispatch and end.
#include "DemoDriver.h"

#include "DemoKeys.h"
#include "DemoParts.h"
#include "screen/RenderThreadExit.h"

CDemoDriver::CDemoDriver(CKeyboard& keyboard, CMouse& mouse, const SDemoConfig& config)
    : m_Keyboard(keyboard), m_Mouse(mouse), m_config(config), m_ended(false)
{
}

CDemoDriver::~CDemoDriver() = default;

void CDemoDriver::Run()
{
    try {
        SetUp();
        while (Frame()) {
        }
    } catch (const CRenderThreadExit&) {
        // The window closed inside BeginScene: stop the music and release everything before the
        // render thread goes.
        End();
        throw;
    }
    End();
}

void CDemoDriver::SetUp()
{
    m_Keyboard.Init();
    m_Mouse.Init();
    CScreen& screen = CScreen::Instance();
    m_state.t0 = screen.GetTickCount();
    m_objects = std::make_unique<SDemoObjects>();
    m_tables = std::make_unique<SDemoTables>();
    BuildLoadingObjects(*m_objects);
    SetScreenState();
    DrawLoadingFrame();
    if (m_config.observer)
        m_config.observer->OnLoadingShown();
    // Scripted input due at the loading frame acts while the rest loads, as a person's would.
    if (m_config.keyScript)
        m_config.keyScript->ApplyWhileLoading(screen.GetTickCount() - m_state.t0);
    BuildRemainingObjects(*m_objects, *m_tables);
    StartMusic();
    if (m_config.startSeconds > 0) {
        m_objects->music.SetPosition(m_config.startSeconds);
        m_state.t0 -= m_config.startSeconds;
    }
    m_state.previous = screen.GetTickCount() - m_state.t0;
    if (m_config.startPart > 0) {
        m_state.now = m_state.previous;
        m_state.syncValue = m_config.startPart;
        Dispatch();
    }
    for (int i = 0; i < 3; ++i) {
        m_scratch.fire.angle[i] = 0;
        m_scratch.fire.step[i] = 1;
    }
    if (m_config.observer)
        m_config.observer->OnLoopStarting(m_state);
}

void CDemoDriver::SetScreenState()
{
    CScreen& screen = CScreen::Instance();
    screen.SetBackgroundColor(0xFF000000);
    screen.SetAmbientLight(1);
    screen.RenderOnTexture(true);
    screen.SetBlurMode(false);
    screen.EnableFog(true);
    screen.SetFogDensity(10);
    screen.SetFogStart(10);
    screen.SetFogEnd(40);
    screen.SetCamera(0, 0, -7, 0, 0, 1);
}

void CDemoDriver::DrawLoadingFrame()
{
    CScreen& screen = CScreen::Instance();
    SDemoObjects& o = *m_objects;
    screen.BeginScene(true);
    o.loadingPlane.SetSize(1, 1);
    o.loadingPlane.SetAlpha(1, 0);
    o.loadingPlane.Render();
    o.titlePlane.SetSize(1, 0.25f);
    o.titlePlane.SetAlpha(1, 0);
    o.titlePlane.Render();
    screen.ClearZ();
    o.cubeMesh.SetPosition(0, 0, 15);
    o.cubeMesh.SetRotation(0.6f, 0.7f, 0);
    o.cubeMesh.Render();
    screen.EndScene(true);
}

void CDemoDriver::StartMusic()
{
    CBassPlayer& music = m_objects->music;
    music.Init(nullptr);
    music.Load(m_config.musicFile);
    music.SetLoop(1);
    if (m_state.musicOn)
        music.Play();
}

bool CDemoDriver::Frame()
{
    if (m_state.keyState == demo_keys::kEscape)
        return false;
    ReadClock();
    if (m_config.keyScript)
        m_config.keyScript->Apply(m_state.now);
    if (m_config.observer)
        m_config.observer->OnFrameStarting(m_state);
    m_state.keyState = m_Keyboard.ReadData();
    PollSync();
    Dispatch();
    CScreen& screen = CScreen::Instance();
    screen.BeginScene(true);
    if (m_state.keyState == demo_keys::kHiddenPartCombination)
        m_state.hiddenRequested = true;
    if (m_state.keyState == demo_keys::kSpace)
        m_state.beatFlag = true;
    SDemo demo{screen, *m_objects, m_state, m_scratch, *m_tables};
    if (PartStep draw = PartOf(m_state.currentPart).frame)
        draw(demo);
    screen.ClearZ();
    screen.ClearZ();
    DrawFlash();
    screen.EndScene(true);
    return !m_config.observer || m_config.observer->OnFramePresented(demo);
}

void CDemoDriver::ReadClock()
{
    m_state.now = CScreen::Instance().GetTickCount() - m_state.t0;
    m_state.dt = m_state.now - m_state.previous;
    m_state.previous = m_state.now;
}

void CDemoDriver::PollSync()
{
    if (m_state.hiddenRequested)
        m_state.syncValue = kHiddenPart;
    else if (!m_state.syncFrozen)
        m_state.syncValue = m_objects->music.GetEffect();
}

void CDemoDriver::Dispatch()
{
    const int value = m_state.syncValue;
    SDemo demo{CScreen::Instance(), *m_objects, m_state, m_scratch, *m_tables};
    if ((value >= 1 && value <= kLastPart) || value == kHiddenPart) {
        m_state.currentPart = value;
        if (PartStep setUp = PartOf(value).setUp)
            setUp(demo);
        if (value != kHiddenPart)
            m_state.partStart = m_state.now;
    } else if (value == 17) {
        m_state.beatFlag = true;
    } else if (value == 19) {
        m_state.subState = 1;
    }
}

void CDemoDriver::DrawFlash()
{
    if (m_state.flashAlpha <= 0.1f)
        return;
    m_state.flashAlpha -= m_state.dt;
    m_objects->flashPlane.SetAlpha(m_state.flashAlpha, 0);
    m_objects->flashPlane.Render();
}

void CDemoDriver::End()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_objects) {
        CBassPlayer& playing = m_state.musicOn ? m_objects->music : m_objects->hiddenMusic;
        playing.Stop();
        playing.CleanUp();
        CleanUpObjects(*m_objects);
    }
    m_Keyboard.CleanUp();
    m_Mouse.CleanUp();
    if (m_config.observer && m_objects) {
        SDemo demo{CScreen::Instance(), *m_objects, m_state, m_scratch, *m_tables};
        m_config.observer->OnEnded(demo);
    }
    m_objects.reset();
    m_tables.reset();
}

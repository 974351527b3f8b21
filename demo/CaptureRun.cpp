#include "CaptureRun.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "DemoParts.h"
#include "FramePng.h"
#include "OfflineClock.h"
#include "VideoEncoder.h"
#include "platform_music.h"

namespace {

double WallSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

CCaptureRun::CCaptureRun(const SCaptureSettings& settings) : m_settings(settings) {}

bool CCaptureRun::Prepare(std::string& error)
{
    std::error_code code;
    std::filesystem::create_directories(m_settings.directory, code);
    if (!std::filesystem::is_directory(m_settings.directory)) {
        error = "cannot make the capture folder '" + m_settings.directory + "'";
        return false;
    }
    UseOfflineClock(m_settings.fps);
    m_terminal = isatty(STDERR_FILENO) != 0;
    m_wallStart = WallSeconds();
    return true;
}

void CCaptureRun::OnFrameStarting(const SDriverState& state)
{
    // The audio ends where the last frame's time step ends, before this frame's present moves on.
    if (state.now >= m_settings.to)
        StopAudio();
    if (m_audioStarted || state.now < m_settings.from || state.now >= m_settings.to)
        return;
    m_audioStarted = true;
    const std::string wav = m_settings.directory + "/audio.wav";
    if (!platform::StartMusicCapture(wav.c_str()) && m_failure.empty())
        m_failure = "cannot write " + wav;
}

bool CCaptureRun::OnFramePresented(SDemo& demo)
{
    const SDriverState& state = demo.state;
    if (state.now >= m_settings.to) {
        StopAudio();
        return false;
    }
    if (state.now >= m_settings.from) {
        if (!KeepFrame()) {
            StopAudio();
            return false;
        }
        ++m_written;
    }
    ShowProgress(state);
    return true;
}

// Writes the presented frame as the next PNG file and hands it to the video; false (with the
// failure noted) when either fails.
bool CCaptureRun::KeepFrame()
{
    std::vector<unsigned char> rgb;
    int width = 0, height = 0;
    char name[32];
    snprintf(name, sizeof(name), "/frame_%06d.png", m_written + 1);
    if (!ReadFrontBuffer(rgb, width, height)) {
        m_failure = "cannot read the presented frame " + std::to_string(m_written + 1);
        return false;
    }
    if (m_settings.writeFrames && !WriteRgbPng(m_settings.directory + name, rgb, width, height)) {
        m_failure = "cannot write " + m_settings.directory + name;
        return false;
    }
    if (m_settings.video && !m_settings.video->WriteFrame(rgb, width, height)) {
        m_failure = "ffmpeg stopped taking frames at frame " + std::to_string(m_written + 1);
        return false;
    }
    return true;
}

void CCaptureRun::OnEnded(SDemo&)
{
    StopAudio();
    if (m_terminal)
        fputc('\n', stderr);
}

void CCaptureRun::StopAudio()
{
    if (!m_audioStarted || m_audioStopped)
        return;
    m_audioStopped = true;
    if (!platform::StopMusicCapture() && m_failure.empty())
        m_failure = "cannot finish " + m_settings.directory + "/audio.wav";
}

void CCaptureRun::ShowProgress(const SDriverState& state)
{
    if (!m_terminal)
        return;
    const double elapsed = WallSeconds() - m_wallStart;
    const double done = state.now > 0 ? state.now : 0;
    const double rate = elapsed > 0 ? done * m_settings.fps / elapsed : 0;
    const double left = rate > 0 ? (m_settings.to - done) * m_settings.fps / rate : 0;
    fprintf(stderr, "\rframe %d  %7.2f s  %-8s %6.1f frames/s  %5.0f s left ", m_written, state.now,
            PartLabel(state.currentPart).c_str(), rate, left);
}

#include "FarreachApp.h"

#include <cstdio>

#include "BenchRun.h"
#include "CaptureRun.h"
#include "FarreachDlg.h"
#include "LiveRun.h"
#include "OfflineClock.h"
#include "ScratchFolder.h"
#include "SeekPlan.h"
#include "VideoEncoder.h"

CFarreachApp::CFarreachApp() : CWinApp(nullptr)
{
    MapCommand(ID_HELP, [this] { OnHelp(); });
}

void CFarreachApp::SetOptions(const LaunchOptions& options) { m_options = options; }

BOOL CFarreachApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();
    RegisterFarreachResources();

    CFarreachDlg dialog;
    ApplyScreenSettings(dialog);
    dialog.m_DemoConfig.keyScript = m_keyScript;
    m_pMainWnd = &dialog;
    switch (m_options.mode) {
    case RunMode::Capture: RunCapture(dialog); break;
    case RunMode::Bench: RunBench(dialog); break;
    case RunMode::Live: RunLive(dialog); break;
    }
    m_pMainWnd = nullptr;
    return FALSE;
}

void CFarreachApp::ApplyScreenSettings(CFarreachDlg& dialog)
{
    if (m_options.mode != RunMode::Live)
        dialog.m_bFullscreen = 0;  // offline runs draw into a window of their own, or none
    if (m_options.fullscreen)
        dialog.m_bFullscreen = *m_options.fullscreen ? 1 : 0;
    if (m_options.infos)
        dialog.m_bInfos = *m_options.infos ? 1 : 0;
    if (m_options.resolution)
        dialog.m_nResolution = *m_options.resolution;
    if (m_options.mode != RunMode::Live) {
        dialog.m_nResolution = 0;
        if (m_options.width > 0) {
            dialog.m_nCustomWidth = m_options.width;
            dialog.m_nCustomHeight = m_options.height;
        }
    }
}

void CFarreachApp::RunLive(CFarreachDlg& dialog)
{
    SLiveSettings settings;
    settings.fps = m_options.fps.value_or(-1);
    CLiveRun live(settings);
    dialog.m_DemoConfig.observer = &live;
    if (!PlanStart(dialog))
        return;
    if (m_options.showDialog)
        dialog.DoModal();
    else
        dialog.StartDemo();
}

// A run asked to start at a time or a part has the music position and the part found from the
// module's own sync effects; false (with the message given) when they cannot be.
bool CFarreachApp::PlanStart(CFarreachDlg& dialog)
{
    if (!m_options.startSeconds && !m_options.startPart)
        return true;
    std::vector<platform::MusicSyncEvent> syncs;
    SSeekPlan plan;
    std::string error;
    if (!platform::ScanMusicSyncs("Data\\thezenth.XM", syncs))
        error = "cannot read the music Data/thezenth.XM to seek in it";
    if (!error.empty() || !PlanSeek(syncs, m_options.startSeconds, m_options.startPart, plan, error)) {
        Fail(error);
        return false;
    }
    dialog.m_DemoConfig.startSeconds = static_cast<float>(plan.seconds);
    dialog.m_DemoConfig.startPart = plan.part;
    return true;
}

void CFarreachApp::RunCapture(CFarreachDlg& dialog)
{
    SCaptureSettings settings;
    settings.directory = m_options.captureDirectory;
    settings.writeFrames = !m_options.captureDirectory.empty();
    settings.fps = m_options.fps.value_or(60);
    settings.from = m_options.from.value_or(0);
    settings.to = m_options.to ? *m_options.to : DefaultSpanEnd();
    CVideoEncoder video;
    CScratchFolder scratch;
    std::string error;
    if (!m_options.videoFile.empty() && !StartVideo(video, scratch, settings, error))
        return Fail(error);
    CCaptureRun capture(settings);
    if (!capture.Prepare(error))
        return Fail(error);
    dialog.m_DemoConfig.observer = &capture;
    dialog.StartDemo();
    if (!capture.Failure().empty())
        return Fail(capture.Failure());
    if (settings.video && !video.Finish(settings.directory + "/audio.wav", error))
        return Fail(error);
    if (settings.writeFrames)
        fprintf(stderr, "farreach: %d frames and audio.wav in %s\n", capture.FramesWritten(), settings.directory.c_str());
    if (settings.video)
        fprintf(stderr, "farreach: %d frames and their music in %s\n", capture.FramesWritten(),
                m_options.videoFile.c_str());
}

// A video keeps its audio.wav in the capture folder, or in a scratch folder without one.
bool CFarreachApp::StartVideo(CVideoEncoder& video, CScratchFolder& scratch, SCaptureSettings& settings,
                              std::string& error)
{
    if (!CVideoEncoder::FindFfmpeg(error))
        return false;
    if (settings.directory.empty()) {
        if (!scratch.Make(error))
            return false;
        settings.directory = scratch.Path();
    }
    SVideoSettings video_settings;
    video_settings.file = m_options.videoFile;
    video_settings.width = m_options.width > 0 ? m_options.width : 640;  // the offline runs' default size
    video_settings.height = m_options.width > 0 ? m_options.height : 480;
    video_settings.fps = settings.fps;
    video_settings.wide = m_options.videoWide;
    if (!video.Start(video_settings, error))
        return false;
    settings.video = &video;
    return true;
}

void CFarreachApp::Fail(const std::string& error)
{
    fprintf(stderr, "farreach: %s\n", error.c_str());
    m_exitCode = 1;
}

void CFarreachApp::RunBench(CFarreachDlg& dialog)
{
    SBenchSettings settings;
    settings.from = m_options.from.value_or(0);
    settings.to = m_options.to ? *m_options.to : DefaultSpanEnd();
    settings.jsonPath = m_options.benchJson;
    CBenchRun bench(settings);
    bench.Prepare();
    if (!PlanStart(dialog))
        return;
    dialog.m_DemoConfig.observer = &bench;
    dialog.StartDemo();
    fputs(bench.Table().c_str(), stdout);
    if (settings.jsonPath.empty())
        return;
    FILE* file = fopen(settings.jsonPath.c_str(), "w");
    const std::string json = bench.Json();
    if (!file || fputs(json.c_str(), file) < 0) {
        fprintf(stderr, "farreach: cannot write %s\n", settings.jsonPath.c_str());
        m_exitCode = 1;
    }
    if (file && fclose(file) != 0)
        m_exitCode = 1;
}

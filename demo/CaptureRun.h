// Capture: the demo on the offline clock, its frames from --from to --to written as
// DIR/frame_000001.png ... and the music of that span as DIR/audio.wav.
#pragma once

#include <string>

#include "DemoObserver.h"

class CVideoEncoder;

struct SCaptureSettings {
    std::string directory;          // where audio.wav (and the frames) go
    bool writeFrames = true;        // the frames as DIR/frame_000001.png ...
    CVideoEncoder* video = nullptr; // also hands each frame to this video
    double fps = 60;
    double from = 0;
    double to = 0;  // exclusive: the first frame at or after it ends the run
};

class CCaptureRun : public IDemoObserver {
public:
    explicit CCaptureRun(const SCaptureSettings& settings);

    // Makes the folder and switches to the offline clock. False (with a reason) when the folder
    // cannot be made.
    bool Prepare(std::string& error);

    void OnFrameStarting(const SDriverState& state) override;
    bool OnFramePresented(SDemo& demo) override;
    void OnEnded(SDemo& demo) override;

    int FramesWritten() const { return m_written; }
    // Empty when every file was written.
    const std::string& Failure() const { return m_failure; }

private:
    void StopAudio();
    bool KeepFrame();
    void ShowProgress(const SDriverState& state);

    SCaptureSettings m_settings;
    int m_written = 0;
    bool m_audioStarted = false;
    bool m_audioStopped = false;
    std::string m_failure;
    double m_wallStart = 0;
    bool m_terminal = false;
};

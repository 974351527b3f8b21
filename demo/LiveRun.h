// A live run: frames paced to a steady rate (several motions advance per frame, so the demo looks as
// designed only at a steady display rate), and for demo makers, while the information lines are on, a
// message line with the part, the last sync value, the music's order and row and the scene time.
#pragma once

#include "DemoObserver.h"

struct SLiveSettings {
    double fps = -1;  // frames per second; 0 unpaced; below 0 the display's refresh (60 if unknown)
};

class CLiveRun : public IDemoObserver {
public:
    explicit CLiveRun(const SLiveSettings& settings);

    void OnLoopStarting(const SDriverState& state) override;
    bool OnFramePresented(SDemo& demo) override;

    double Pace() const { return m_fps; }

private:
    void WaitForNextFrame();

    SLiveSettings m_settings;
    double m_fps = 60;
    double m_deadline = 0;  // seconds of the steady clock at which the next frame is due
};

// The refresh rate of the display the device runs on, or 60 when the driver does not say.
double DisplayRefreshRate();

// The demo's benchmark: the offline clock at 60 steps a second, drawn as fast as it can without
// writing files; the loading time and, per part, frames, median, 95th percentile and worst frame time
// and the median frames per second.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "DemoObserver.h"

struct SBenchSettings {
    double from = 0;
    double to = 0;
    std::string jsonPath;  // empty: no JSON
};

struct SPartTimes {
    int frames = 0;
    double medianMs = 0, p95Ms = 0, worstMs = 0, medianFps = 0;
};

class CBenchRun : public IDemoObserver {
public:
    explicit CBenchRun(const SBenchSettings& settings);

    void Prepare();
    void OnLoadingShown() override;
    void OnLoopStarting(const SDriverState& state) override;
    void OnFrameStarting(const SDriverState& state) override;
    bool OnFramePresented(SDemo& demo) override;

    double LoadingSeconds() const { return m_loadingSeconds; }
    // Per part drawn in the span, in part order.
    std::map<int, SPartTimes> Summary() const;
    std::string Table() const;
    std::string Json() const;

private:
    SBenchSettings m_settings;
    double m_loadingStart = 0;
    double m_loadingSeconds = 0;
    double m_frameStart = 0;
    std::map<int, std::vector<double>> m_frameMs;
};

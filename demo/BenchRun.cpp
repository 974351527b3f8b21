#include "BenchRun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "DemoParts.h"
#include "OfflineClock.h"

namespace {

double WallSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// The value at a fraction of the sorted times (nearest rank).
double Percentile(const std::vector<double>& sorted, double fraction)
{
    if (sorted.empty())
        return 0;
    size_t rank = static_cast<size_t>(fraction * static_cast<double>(sorted.size()) + 0.999999);
    rank = std::max<size_t>(1, std::min(rank, sorted.size()));
    return sorted[rank - 1];
}

}  // namespace

CBenchRun::CBenchRun(const SBenchSettings& settings) : m_settings(settings) {}

void CBenchRun::Prepare() { UseOfflineClock(60); }

void CBenchRun::OnLoadingShown() { m_loadingStart = WallSeconds(); }

void CBenchRun::OnLoopStarting(const SDriverState&) { m_loadingSeconds = WallSeconds() - m_loadingStart; }

void CBenchRun::OnFrameStarting(const SDriverState&) { m_frameStart = WallSeconds(); }

bool CBenchRun::OnFramePresented(SDemo& demo)
{
    const SDriverState& state = demo.state;
    if (state.now >= m_settings.to)
        return false;
    if (state.now >= m_settings.from)
        m_frameMs[state.currentPart].push_back((WallSeconds() - m_frameStart) * 1000);
    return true;
}

std::map<int, SPartTimes> CBenchRun::Summary() const
{
    std::map<int, SPartTimes> summary;
    for (const auto& [part, times] : m_frameMs) {
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        SPartTimes& s = summary[part];
        s.frames = static_cast<int>(sorted.size());
        s.medianMs = Percentile(sorted, 0.5);
        s.p95Ms = Percentile(sorted, 0.95);
        s.worstMs = sorted.back();
        s.medianFps = s.medianMs > 0 ? 1000 / s.medianMs : 0;
    }
    return summary;
}

std::string CBenchRun::Table() const
{
    char line[160];
    snprintf(line, sizeof(line), "loading: %.3f s\n%-8s %7s %10s %10s %10s %10s\n", m_loadingSeconds, "part",
             "frames", "median ms", "p95 ms", "worst ms", "median fps");
    std::string table = line;
    for (const auto& [part, s] : Summary()) {
        snprintf(line, sizeof(line), "%-8s %7d %10.2f %10.2f %10.2f %10.1f\n", PartLabel(part).c_str(), s.frames,
                 s.medianMs, s.p95Ms, s.worstMs, s.medianFps);
        table += line;
    }
    return table;
}

std::string CBenchRun::Json() const
{
    char text[200];
    snprintf(text, sizeof(text), "{\n  \"loading_seconds\": %.6f,\n  \"parts\": [", m_loadingSeconds);
    std::string json = text;
    bool first = true;
    for (const auto& [part, s] : Summary()) {
        snprintf(text, sizeof(text),
                 "%s\n    {\"part\": %d, \"frames\": %d, \"median_ms\": %.4f, \"p95_ms\": %.4f, \"worst_ms\": %.4f, "
                 "\"median_fps\": %.3f}",
                 first ? "" : ",", part, s.frames, s.medianMs, s.p95Ms, s.worstMs, s.medianFps);
        json += text;
        first = false;
    }
    return json + "\n  ]\n}\n";
}

// The motion-path file reader: CMove::Load reads only files, so each input is written to an in-memory
// file (memory_file.h) and loaded into a path on a fixed clock; the loaded path is then evaluated along
// its length, which runs the distance and curve code over whatever values the file held.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "memory_file.h"
#include "motion/Move.h"

namespace {

class CFixedClock : public CMoveClock {
public:
    float GetTickCount() override { return m_fTime += 0.25f; }
    bool IsTimeReset() override { return false; }
    void SetFieldOfView(float) override {}

private:
    float m_fTime = 0.0f;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& file = fuzz_input::Store(data, size);
    CFixedClock clock;
    CMove path(clock);
    path.SetFilename(file.c_str());
    if (!path.Load())
        return 0;
    if (path.GetNumberPoints() < 0 || path.GetNumberPoints() > CMove::MAXPOINTS)
        std::abort();
    float px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom;
    const float total = path.GetTotalDistance();
    for (int step = 0; step <= 8; ++step) {
        path.GetPosition(total * static_cast<float>(step) / 8.0f, px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom);
        const int segment = path.GetSegment(total * static_cast<float>(step) / 8.0f);
        if (segment < 0 || (path.GetNumberPoints() > 1 && segment >= path.GetNumberPoints()))
            std::abort();
    }
    path.Play();
    for (int frame = 0; frame < 4; ++frame)
        path.GetCurrentPosition(px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom);
    return 0;
}

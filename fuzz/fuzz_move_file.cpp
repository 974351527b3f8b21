// The motion-path file reader: CMove::Load reads only files, so each input is written to a file of
// this process's own and loaded into a path on a fixed clock; the loaded path is then evaluated along
// its length, which runs the distance and curve code over whatever values the file held.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

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

const std::string& InputFile()
{
    static const std::string name = [] {
        const char* folder = std::getenv("TMPDIR");
        return std::string(folder && *folder ? folder : "/tmp") + "/varnix_fuzz_move_" + std::to_string(getpid()) +
               ".pth";
    }();
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(InputFile().c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    CFixedClock clock;
    CMove path(clock);
    path.SetFilename(InputFile().c_str());
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

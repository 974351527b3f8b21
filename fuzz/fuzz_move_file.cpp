// The motion-path file reader: CMove::Load reads only files, so each input is written to an in-memory
// file of this process's own and loaded into a path on a fixed clock; the loaded path is then evaluated along
// its length, which runs the distance and curve code over whatever values the file held.
#include <sys/mman.h>
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

// An anonymous in-memory file, named through the process's descriptor table: every process has its
// own, and the name is the same in every run (no process id in it), so a run with a fixed seed takes
// the same paths through the file-name code each time.
int InputDescriptor()
{
    static const int descriptor = memfd_create("varnix_fuzz_move", 0);
    return descriptor;
}

const std::string& InputFile()
{
    static const std::string name = "/proc/self/fd/" + std::to_string(InputDescriptor());
    return name;
}

bool StoreInput(const uint8_t* data, size_t size)
{
    const int descriptor = InputDescriptor();
    if (descriptor < 0 || ftruncate(descriptor, 0) != 0)
        return false;
    return size == 0 || pwrite(descriptor, data, size, 0) == static_cast<ssize_t>(size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!StoreInput(data, size))
        std::abort();  // the harness itself could not run: say so rather than pass silently

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

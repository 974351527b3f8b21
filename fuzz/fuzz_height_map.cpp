// The terrain's height file on raw bytes: at most one height per grid point is read, a file is short
// exactly when it holds fewer, and every lifted point lies between the plane and the amplitude, the
// points past the file's end on the plane itself.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "memory_file.h"
#include "objects/HeightMapFile.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

constexpr float kAmplitude = 20.0f;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& file = fuzz_input::Store(data, size);
    std::vector<unsigned char> heights;
    const height_map::FileState state = height_map::ReadHeights(file.c_str(), heights);
    const size_t points = height_map::kGridPoints;
    Require(state != height_map::FileState::Missing);
    Require(heights.size() == (size < points ? size : points));
    Require((state == height_map::FileState::Short) == (size < points));
    for (size_t k = 0; k < heights.size(); ++k)
        Require(heights[k] == data[k]);
    // One point more than the grid: the lift must stop using heights where the file does. The grid is
    // kept from run to run (a fresh one at every run would take most of the run's time).
    static std::vector<S3DVERTEX> grid(points + 1, S3DVERTEX{});
    for (S3DVERTEX& point : grid)
        point.z = -1.0f;
    height_map::LiftPoints(grid.data(), grid.size(), heights, kAmplitude);
    for (size_t k = 0; k < grid.size(); ++k) {
        if (k < heights.size())
            Require(grid[k].z > 0.0f && grid[k].z <= kAmplitude);
        else
            Require(grid[k].z == 0.0f);
    }
    return 0;
}

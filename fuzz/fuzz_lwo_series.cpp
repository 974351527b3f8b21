// The animated LightWave series: one input holds up to three files, each new one starting where "FORM"
// appears again. File 0 is read as the model (its counts size the buffer), then every file as a key
// frame against file 0's frame, as the series object does, so files that disagree with file 0 in
// their points, polygons or splits are read against its reference points.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "lwo_checking_target.h"
#include "meshes/LWKeyFrames.h"

namespace {

constexpr size_t kMaxFiles = 3;

std::vector<std::vector<unsigned char>> SplitFiles(const uint8_t* data, size_t size)
{
    static const char kForm[] = "FORM";
    std::vector<size_t> starts{0};
    for (size_t at = 1; at + 4 <= size && starts.size() < kMaxFiles; ++at) {
        if (std::memcmp(data + at, kForm, 4) == 0)
            starts.push_back(at);
    }
    starts.push_back(size);
    std::vector<std::vector<unsigned char>> files;
    for (size_t k = 0; k + 1 < starts.size(); ++k)
        files.emplace_back(data + starts[k], data + starts[k + 1]);
    return files;
}

bool SamePoints(const SLWKeyFrame& a, const SLWKeyFrame& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), sizeof(a[0]) * a.size()) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::vector<unsigned char>> files = SplitFiles(data, size);
    CCheckingLWTarget target;
    CLWObjectReader reader(target);
    target.Watch(reader);
    reader.Reset();
    const CLWObjectReader::SOptions options;
    const bool whole = reader.Read(files[0].data(), static_cast<uint32_t>(files[0].size()), options, nullptr);
    CheckModel(reader, whole, target.Messages());
    const int vertices = reader.VertexCount();
    const SLWKeyFrame model(reader.Points().begin(), reader.Points().begin() + vertices);
    reader.ReleaseMesh();

    std::vector<SLWKeyFrame> frames;
    frames.reserve(files.size());
    for (size_t k = 0; k < files.size(); ++k) {
        frames.push_back(ReadKeyFrame(reader, &files[k], k > 0 ? &frames[0] : nullptr, vertices, options));
        CCheckingLWTarget::Require(frames.back().size() == static_cast<size_t>(vertices));
    }
    // File 0 read as a key frame lists the points of the model's buffer, in its order.
    CCheckingLWTarget::Require(SamePoints(frames[0], model));
    // A file that could not be read takes file 0's points.
    const SLWKeyFrame missing = ReadKeyFrame(reader, nullptr, &frames[0], vertices, options);
    CCheckingLWTarget::Require(SamePoints(missing, frames[0]));
    return 0;
}

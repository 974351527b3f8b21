// The LightWave object reader on raw bytes, once as a model is loaded (polygon tags, polygon UVs) and
// once more with flat shading and without polygon UVs, as the options of an object can be set. The
// target checks what the reader hands on; the model it leaves must hold together, whatever the input,
// and reading the file again must give the same model.
#include <cstdint>
#include <cstdlib>

#include "lwo_checking_target.h"

namespace {

// A second read of the same bytes after Reset, as a second Init does, must build the same model.
void ReadWith(const uint8_t* data, size_t size, const CLWObjectReader::SOptions& options)
{
    CCheckingLWTarget target, again;
    CLWObjectReader reader(target), second(again);
    target.Watch(reader);
    again.Watch(second);
    reader.Reset();
    const bool whole = reader.Read(data, static_cast<uint32_t>(size), options, nullptr);
    CheckModel(reader, whole, target.Messages());
    second.Read(data, static_cast<uint32_t>(size), options, nullptr);
    second.Reset();
    const bool wholeAgain = second.Read(data, static_cast<uint32_t>(size), options, nullptr);
    CCheckingLWTarget::Require(wholeAgain == whole && SameModel(reader, second));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ReadWith(data, size, CLWObjectReader::SOptions{});
    CLWObjectReader::SOptions other;
    other.readPolygonUvs = false;
    other.flatShading = true;
    ReadWith(data, size, other);
    return 0;
}

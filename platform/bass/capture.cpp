// Offline renders and captures of the music as WAV files.
#include <vector>

#include "bass_state.h"
#include "platform_files.h"
#include "platform_music.h"
#include "wav_writer.h"

using namespace bass_detail;

namespace {

constexpr int kRenderRate = 44100;

bool ReadWholeFile(const char* name, std::vector<uint8_t>& bytes)
{
    FILE* file = platform::OpenFile(name, "rb");
    if (!file)
        return false;
    uint8_t buffer[65536];
    size_t count;
    while ((count = fread(buffer, 1, sizeof(buffer), file)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + count);
    const bool ok = !ferror(file);
    fclose(file);
    return ok;
}

}  // namespace

bool platform::RenderMusicToWav(const char* module, const char* wavPath, double seconds)
{
    std::vector<uint8_t> bytes;
    if (!module || !wavPath || !ReadWholeFile(module, bytes))
        return false;
    int error = BASS_OK;
    std::unique_ptr<MusicDecoder> decoder = MusicDecoder::Create(bytes.data(), bytes.size(), false, 2, error);
    WavWriter wav;
    if (!decoder || !wav.Open(platform::ResolvePath(wavPath), kRenderRate))
        return false;
    const double wanted = seconds > 0 ? seconds * kRenderRate : 0;
    int16_t chunk[2 * kChunkFrames];
    bool ok = true;
    for (double done = 0; done < wanted && ok;) {
        const size_t frames = static_cast<size_t>(std::min<double>(kChunkFrames, wanted - done + 0.5));
        if (frames == 0)
            break;
        const ChunkResult result = decoder->RenderChunk(chunk, frames, kRenderRate);
        ok = wav.Write(chunk, result.frames);
        done += static_cast<double>(result.frames);
        if (result.ended)
            break;
    }
    return wav.Close() && ok;
}

bool platform::ScanMusicSyncs(const char* module, std::vector<MusicSyncEvent>& events)
{
    std::vector<uint8_t> bytes;
    if (!module || !ReadWholeFile(module, bytes))
        return false;
    int error = BASS_OK;
    std::unique_ptr<MusicDecoder> decoder = MusicDecoder::Create(bytes.data(), bytes.size(), false, 2, error);
    if (!decoder)
        return false;
    int16_t chunk[2 * kChunkFrames];
    double frames = 0;
    for (;;) {
        const ChunkResult result = decoder->RenderChunk(chunk, kChunkFrames, kRenderRate);
        if (result.ended)
            return true;
        // The row began inside this block: its start lies at most one block after the block's.
        if (result.rowStarted)
            for (uint8_t value : decoder->SyncValues(result.order, result.row))
                events.push_back({frames / kRenderRate, result.order, result.row, value});
        frames += static_cast<double>(result.frames);
    }
}

double platform::MusicLengthSeconds(const char* module)
{
    std::vector<uint8_t> bytes;
    if (!module || !ReadWholeFile(module, bytes))
        return -1;
    int error = BASS_OK;
    std::unique_ptr<MusicDecoder> decoder = MusicDecoder::Create(bytes.data(), bytes.size(), false, 2, error);
    return decoder ? decoder->DurationSeconds() : -1;
}

bool platform::StartMusicCapture(const char* wavPath)
{
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    CatchUpWithClock(library);  // what was due before now is not part of the capture
    auto wav = std::make_unique<WavWriter>();
    if (!wavPath || !wav->Open(platform::ResolvePath(wavPath), library.freq))
        return false;
    library.capture = std::move(wav);
    return true;
}

bool platform::StopMusicCapture()
{
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    CatchUpWithClock(library);
    if (!library.capture)
        return false;
    const bool ok = library.capture->Close();
    library.capture.reset();
    return ok;
}

// One tracker module over libopenmpt: rendering in small chunks, the order and row as rendered, and
// the sync-effect values each row holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct openmpt_module;

namespace bass_detail {

// The most frames rendered at once. A row lasts at least one tick (about 430 frames at 255 BPM and
// 44.1 kHz), so a chunk never spans a whole row and every row start is seen.
constexpr size_t kChunkFrames = 256;

struct ChunkResult {
    size_t frames = 0;        // rendered; fewer than asked when the song ended in this chunk
    bool ended = false;
    bool rowStarted = false;  // a new row began within this chunk
    int order = 0;            // position after the chunk
    int row = 0;
};

class MusicDecoder {
public:
    // Parses a module held in memory. On failure returns null and sets error to a BASS error code.
    static std::unique_ptr<MusicDecoder> Create(const uint8_t* data, size_t size, bool loop,
                                                int interpolation, int& error);
    ~MusicDecoder();
    MusicDecoder(const MusicDecoder&) = delete;
    MusicDecoder& operator=(const MusicDecoder&) = delete;

    // Renders at most kChunkFrames 16-bit stereo frames into out.
    ChunkResult RenderChunk(int16_t* out, size_t frames, int rate);
    // Back to the first row; the next chunk reports that row as started.
    void Rewind();
    // How long the module plays once from its start, in seconds.
    double DurationSeconds() const;
    // Moves to the first row that starts at or after a time from the start; the next chunk reports that
    // row as started.
    // Returns the time of the position reached.
    double SeekSeconds(double seconds);
    // The sync-effect values of a row, in channel order (empty for most rows).
    const std::vector<uint8_t>& SyncValues(int order, int row) const;

private:
    explicit MusicDecoder(openmpt_module* module);
    void ScanSyncEffects();

    openmpt_module* module_;
    std::vector<std::vector<std::vector<uint8_t>>> syncValues_;  // [pattern][row] -> values
    bool itStyleEffects_ = false;  // IT and S3M signal with S2x instead of Wxx / E8x
    int lastOrder_ = -1;
    int lastRow_ = -1;
};

}  // namespace bass_detail

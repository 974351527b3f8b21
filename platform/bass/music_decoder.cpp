#include "music_decoder.h"

#include <libopenmpt/libopenmpt.h>

#include <cstring>
#include <string>

#include "bass.h"

namespace bass_detail {

namespace {

void DiscardLog(const char*, void*) {}

std::string TakeString(const char* text)
{
    std::string copy = text ? text : "";
    openmpt_free_string(text);
    return copy;
}

const std::vector<uint8_t>& NoValues()
{
    static const std::vector<uint8_t> none;
    return none;
}

}  // namespace

std::unique_ptr<MusicDecoder> MusicDecoder::Create(const uint8_t* data, size_t size, bool loop,
                                                   int interpolation, int& error)
{
    int openmptError = OPENMPT_ERROR_OK;
    openmpt_module* module = openmpt_module_create_from_memory2(
        data, size, DiscardLog, nullptr, nullptr, nullptr, &openmptError, nullptr, nullptr);
    if (!module) {
        error = openmptError == OPENMPT_ERROR_OUT_OF_MEMORY ? BASS_ERROR_MEM : BASS_ERROR_FORMAT;
        return nullptr;
    }
    std::unique_ptr<MusicDecoder> decoder(new MusicDecoder(module));
    // Stop exactly at the song's end (no fade-out tail), once or for ever.
    openmpt_module_ctl_set_text(module, "play.at_end", "stop");
    // No dither on the 16-bit output: its noise is seeded at random, and the same module must give
    // the same samples every time it is decoded.
    openmpt_module_ctl_set_integer(module, "dither", 0);
    openmpt_module_set_repeat_count(module, loop ? -1 : 0);
    openmpt_module_set_render_param(module, OPENMPT_MODULE_RENDER_INTERPOLATIONFILTER_LENGTH, interpolation);
    decoder->ScanSyncEffects();
    error = BASS_OK;
    return decoder;
}

MusicDecoder::MusicDecoder(openmpt_module* module) : module_(module) {}

MusicDecoder::~MusicDecoder() { openmpt_module_destroy(module_); }

// Reads every pattern once: the sync effect is kept in the pattern data but has no effect on
// playback, so the values are looked up by row while rendering.
void MusicDecoder::ScanSyncEffects()
{
    const std::string type = TakeString(openmpt_module_get_metadata(module_, "type"));
    itStyleEffects_ = type == "it" || type == "s3m" || type == "mptm";
    const int patterns = openmpt_module_get_num_patterns(module_);
    const int channels = openmpt_module_get_num_channels(module_);
    syncValues_.assign(static_cast<size_t>(patterns > 0 ? patterns : 0), {});
    for (int pattern = 0; pattern < patterns; ++pattern) {
        const int rows = openmpt_module_get_pattern_num_rows(module_, pattern);
        auto& rowValues = syncValues_[static_cast<size_t>(pattern)];
        rowValues.assign(static_cast<size_t>(rows > 0 ? rows : 0), {});
        for (int row = 0; row < rows; ++row) {
            for (int channel = 0; channel < channels; ++channel) {
                const std::string letter = TakeString(openmpt_module_format_pattern_row_channel_command(
                    module_, pattern, row, channel, OPENMPT_MODULE_COMMAND_EFFECT));
                const int param = openmpt_module_get_pattern_row_channel_command(
                    module_, pattern, row, channel, OPENMPT_MODULE_COMMAND_PARAMETER);
                if (!itStyleEffects_ && letter == "W")
                    rowValues[static_cast<size_t>(row)].push_back(static_cast<uint8_t>(param));
                else if (!itStyleEffects_ && letter == "E" && (param & 0xF0) == 0x80)
                    rowValues[static_cast<size_t>(row)].push_back(static_cast<uint8_t>(param & 0x0F));
                else if (itStyleEffects_ && letter == "S" && (param & 0xF0) == 0x20)
                    rowValues[static_cast<size_t>(row)].push_back(static_cast<uint8_t>(param & 0x0F));
            }
        }
    }
}

ChunkResult MusicDecoder::RenderChunk(int16_t* out, size_t frames, int rate)
{
    ChunkResult result;
    if (frames > kChunkFrames)
        frames = kChunkFrames;
    result.frames = openmpt_module_read_interleaved_stereo(module_, rate, frames, out);
    // libopenmpt reports the first row again once the song is over; a short read marks that end.
    result.ended = result.frames < frames;
    if (result.frames < frames)
        memset(out + 2 * result.frames, 0, (frames - result.frames) * 2 * sizeof(int16_t));
    if (result.ended) {
        result.order = lastOrder_;
        result.row = lastRow_;
        return result;
    }
    result.order = openmpt_module_get_current_order(module_);
    result.row = openmpt_module_get_current_row(module_);
    result.rowStarted = result.order != lastOrder_ || result.row != lastRow_;
    lastOrder_ = result.order;
    lastRow_ = result.row;
    return result;
}

void MusicDecoder::Rewind()
{
    openmpt_module_set_position_order_row(module_, 0, 0);
    lastOrder_ = -1;
    lastRow_ = -1;
}

double MusicDecoder::DurationSeconds() const { return openmpt_module_get_duration_seconds(module_); }

double MusicDecoder::SeekSeconds(double seconds)
{
    const double reached = openmpt_module_set_position_seconds(module_, seconds);
    lastOrder_ = -1;
    lastRow_ = -1;
    return reached;
}

const std::vector<uint8_t>& MusicDecoder::SyncValues(int order, int row) const
{
    const int pattern = openmpt_module_get_order_pattern(module_, order);
    if (pattern < 0 || static_cast<size_t>(pattern) >= syncValues_.size())
        return NoValues();
    const auto& rows = syncValues_[static_cast<size_t>(pattern)];
    if (row < 0 || static_cast<size_t>(row) >= rows.size())
        return NoValues();
    return rows[static_cast<size_t>(row)];
}

}  // namespace bass_detail

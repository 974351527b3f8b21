// Rendering the playing modules, their levels, and the syncs that rows, positions and ends raise.
#include <algorithm>
#include <cstdlib>

#include "bass_state.h"
#include "platform_clock.h"
#include "wav_writer.h"

namespace bass_detail {

namespace {

constexpr DWORD kSyncTypeMask = 0x00FFFFFF;
constexpr size_t kVirtualBlockFrames = 4096;

DWORD SyncType(const Sync& sync) { return sync.type & kSyncTypeMask; }

bool MatchesWord(DWORD wanted, int actual) { return wanted == 0xFFFF || wanted == static_cast<DWORD>(actual); }

// The syncs of a row that has just started: its sync effects and any position sync for it.
void CollectRowSyncs(const Music& music, std::vector<FiredSync>& fired)
{
    const std::vector<uint8_t>& values = music.decoder->SyncValues(music.order, music.row);
    const DWORD position = static_cast<DWORD>(MAKELONG(music.order, music.row));
    for (const Sync& sync : music.syncs) {
        if (SyncType(sync) == BASS_SYNC_MUSICFX) {
            for (uint8_t value : values)
                fired.push_back({sync.handle, music.handle, sync.param ? value : position});
        } else if (SyncType(sync) == BASS_SYNC_MUSICPOS) {
            if (MatchesWord(LOWORD(sync.param), music.order) && MatchesWord(HIWORD(sync.param), music.row))
                fired.push_back({sync.handle, music.handle, position});
        }
    }
}

void CollectByteSyncs(const Music& music, QWORD before, QWORD after, std::vector<FiredSync>& fired)
{
    for (const Sync& sync : music.syncs)
        if (SyncType(sync) == BASS_SYNC_POS && sync.param >= before && sync.param < after)
            fired.push_back({sync.handle, music.handle, 0});
}

void CollectEndSyncs(const Music& music, std::vector<FiredSync>& fired)
{
    for (const Sync& sync : music.syncs)
        if (SyncType(sync) == BASS_SYNC_END)
            fired.push_back({sync.handle, music.handle, 0});
}

const Sync* FindSync(const Music& music, HSYNC handle)
{
    for (const Sync& sync : music.syncs)
        if (sync.handle == handle)
            return &sync;
    return nullptr;
}

void AddSaturated(int16_t* out, const int16_t* in, size_t samples)
{
    for (size_t i = 0; i < samples; ++i)
        out[i] = static_cast<int16_t>(std::clamp(out[i] + in[i], -32768, 32767));
}

void TrackPeaks(Music& music, const int16_t* samples, size_t frames)
{
    for (size_t i = 0; i < frames; ++i) {
        music.peakLeft = std::max(music.peakLeft, std::abs(static_cast<int>(samples[2 * i])));
        music.peakRight = std::max(music.peakRight, std::abs(static_cast<int>(samples[2 * i + 1])));
    }
}

// Renders one chunk of a module into out and lists the syncs it raises.
void MixChunk(Music& music, int16_t* out, size_t frames, std::vector<FiredSync>& fired)
{
    int16_t chunk[2 * kChunkFrames];
    const ChunkResult result = music.decoder->RenderChunk(chunk, frames, State().freq);
    AddSaturated(out, chunk, 2 * result.frames);
    TrackPeaks(music, chunk, result.frames);
    const QWORD before = music.bytePosition;
    music.bytePosition += result.frames * 4;
    if (result.rowStarted) {
        music.order = result.order;
        music.row = result.row;
        CollectRowSyncs(music, fired);
    }
    CollectByteSyncs(music, before, music.bytePosition, fired);
    if (result.ended) {
        music.playing = false;
        music.ended = true;
        CollectEndSyncs(music, fired);
    }
}

// Calls the syncs flagged BASS_SYNC_MIXTIME now; the rest now or when heard.
void Dispatch(Library& library, const std::vector<FiredSync>& fired, bool callHeardLater)
{
    if (!callHeardLater) {
        CallSyncs(library, fired);
        return;
    }
    std::vector<FiredSync> now;
    for (const FiredSync& one : fired) {
        Music* music = library.musics.count(one.channel) ? library.musics[one.channel].get() : nullptr;
        const Sync* sync = music ? FindSync(*music, one.handle) : nullptr;
        if (sync && (sync->type & BASS_SYNC_MIXTIME))
            now.push_back(one);
        else
            library.heardNext.push_back(one);
    }
    CallSyncs(library, now);
}

std::vector<DWORD> PlayingHandles(const Library& library)
{
    std::vector<DWORD> handles;
    for (const auto& entry : library.musics)
        if (entry.second->playing)
            handles.push_back(entry.first);
    return handles;
}

Music* FindQuiet(Library& library, DWORD handle)
{
    auto found = library.musics.find(handle);
    return found == library.musics.end() ? nullptr : found->second.get();
}

}  // namespace

void CallSyncs(Library& library, const std::vector<FiredSync>& fired)
{
    for (const FiredSync& one : fired) {
        // A callback may free a module or remove a sync: look each one up again.
        Music* music = FindQuiet(library, one.channel);
        const Sync* sync = music ? FindSync(*music, one.handle) : nullptr;
        if (!sync || !sync->proc)
            continue;
        SYNCPROC* proc = sync->proc;
        void* user = sync->user;
        if (sync->type & BASS_SYNC_ONETIME) {
            music->syncs.erase(music->syncs.begin() + (sync - music->syncs.data()));
        }
        proc(one.handle, one.channel, one.data, user);
    }
}

void MixBlock(Library& library, int16_t* out, size_t frames, bool callHeardLater)
{
    const std::vector<DWORD> handles = PlayingHandles(library);
    for (DWORD handle : handles)
        if (Music* music = FindQuiet(library, handle))
            music->peakLeft = music->peakRight = 0;
    std::vector<DWORD> mixed;
    for (size_t done = 0; done < frames; done += kChunkFrames) {
        const size_t count = std::min(kChunkFrames, frames - done);
        for (DWORD handle : handles) {
            Music* music = FindQuiet(library, handle);
            if (!music || !music->playing)
                continue;
            std::vector<FiredSync> fired;
            MixChunk(*music, out + 2 * done, count, fired);
            if (std::find(mixed.begin(), mixed.end(), handle) == mixed.end())
                mixed.push_back(handle);
            Dispatch(library, fired, callHeardLater);
        }
    }
    for (DWORD handle : mixed)
        if (Music* music = FindQuiet(library, handle))
            music->level = static_cast<DWORD>(MAKELONG(music->peakLeft, music->peakRight));
}

void CatchUpWithClock(Library& library)
{
    if (!library.initialised || !library.followsClock || !library.outputStarted)
        return;
    const int64_t elapsed = platform::ClockTicks() - library.originTicks;
    if (elapsed <= 0)
        return;
    const int64_t due = static_cast<int64_t>(static_cast<__int128>(elapsed) * library.freq /
                                             platform::kClockFrequency);
    std::vector<int16_t> block;
    while (library.framesRendered < due && library.initialised && library.outputStarted) {
        const size_t frames = static_cast<size_t>(std::min<int64_t>(due - library.framesRendered,
                                                                    kVirtualBlockFrames));
        block.assign(2 * frames, 0);
        library.framesRendered += static_cast<int64_t>(frames);
        MixBlock(library, block.data(), frames, false);
        if (library.capture)
            library.capture->Write(block.data(), frames);
    }
}

}  // namespace bass_detail

// Modules as channels: loading, playing, stopping, levels, positions and syncs.
#include <limits>
#include <new>

#include "bass_state.h"
#include "platform_files.h"

using namespace bass_detail;

namespace {

// Larger files are refused rather than read whole into memory.
constexpr long kMaxModuleBytes = 256L * 1024 * 1024;

template <typename T>
T Failed(int code, T result)
{
    SetError(code);
    return result;
}

BOOL Succeeded()
{
    SetError(BASS_OK);
    return TRUE;
}

// Reads length bytes (0: up to the end) from offset of a file. Returns a BASS error code.
int ReadModuleFile(const char* name, QWORD offset, DWORD length, std::vector<uint8_t>& bytes)
{
    FILE* file = platform::OpenFile(name, "rb");
    if (!file)
        return BASS_ERROR_FILEOPEN;
    long size = -1;
    if (fseek(file, 0, SEEK_END) == 0)
        size = ftell(file);
    int error = BASS_OK;
    if (size < 0) {
        error = BASS_ERROR_FILEOPEN;
    } else if (offset >= static_cast<QWORD>(size)) {
        error = BASS_ERROR_FORMAT;  // nothing there to play
    } else {
        QWORD count = static_cast<QWORD>(size) - offset;
        if (length != 0 && length < count)
            count = length;
        if (count > static_cast<QWORD>(kMaxModuleBytes)) {
            error = BASS_ERROR_MEM;
        } else {
            try {
                bytes.resize(static_cast<size_t>(count));
                if (fseek(file, static_cast<long>(offset), SEEK_SET) != 0 ||
                    fread(bytes.data(), 1, bytes.size(), file) != bytes.size())
                    error = BASS_ERROR_FILEOPEN;
            } catch (const std::bad_alloc&) {
                error = BASS_ERROR_MEM;
            }
        }
    }
    fclose(file);
    return error;
}

int InterpolationOf(DWORD flags)
{
    if (flags & BASS_MUSIC_NONINTER)
        return 1;
    if (flags & BASS_MUSIC_SINCINTER)
        return 8;
    return 2;  // linear
}

bool IsInitialised()
{
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    return library.initialised;
}

bool KnownSyncType(DWORD type)
{
    switch (type & 0x00FFFFFF) {
    case BASS_SYNC_POS:
    case BASS_SYNC_END:
    case BASS_SYNC_MUSICFX:
    case BASS_SYNC_MUSICPOS:
        return true;
    default:
        return false;
    }
}

// Locks the library, brings the virtual clock's music up to date and finds the module.
class LockedMusic {
public:
    explicit LockedMusic(DWORD handle) : lock_(State().mutex)
    {
        Library& library = State();
        if (!library.initialised) {
            SetError(BASS_ERROR_INIT);
            return;
        }
        CatchUpWithClock(library);
        music_ = FindMusic(library, handle);
    }
    Music* operator->() const { return music_; }
    explicit operator bool() const { return music_ != nullptr; }

private:
    std::lock_guard<std::recursive_mutex> lock_;
    Music* music_ = nullptr;
};

}  // namespace

HMUSIC BASS_MusicLoad(BOOL mem, const void* file, QWORD offset, DWORD length, DWORD flags, DWORD freq)
{
    if (!IsInitialised())
        return Failed<HMUSIC>(BASS_ERROR_INIT, 0);
    if (flags & BASS_MUSIC_DECODE)
        return Failed<HMUSIC>(BASS_ERROR_NOTAVAIL, 0);  // no BASS_ChannelGetData here
    if (!file)
        return Failed<HMUSIC>(mem ? BASS_ERROR_ILLPARAM : BASS_ERROR_FILEOPEN, 0);
    if (mem && length == 0)
        return Failed<HMUSIC>(BASS_ERROR_ILLPARAM, 0);

    // Read and parse without the lock, so the output does not wait for the file.
    std::vector<uint8_t> fromFile;
    const uint8_t* data = static_cast<const uint8_t*>(file) + (mem ? offset : 0);
    size_t size = length;
    if (!mem) {
        const int error = ReadModuleFile(static_cast<const char*>(file), offset, length, fromFile);
        if (error != BASS_OK)
            return Failed<HMUSIC>(error, 0);
        data = fromFile.data();
        size = fromFile.size();
    }
    int error = BASS_OK;
    auto music = std::make_unique<Music>();
    music->decoder = MusicDecoder::Create(data, size, (flags & BASS_MUSIC_LOOP) != 0, InterpolationOf(flags), error);
    if (!music->decoder)
        return Failed<HMUSIC>(error, 0);
    music->flags = flags;

    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    if (!library.initialised)
        return Failed<HMUSIC>(BASS_ERROR_INIT, 0);
    music->handle = NewHandle();
    const HMUSIC handle = music->handle;
    library.musics[handle] = std::move(music);
    SetError(BASS_OK);
    return handle;
}

BOOL BASS_MusicFree(HMUSIC handle)
{
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    if (!library.initialised)
        return Failed<BOOL>(BASS_ERROR_INIT, FALSE);
    if (!library.musics.erase(handle))
        return Failed<BOOL>(BASS_ERROR_HANDLE, FALSE);
    return Succeeded();
}

BOOL BASS_ChannelPlay(DWORD handle, BOOL restart)
{
    LockedMusic music(handle);
    if (!music)
        return FALSE;
    const Library& library = State();
    if (!library.hasOutput)
        return Failed<BOOL>(BASS_ERROR_NOTAVAIL, FALSE);  // device 0: no sound
    if (!library.outputStarted)
        return Failed<BOOL>(BASS_ERROR_START, FALSE);
    if (restart || music->ended) {
        music->decoder->Rewind();
        music->bytePosition = 0;
        music->order = music->row = 0;
        music->ended = false;
    }
    music->playing = true;
    music->paused = false;
    return Succeeded();
}

BOOL BASS_MusicPlay(HMUSIC handle) { return BASS_ChannelPlay(handle, FALSE); }

BOOL BASS_ChannelStop(DWORD handle)
{
    LockedMusic music(handle);
    if (!music)
        return FALSE;
    music->playing = false;
    music->paused = false;
    return Succeeded();
}

BOOL BASS_ChannelPause(DWORD handle)
{
    LockedMusic music(handle);
    if (!music)
        return FALSE;
    if (!music->playing)
        return Failed<BOOL>(BASS_ERROR_NOPLAY, FALSE);
    music->playing = false;
    music->paused = true;
    return Succeeded();
}

DWORD BASS_ChannelIsActive(DWORD handle)
{
    LockedMusic music(handle);
    if (!music)
        return BASS_ACTIVE_STOPPED;
    SetError(BASS_OK);
    if (music->paused || (music->playing && !State().outputStarted))
        return BASS_ACTIVE_PAUSED;
    return music->playing ? BASS_ACTIVE_PLAYING : BASS_ACTIVE_STOPPED;
}

DWORD BASS_ChannelGetLevel(DWORD handle)
{
    LockedMusic music(handle);
    if (!music)
        return static_cast<DWORD>(-1);
    if (!music->playing || !State().outputStarted)
        return Failed<DWORD>(BASS_ERROR_NOPLAY, static_cast<DWORD>(-1));
    SetError(BASS_OK);
    return music->level;
}

// The position as rendered; on a sound card that runs one device buffer ahead of what is heard.
QWORD BASS_ChannelGetPosition(DWORD handle, DWORD mode)
{
    LockedMusic music(handle);
    if (!music)
        return static_cast<QWORD>(-1);
    if (mode == BASS_POS_BYTE) {
        SetError(BASS_OK);
        return music->bytePosition;
    }
    if (mode == BASS_POS_MUSIC_ORDER) {
        SetError(BASS_OK);
        return static_cast<DWORD>(MAKELONG(music->order, music->row));
    }
    return Failed<QWORD>(BASS_ERROR_NOTAVAIL, static_cast<QWORD>(-1));
}

BOOL BASS_ChannelSetPosition(DWORD handle, QWORD pos, DWORD mode)
{
    LockedMusic music(handle);
    if (!music)
        return FALSE;
    if (mode != BASS_POS_BYTE)
        return Failed<BOOL>(BASS_ERROR_NOTAVAIL, FALSE);
    const int freq = State().freq > 0 ? State().freq : 44100;
    const double reached = music->decoder->SeekSeconds(static_cast<double>(pos / 4) / freq);
    music->bytePosition = static_cast<QWORD>(reached * freq + 0.5) * 4;
    music->ended = false;
    SetError(BASS_OK);
    return TRUE;
}

HSYNC BASS_ChannelSetSync(DWORD handle, DWORD type, QWORD param, SYNCPROC* proc, void* user)
{
    LockedMusic music(handle);
    if (!music)
        return 0;
    if (!KnownSyncType(type))
        return Failed<HSYNC>(BASS_ERROR_ILLTYPE, 0);
    if (!proc)
        return Failed<HSYNC>(BASS_ERROR_ILLPARAM, 0);
    const HSYNC sync = NewHandle();
    music->syncs.push_back(Sync{sync, type, param, proc, user});
    SetError(BASS_OK);
    return sync;
}

BOOL BASS_ChannelRemoveSync(DWORD handle, HSYNC sync)
{
    LockedMusic music(handle);
    if (!music)
        return FALSE;
    for (auto it = music->syncs.begin(); it != music->syncs.end(); ++it) {
        if (it->handle == sync) {
            music->syncs.erase(it);
            return Succeeded();
        }
    }
    return Failed<BOOL>(BASS_ERROR_HANDLE, FALSE);
}

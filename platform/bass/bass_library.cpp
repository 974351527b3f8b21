// The library as a whole: initialisation, the output device, start and stop, errors.
#include <cstring>

#include "bass_state.h"
#include "platform_clock.h"
#include "platform_music.h"

namespace bass_detail {

namespace {

thread_local int lastError = BASS_OK;

// How SDL's audio was brought up, so it is taken down the same way.
enum class AudioSystem { None, Subsystem, DummyDriver };
AudioSystem audioSystem = AudioSystem::None;

constexpr int kDeviceBufferFrames = 1024;
constexpr DWORD kMinFreq = 8000;
constexpr DWORD kMaxFreq = 192000;

BOOL Succeed()
{
    SetError(BASS_OK);
    return TRUE;
}

BOOL Fail(int code)
{
    SetError(code);
    return FALSE;
}

// SDL's audio thread. The syncs of the previous buffer are called first: that buffer is what the
// device plays now.
void AudioCallback(void*, Uint8* stream, int length)
{
    memset(stream, 0, static_cast<size_t>(length));
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    if (!library.initialised)
        return;
    std::vector<FiredSync> heard;
    heard.swap(library.heardNext);
    CallSyncs(library, heard);
    if (library.initialised && library.outputStarted)
        MixBlock(library, reinterpret_cast<int16_t*>(stream), static_cast<size_t>(length) / 4, true);
}

SDL_AudioDeviceID OpenDevice(const char* name, int freq)
{
    SDL_AudioSpec wanted;
    SDL_zero(wanted);
    wanted.freq = freq;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = kDeviceBufferFrames;
    wanted.callback = AudioCallback;
    SDL_AudioSpec obtained;
    // No changes allowed: SDL converts to whatever the hardware wants.
    return SDL_OpenAudioDevice(name, 0, &wanted, &obtained, 0);
}

void CloseAudioSystem()
{
    if (audioSystem == AudioSystem::Subsystem)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    else if (audioSystem == AudioSystem::DummyDriver)
        SDL_AudioQuit();
    audioSystem = AudioSystem::None;
}

// device: -1 or 1 the default output, 2 and up SDL's outputs in order.
SDL_AudioDeviceID OpenOutput(int device, int freq, int& error)
{
    const bool wantsDefault = device == -1 || device == 1;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        audioSystem = AudioSystem::Subsystem;
        const char* name = nullptr;
        if (!wantsDefault) {
            if (device - 2 >= SDL_GetNumAudioDevices(0)) {
                CloseAudioSystem();
                error = BASS_ERROR_DEVICE;
                return 0;
            }
            name = SDL_GetAudioDeviceName(device - 2, 0);
        }
        if (SDL_AudioDeviceID id = OpenDevice(name, freq))
            return id;
        CloseAudioSystem();
        if (!wantsDefault) {
            error = BASS_ERROR_DRIVER;
            return 0;
        }
    }
    // No sound card: a silent output that still takes audio in real time, so modules play and
    // their syncs fire.
    if (SDL_AudioInit("dummy") == 0) {
        audioSystem = AudioSystem::DummyDriver;
        if (SDL_AudioDeviceID id = OpenDevice(nullptr, freq))
            return id;
        CloseAudioSystem();
    }
    error = BASS_ERROR_DRIVER;
    return 0;
}

void ListenToClockOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { platform::AddClockListener([] { platform::AdvanceMusicToClock(); }); });
}

}  // namespace

Library& State()
{
    static Library library;
    return library;
}

void SetError(int code) { lastError = code; }

DWORD NewHandle()
{
    static DWORD next = 0x10000;
    if (++next == 0)
        next = 0x10000;
    return next;
}

Music* FindMusic(Library& library, DWORD handle)
{
    auto found = library.musics.find(handle);
    if (found == library.musics.end()) {
        SetError(BASS_ERROR_HANDLE);
        return nullptr;
    }
    return found->second.get();
}

}  // namespace bass_detail

using namespace bass_detail;

BOOL BASS_Init(int device, DWORD freq, DWORD flags, HWND win, const void* dsguid)
{
    Library& library = State();
    std::unique_lock<std::recursive_mutex> lock(library.mutex);
    if (library.initialised)
        return Fail(BASS_ERROR_ALREADY);
    if (device < -1)
        return Fail(BASS_ERROR_DEVICE);
    if (freq == 0)
        freq = 44100;
    if (freq < kMinFreq || freq > kMaxFreq)
        return Fail(BASS_ERROR_FORMAT);
    const bool virtualClock = platform::IsVirtualClock();
    const bool hasOutput = device != 0;
    SDL_AudioDeviceID id = 0;
    if (hasOutput && !virtualClock) {
        // The device opens paused: its callback cannot run, and wait for the lock, yet.
        int error = BASS_OK;
        id = OpenOutput(device, static_cast<int>(freq), error);
        if (!id)
            return Fail(error);
    }
    library.freq = static_cast<int>(freq);
    library.virtualClock = virtualClock;
    library.hasOutput = hasOutput;
    library.device = id;
    library.outputStarted = true;  // the output runs from the start, as BASS_Init leaves it
    library.originTicks = platform::ClockTicks();
    library.framesRendered = 0;
    library.heardNext.clear();
    library.initialised = true;
    if (virtualClock)
        ListenToClockOnce();
    lock.unlock();
    if (id)
        SDL_PauseAudioDevice(id, 0);
    return Succeed();
}

BOOL BASS_Free()
{
    Library& library = State();
    std::map<DWORD, std::unique_ptr<Music>> musics;
    SDL_AudioDeviceID id = 0;
    {
        std::lock_guard<std::recursive_mutex> lock(library.mutex);
        if (!library.initialised)
            return Fail(BASS_ERROR_INIT);
        library.initialised = false;
        library.outputStarted = false;
        musics.swap(library.musics);
        library.heardNext.clear();
        id = library.device;
        library.device = 0;
    }
    // Closing waits for the audio thread, which may be waiting for the lock: close without it.
    if (id) {
        SDL_CloseAudioDevice(id);
        CloseAudioSystem();
    }
    return Succeed();
}

BOOL BASS_Start()
{
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    if (!library.initialised)
        return Fail(BASS_ERROR_INIT);
    if (!library.outputStarted) {
        library.outputStarted = true;
        // The virtual clock's time while the output was stopped is not played.
        library.originTicks = platform::ClockTicks();
        library.framesRendered = 0;
    }
    return Succeed();
}

// Stops the output; with pause the playing modules resume at BASS_Start, without it they stop.
static BOOL StopOutput(bool pause)
{
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    if (!library.initialised)
        return Fail(BASS_ERROR_INIT);
    CatchUpWithClock(library);
    library.outputStarted = false;
    if (!pause)
        for (auto& entry : library.musics)
            entry.second->playing = false;
    return Succeed();
}

BOOL BASS_Stop() { return StopOutput(false); }

BOOL BASS_Pause() { return StopOutput(true); }

int BASS_ErrorGetCode() { return lastError; }

DWORD BASS_GetVersion() { return 0x02040000; }

void platform::AdvanceMusicToClock()
{
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    CatchUpWithClock(library);
}

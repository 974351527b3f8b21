#include "audio/BassPlayer.h"

namespace {

// The message of a library error code; codes without one give an empty text.
CString ErrorName(int code)
{
    switch (code) {
    case BASS_ERROR_MEM: return "BASS_ERROR_MEM";
    case BASS_ERROR_FILEOPEN: return "BASS_ERROR_FILEOPEN";
    case BASS_ERROR_DRIVER: return "BASS_ERROR_DRIVER";
    case BASS_ERROR_FORMAT: return "BASS_ERROR_FORMAT";
    case BASS_ERROR_INIT: return "BASS_ERROR_INIT";
    case BASS_ERROR_ALREADY: return "BASS_ERROR_ALREADY";
    case BASS_ERROR_NO3D: return "BASS_ERROR_NO3D";
    case BASS_ERROR_UNKNOWN: return "BASS_ERROR_UNKNOWN";
    default: return CString();
    }
}

// The sync parameter that makes the library pass the effect's value instead of the position.
constexpr QWORD kPassEffectValue = 1;

}  // namespace

CBassPlayer::CBassPlayer() : m_hMusic(0), m_nEffect(0) {}

CBassPlayer::~CBassPlayer() {}

void CBassPlayer::Init(HWND hWnd)
{
    if (!BASS_Init(-1, 44100, 0, hWnd, nullptr))
        DisplayError();
}

void CBassPlayer::Load(const char* filename)
{
    m_hMusic = BASS_MusicLoad(FALSE, filename, 0, 0, 0, 0);
    if (m_hMusic == 0)
        DisplayError();
    // On a failed load this passes handle 0, which the library refuses quietly.
    BASS_ChannelSetSync(m_hMusic, BASS_SYNC_MUSICFX, kPassEffectValue, SyncEffect, &m_nEffect);
}

void CBassPlayer::Play()
{
    BASS_Start();
    BASS_MusicPlay(m_hMusic);
}

void CBassPlayer::Stop() { BASS_Stop(); }

void CBassPlayer::CleanUp() { BASS_Free(); }

void CBassPlayer::SetLoop(int loop) {}

// The value is one aligned int, stored and loaded whole: no lock, and never a torn read.
int CBassPlayer::GetEffect() { return __atomic_load_n(&m_nEffect, __ATOMIC_RELAXED); }

// The library answers -1 when it has no level (nothing loaded or playing): that reads as silence,
// not as two levels of 65535.
void CBassPlayer::GetVolume(int& left, int& right)
{
    DWORD level = BASS_ChannelGetLevel(m_hMusic);
    if (level == static_cast<DWORD>(-1))
        level = 0;
    left = LOWORD(level);
    right = HIWORD(level);
}

// Likewise a failed position reads as the start, order 0 and row 0.
void CBassPlayer::GetPosition(int& order, int& row)
{
    QWORD position = BASS_ChannelGetPosition(m_hMusic, BASS_POS_MUSIC_ORDER);
    if (position == static_cast<QWORD>(-1))
        position = 0;
    order = LOWORD(position);
    row = HIWORD(position);
}

// The output is 16-bit stereo at the rate Init asks for.
void CBassPlayer::SetPosition(float seconds)
{
    const QWORD frames = seconds > 0 ? static_cast<QWORD>(static_cast<double>(seconds) * 44100 + 0.5) : 0;
    BASS_ChannelSetPosition(m_hMusic, frames * 4, BASS_POS_BYTE);
}

void CALLBACK CBassPlayer::SyncEffect(HSYNC handle, DWORD channel, DWORD data, void* user)
{
    __atomic_store_n(static_cast<int*>(user), static_cast<int>(data), __ATOMIC_RELAXED);
}

void CBassPlayer::DisplayError()
{
    MessageBoxA(nullptr, ErrorName(BASS_ErrorGetCode()), "BASS Error", MB_OK);
}

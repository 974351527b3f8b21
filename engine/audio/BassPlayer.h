// The engine's tracker-music player over BASS. Besides loading and playing a module it carries the
// music's sync values to the picture: the last value the module's sync effect signalled is what
// GetEffect answers. Errors of the audio library are shown in a message box and otherwise ignored.
#pragma once

#include <afxwin.h>
#include <bass.h>

class CBassPlayer {
public:
    CBassPlayer();
    // Neither stops nor frees the music: CleanUp does that.
    virtual ~CBassPlayer();

    void Init(HWND hWnd);
    void Load(const char* filename);
    void Play();
    // Stops the library's whole output, not only this module.
    void Stop();
    // Releases the library and everything loaded through it; Init is needed again after it.
    void CleanUp();
    // Accepted and ignored: modules play once.
    void SetLoop(int loop);
    int GetEffect();
    void GetVolume(int& left, int& right);
    void GetPosition(int& order, int& row);
    // Moves playback to the first row starting at or after a time from the module's start; that row is
    // heard anew, syncs included.
    void SetPosition(float seconds);

    // The sync callback: stores the effect's value at the address given as the user value.
    static void CALLBACK SyncEffect(HSYNC handle, DWORD channel, DWORD data, void* user);

protected:
    void DisplayError();

    HMUSIC m_hMusic;
    int m_nEffect;  // written whole by the audio thread, read whole by the render thread
};

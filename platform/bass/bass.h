// The BASS audio library's interface for tracker music, over libopenmpt (decoding) and SDL2 (output).
// Names, types, constants and results keep BASS 2.x's meanings; only what this system plays is here:
// MOD music (XM, IT, S3M, MOD and what else libopenmpt reads) with syncs, levels and positions.
#pragma once

#include <cstdint>

#include "windows.h"

typedef uint64_t QWORD;

typedef DWORD HMUSIC;    // a loaded module
typedef DWORD HSAMPLE;
typedef DWORD HCHANNEL;  // any playable channel; a module is one
typedef DWORD HSTREAM;
typedef DWORD HSYNC;
typedef DWORD HDSP;
typedef DWORD HFX;
typedef DWORD HPLUGIN;

// Error codes of BASS_ErrorGetCode
#define BASS_OK 0
#define BASS_ERROR_MEM 1
#define BASS_ERROR_FILEOPEN 2
#define BASS_ERROR_DRIVER 3
#define BASS_ERROR_BUFLOST 4
#define BASS_ERROR_HANDLE 5
#define BASS_ERROR_FORMAT 6
#define BASS_ERROR_POSITION 7
#define BASS_ERROR_INIT 8
#define BASS_ERROR_START 9
#define BASS_ERROR_ALREADY 14
#define BASS_ERROR_NOCHAN 18
#define BASS_ERROR_ILLTYPE 19
#define BASS_ERROR_ILLPARAM 20
#define BASS_ERROR_NO3D 21
#define BASS_ERROR_NOEAX 22
#define BASS_ERROR_DEVICE 23
#define BASS_ERROR_NOPLAY 24
#define BASS_ERROR_FREQ 25
#define BASS_ERROR_NOTFILE 27
#define BASS_ERROR_NOHW 29
#define BASS_ERROR_EMPTY 31
#define BASS_ERROR_NONET 32
#define BASS_ERROR_CREATE 33
#define BASS_ERROR_NOFX 34
#define BASS_ERROR_NOTAVAIL 37
#define BASS_ERROR_DECODE 38
#define BASS_ERROR_DX 39
#define BASS_ERROR_TIMEOUT 40
#define BASS_ERROR_FILEFORM 41
#define BASS_ERROR_SPEAKER 42
#define BASS_ERROR_VERSION 43
#define BASS_ERROR_CODEC 44
#define BASS_ERROR_ENDED 45
#define BASS_ERROR_BUSY 46
#define BASS_ERROR_UNKNOWN -1

// BASS_Init flags. The output is always 16-bit stereo; the flags are accepted and not acted on.
#define BASS_DEVICE_8BITS 1
#define BASS_DEVICE_MONO 2
#define BASS_DEVICE_3D 4
#define BASS_DEVICE_16BITS 8
#define BASS_DEVICE_LATENCY 0x100
#define BASS_DEVICE_SPEAKERS 0x800
#define BASS_DEVICE_NOSPEAKER 0x1000
#define BASS_DEVICE_FREQ 0x4000
#define BASS_DEVICE_STEREO 0x8000

// Sample, stream and music flags
#define BASS_SAMPLE_8BITS 1
#define BASS_SAMPLE_MONO 2
#define BASS_SAMPLE_LOOP 4
#define BASS_SAMPLE_3D 8
#define BASS_SAMPLE_SOFTWARE 16
#define BASS_SAMPLE_FX 128
#define BASS_SAMPLE_FLOAT 256
#define BASS_STREAM_PRESCAN 0x20000
#define BASS_STREAM_AUTOFREE 0x40000
#define BASS_STREAM_DECODE 0x200000

#define BASS_MUSIC_FLOAT BASS_SAMPLE_FLOAT
#define BASS_MUSIC_MONO BASS_SAMPLE_MONO
#define BASS_MUSIC_LOOP BASS_SAMPLE_LOOP  // repeat the module at its end
#define BASS_MUSIC_3D BASS_SAMPLE_3D
#define BASS_MUSIC_FX BASS_SAMPLE_FX
#define BASS_MUSIC_AUTOFREE BASS_STREAM_AUTOFREE  // accepted, not acted on: free modules yourself
#define BASS_MUSIC_DECODE BASS_STREAM_DECODE  // refused (BASS_ERROR_NOTAVAIL): no BASS_ChannelGetData
#define BASS_MUSIC_PRESCAN BASS_STREAM_PRESCAN
#define BASS_MUSIC_CALCLEN BASS_MUSIC_PRESCAN
#define BASS_MUSIC_RAMP 0x200
#define BASS_MUSIC_RAMPS 0x400
#define BASS_MUSIC_SURROUND 0x800
#define BASS_MUSIC_SURROUND2 0x1000
#define BASS_MUSIC_FT2PAN 0x2000
#define BASS_MUSIC_FT2MOD 0x2000
#define BASS_MUSIC_PT1MOD 0x4000
#define BASS_MUSIC_POSRESET 0x8000
#define BASS_MUSIC_NONINTER 0x10000     // no interpolation
#define BASS_MUSIC_STOPBACK 0x80000
#define BASS_MUSIC_NOSAMPLE 0x100000
#define BASS_MUSIC_POSRESETEX 0x400000
#define BASS_MUSIC_SINCINTER 0x800000   // sinc interpolation
#define BASS_UNICODE 0x80000000

// BASS_ChannelSetSync types and flags
#define BASS_SYNC_POS 0        // param: byte position; data: 0
#define BASS_SYNC_MUSICINST 1
#define BASS_SYNC_END 2        // the channel reached its end; data: 0
#define BASS_SYNC_MUSICFX 3    // the module's sync effect (XM/MOD: Wxx or E8x; IT/S3M: S2x);
                               // param 0: data = MAKELONG(order, row); param 1: data = the effect's value
#define BASS_SYNC_META 4
#define BASS_SYNC_SLIDE 5
#define BASS_SYNC_STALL 6
#define BASS_SYNC_DOWNLOAD 7
#define BASS_SYNC_FREE 8
#define BASS_SYNC_MUSICPOS 10  // param: MAKELONG(order, row), either word 0xFFFF for any; data: MAKELONG(order, row)
#define BASS_SYNC_SETPOS 11
#define BASS_SYNC_MIXTIME 0x40000000  // flag: call when the data is mixed, not when it is heard
#define BASS_SYNC_ONETIME 0x80000000  // flag: call once, then remove the sync

// BASS_ChannelIsActive results
#define BASS_ACTIVE_STOPPED 0
#define BASS_ACTIVE_PLAYING 1
#define BASS_ACTIVE_STALLED 2
#define BASS_ACTIVE_PAUSED 3

// BASS_ChannelGetPosition modes
#define BASS_POS_BYTE 0
#define BASS_POS_MUSIC_ORDER 1  // MAKELONG(order, row)

typedef void(CALLBACK SYNCPROC)(HSYNC handle, DWORD channel, DWORD data, void* user);

// The library's output. device: -1 or 1 the default output, 2.. further outputs, 0 no sound.
// Without a sound card the default output falls back to a silent one that still plays in real time.
// On the virtual platform clock no output is opened: music is decoded in step with the clock.
BOOL BASS_Init(int device, DWORD freq, DWORD flags, HWND win, const void* dsguid);
BOOL BASS_Free();
BOOL BASS_Start();
BOOL BASS_Stop();
BOOL BASS_Pause();
int BASS_ErrorGetCode();
DWORD BASS_GetVersion();

// Modules: mem TRUE reads length bytes at file + offset; FALSE opens the file named by file (Windows
// names work) and reads from offset, length bytes or (0) to its end. freq is ignored: a module is
// rendered at the output rate. Without BASS_MUSIC_LOOP a module plays once.
HMUSIC BASS_MusicLoad(BOOL mem, const void* file, QWORD offset, DWORD length, DWORD flags, DWORD freq);
BOOL BASS_MusicFree(HMUSIC handle);
// Plays from where the module was stopped, or from its start once it has ended (BASS 2.0's name).
BOOL BASS_MusicPlay(HMUSIC handle);

BOOL BASS_ChannelPlay(DWORD handle, BOOL restart);
BOOL BASS_ChannelStop(DWORD handle);
BOOL BASS_ChannelPause(DWORD handle);
DWORD BASS_ChannelIsActive(DWORD handle);
// Peak levels of the most recently mixed block: left in the low word, right in the high, 0 to 32768.
// (DWORD)-1 on error, BASS_ERROR_NOPLAY when the channel is not playing.
DWORD BASS_ChannelGetLevel(DWORD handle);
// (QWORD)-1 on error.
QWORD BASS_ChannelGetPosition(DWORD handle, DWORD mode = BASS_POS_BYTE);
// A music's position in bytes of its output (BASS_POS_BYTE), moved on to the next row start; that row
// starts anew, so its sync effects are heard.
BOOL BASS_ChannelSetPosition(DWORD handle, QWORD pos, DWORD mode);
HSYNC BASS_ChannelSetSync(DWORD handle, DWORD type, QWORD param, SYNCPROC* proc, void* user);
BOOL BASS_ChannelRemoveSync(DWORD handle, HSYNC sync);

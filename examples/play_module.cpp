// Plays a tracker module through the engine's music player and prints its sync values as they
// arrive; or, with --wav, renders it to a WAV file.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "audio/BassPlayer.h"
#include "platform_music.h"

int main(int argc, char** argv)
{
    if (argc < 2 || strcmp(argv[1], "--help") == 0) {
        printf("Usage: %s MODULE [SECONDS]\n       %s MODULE --wav OUT.wav [SECONDS]\n", argv[0], argv[0]);
        return argc < 2 ? 2 : 0;
    }
    if (argc >= 4 && strcmp(argv[2], "--wav") == 0) {
        const double seconds = argc >= 5 ? atof(argv[4]) : 600.0;
        if (!platform::RenderMusicToWav(argv[1], argv[3], seconds)) {
            fprintf(stderr, "cannot render %s to %s\n", argv[1], argv[3]);
            return 1;
        }
        return 0;
    }
    const double seconds = argc >= 3 ? atof(argv[2]) : 30.0;
    CBassPlayer player;
    player.Init(nullptr);
    player.Load(argv[1]);
    player.Play();
    int last = -1;
    for (DWORD start = timeGetTime(); timeGetTime() - start < seconds * 1000.0;) {
        const int effect = player.GetEffect();
        if (effect != last) {
            int order = 0, row = 0;
            player.GetPosition(order, row);
            printf("%6.2f s  order %d row %d  sync %d\n", (timeGetTime() - start) / 1000.0, order, row, effect);
            fflush(stdout);
            last = effect;
        }
        Sleep(5);
    }
    player.Stop();
    player.CleanUp();
    return 0;
}

// A video of a capture: its frames go to ffmpeg through a pipe as raw RGB and are encoded as H.264;
// at the end the capture's audio.wav is encoded as AAC and both are put into one MP4 file.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct SVideoSettings {
    std::string file;   // the MP4 file to write
    int width = 0;      // the capture's frame size
    int height = 0;
    double fps = 60;
    bool wide = false;  // 16:9: the picture centred between black bars
};

// The size of the encoded picture: the frame itself, or a 16:9 frame of the same height around it;
// sides are rounded up to even numbers, as H.264 in 4:2:0 needs.
void VideoFrameSize(const SVideoSettings& settings, int& width, int& height);

class CVideoEncoder {
public:
    ~CVideoEncoder();

    // True when an ffmpeg program is on PATH; otherwise false with what to do about it.
    static bool FindFfmpeg(std::string& error);

    // Starts ffmpeg reading the frames. False (with a reason) when it cannot be started.
    bool Start(const SVideoSettings& settings, std::string& error);
    // Hands one frame of width x height RGB rows to ffmpeg. False when ffmpeg stopped taking them.
    bool WriteFrame(const std::vector<unsigned char>& rgb, int width, int height);
    // Ends the picture stream, waits for ffmpeg and muxes the picture with the audio file.
    // False (with a reason) when either step fails; no half-made file is left.
    bool Finish(const std::string& wavPath, std::string& error);

private:
    bool StopPictureEncoder();

    SVideoSettings m_settings;
    std::string m_pictureFile;
    int m_pipe = -1;
    pid_t m_process = -1;
};

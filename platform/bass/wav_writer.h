// A 16-bit stereo PCM WAV file written as it goes; the sizes in its header follow every block written,
// so that the file is whole at any moment.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace bass_detail {

class WavWriter {
public:
    WavWriter() = default;
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    bool Open(const std::string& path, int rate);
    bool Write(const int16_t* frames, size_t count);
    bool Close();

private:
    FILE* file_ = nullptr;
    int rate_ = 0;
    uint32_t dataBytes_ = 0;
    bool failed_ = false;
};

}  // namespace bass_detail

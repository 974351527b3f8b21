#include "wav_writer.h"

#include <limits>
#include <vector>

namespace bass_detail {

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void Put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

std::vector<uint8_t> Header(int rate, uint32_t dataBytes)
{
    std::vector<uint8_t> h;
    const uint16_t channels = 2, bits = 16;
    h.insert(h.end(), {'R', 'I', 'F', 'F'});
    Put32(h, 36 + dataBytes);
    h.insert(h.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(h, 16);
    Put16(h, 1);  // PCM
    Put16(h, channels);
    Put32(h, static_cast<uint32_t>(rate));
    Put32(h, static_cast<uint32_t>(rate) * channels * bits / 8);
    Put16(h, channels * bits / 8);
    Put16(h, bits);
    h.insert(h.end(), {'d', 'a', 't', 'a'});
    Put32(h, dataBytes);
    return h;
}

}  // namespace

WavWriter::~WavWriter() { Close(); }

bool WavWriter::Open(const std::string& path, int rate)
{
    Close();
    file_ = fopen(path.c_str(), "wb");
    if (!file_)
        return false;
    rate_ = rate;
    dataBytes_ = 0;
    const std::vector<uint8_t> header = Header(rate, 0);
    failed_ = fwrite(header.data(), 1, header.size(), file_) != header.size();
    return !failed_;
}

bool WavWriter::Write(const int16_t* frames, size_t count)
{
    if (!file_ || failed_)
        return false;
    const size_t bytes = count * 2 * sizeof(int16_t);
    // A RIFF file cannot hold more than 4 GiB; stop writing rather than wrap the sizes.
    if (bytes > std::numeric_limits<uint32_t>::max() - 36 - dataBytes_) {
        failed_ = true;
        return false;
    }
    // Samples are stored little-endian, as this machine holds them.
    if (fwrite(frames, 1, bytes, file_) != bytes) {
        failed_ = true;
        return false;
    }
    dataBytes_ += static_cast<uint32_t>(bytes);
    // The header's sizes follow the data, and both reach the file now: a run ended by a signal (which
    // runs no Close) leaves a file that holds, and says it holds, everything written so far.
    const std::vector<uint8_t> header = Header(rate_, dataBytes_);
    failed_ = fseek(file_, 0, SEEK_SET) != 0 || fwrite(header.data(), 1, header.size(), file_) != header.size() ||
              fseek(file_, 0, SEEK_END) != 0 || fflush(file_) != 0;
    return !failed_;
}

bool WavWriter::Close()
{
    if (!file_)
        return false;
    // Rewrite the header with the final sizes (written after every block already; this is the last).
    bool ok = !failed_;
    const std::vector<uint8_t> header = Header(rate_, dataBytes_);
    ok = ok && fseek(file_, 0, SEEK_SET) == 0 && fwrite(header.data(), 1, header.size(), file_) == header.size();
    ok = fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok;
}

}  // namespace bass_detail

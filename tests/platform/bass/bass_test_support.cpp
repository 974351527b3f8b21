#include "bass_test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace basstest {

std::string TempPath(const std::string& leaf)
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/bass_tests_XXXXXX";
        const char* made = mkdtemp(pattern);
        return std::string(made ? made : "/tmp");
    }();
    return folder + "/" + leaf;
}

std::string WriteSong(const xmtest::Song& song, const std::string& leaf)
{
    const std::string path = TempPath(leaf);
    EXPECT_TRUE(xmtest::SaveFile(path, xmtest::WriteXm(song)));
    return path;
}

double ClockSeconds() { return static_cast<double>(platform::ClockTicks()) / platform::kClockFrequency; }

bool ReadWav(const std::string& path, Wav& wav)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    size_t count;
    while ((count = fread(buffer, 1, sizeof(buffer), file)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + count);
    fclose(file);
    auto u16 = [&](size_t at) { return static_cast<int>(bytes[at] | bytes[at + 1] << 8); };
    auto u32 = [&](size_t at) { return static_cast<uint32_t>(u16(at) | u16(at + 2) << 16); };
    if (bytes.size() < 44 || memcmp(bytes.data(), "RIFF", 4) != 0 || memcmp(&bytes[8], "WAVE", 4) != 0 ||
        memcmp(&bytes[36], "data", 4) != 0 || u32(4) != bytes.size() - 8 || u32(40) != bytes.size() - 44)
        return false;
    wav.channels = u16(22);
    wav.rate = static_cast<int>(u32(24));
    wav.bits = u16(34);
    wav.samples.resize((bytes.size() - 44) / 2);
    memcpy(wav.samples.data(), &bytes[44], wav.samples.size() * 2);
    return true;
}

void CALLBACK SyncRecorder::Record(HSYNC sync, DWORD channel, DWORD data, void* user)
{
    static_cast<SyncRecorder*>(user)->calls.push_back({sync, channel, data, ClockSeconds()});
}

std::vector<DWORD> SyncRecorder::Data() const
{
    std::vector<DWORD> data;
    for (const SyncCall& call : calls)
        data.push_back(call.data);
    return data;
}

void VirtualClockTest::SetUp()
{
    platform::UseVirtualClock(0);
    ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr, nullptr)) << BASS_ErrorGetCode();
    startSeconds = ClockSeconds();
}

void VirtualClockTest::TearDown()
{
    BASS_Free();
    platform::UseSystemClock();
}

void VirtualClockTest::Advance(double total, double step)
{
    for (double done = 0; done < total - 1e-9; done += step)
        platform::AdvanceVirtualClock(step);
}

HMUSIC VirtualClockTest::LoadSyncSong(DWORD flags)
{
    const std::string path = WriteSong(xmtest::SyncTestSong(), "sync.xm");
    const HMUSIC music = BASS_MusicLoad(FALSE, path.c_str(), 0, 0, flags, 0);
    EXPECT_NE(music, 0u) << BASS_ErrorGetCode();
    return music;
}

}  // namespace basstest

#include "xm_writer.h"

#include <cstdio>
#include <cstring>

namespace xmtest {

namespace {

class ByteWriter {
public:
    void U8(uint8_t v) { bytes.push_back(v); }
    void U16(uint16_t v)
    {
        U8(v & 0xFF);
        U8(v >> 8);
    }
    void U32(uint32_t v)
    {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Text(const std::string& text, size_t width)
    {
        for (size_t i = 0; i < width; ++i)
            U8(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
    }
    void Zeros(size_t count) { bytes.insert(bytes.end(), count, 0); }

    std::vector<uint8_t> bytes;
};

constexpr uint16_t kHeaderSize = 276;      // from the header size field to the end of the order table
constexpr uint32_t kInstrumentSize = 263;  // instrument header with its sample map and envelopes
constexpr uint32_t kSampleHeaderSize = 40;
constexpr int kSampleLength = 32;          // one period of the square wave

void WriteHeader(ByteWriter& out, const Song& song)
{
    out.Text("Extended Module: ", 17);
    out.Text(song.name, 20);
    out.U8(0x1A);
    out.Text("xm_writer", 20);
    out.U16(0x0104);
    out.U32(kHeaderSize);
    out.U16(static_cast<uint16_t>(song.orders.size()));
    out.U16(static_cast<uint16_t>(song.restart));
    out.U16(static_cast<uint16_t>(song.channels));
    out.U16(static_cast<uint16_t>(song.patterns.size()));
    out.U16(song.withInstrument ? 1 : 0);
    out.U16(1);  // linear frequency table
    out.U16(static_cast<uint16_t>(song.speed));
    out.U16(static_cast<uint16_t>(song.bpm));
    for (size_t i = 0; i < 256; ++i)
        out.U8(i < song.orders.size() ? song.orders[i] : 0);
}

// A cell in the packed form: a flag byte naming the fields that follow.
void PackCell(ByteWriter& out, const Cell& cell)
{
    uint8_t flags = 0x80;
    if (cell.note) flags |= 0x01;
    if (cell.instrument) flags |= 0x02;
    if (cell.volume) flags |= 0x04;
    if (cell.effect) flags |= 0x08;
    if (cell.param) flags |= 0x10;
    out.U8(flags);
    if (cell.note) out.U8(cell.note);
    if (cell.instrument) out.U8(cell.instrument);
    if (cell.volume) out.U8(cell.volume);
    if (cell.effect) out.U8(cell.effect);
    if (cell.param) out.U8(cell.param);
}

void WritePattern(ByteWriter& out, const Pattern& pattern)
{
    ByteWriter data;
    for (int row = 0; row < pattern.rows; ++row)
        for (int channel = 0; channel < pattern.channels; ++channel)
            PackCell(data, pattern.At(row, channel));
    out.U32(9);  // pattern header length
    out.U8(0);   // packing type
    out.U16(static_cast<uint16_t>(pattern.rows));
    out.U16(static_cast<uint16_t>(data.bytes.size()));
    out.bytes.insert(out.bytes.end(), data.bytes.begin(), data.bytes.end());
}

void WriteInstrument(ByteWriter& out, int8_t amplitude)
{
    out.U32(kInstrumentSize);
    out.Text("square", 22);
    out.U8(0);   // type
    out.U16(1);  // one sample
    out.U32(kSampleHeaderSize);
    out.Zeros(96);      // every note plays sample 0
    out.Zeros(48 + 48); // envelope points
    out.Zeros(2);       // no volume or panning envelope points
    out.Zeros(6);       // sustain and loop points
    out.Zeros(2);       // envelopes off
    out.Zeros(4);       // no vibrato
    out.U16(0);         // fadeout
    out.Zeros(kInstrumentSize - 241);  // reserved up to the stated size

    out.U32(kSampleLength);
    out.U32(0);              // loop start
    out.U32(kSampleLength);  // loop length
    out.U8(64);              // volume
    out.U8(0);               // finetune
    out.U8(1);               // forward loop, 8-bit
    out.U8(128);             // panning: centre
    out.U8(0);               // relative note
    out.U8(0);               // reserved
    out.Text("square", 22);

    // 8-bit sample data is stored as differences from the previous value.
    int8_t previous = 0;
    for (int i = 0; i < kSampleLength; ++i) {
        const int8_t value = i < kSampleLength / 2 ? amplitude : static_cast<int8_t>(-amplitude);
        out.U8(static_cast<uint8_t>(value - previous));
        previous = value;
    }
}

}  // namespace

Pattern::Pattern(int rowCount, int channelCount)
    : rows(rowCount), channels(channelCount), cells(static_cast<size_t>(rowCount * channelCount))
{
}

Cell& Pattern::At(int row, int channel) { return cells[static_cast<size_t>(row * channels + channel)]; }

const Cell& Pattern::At(int row, int channel) const
{
    return cells[static_cast<size_t>(row * channels + channel)];
}

std::vector<uint8_t> WriteXm(const Song& song)
{
    ByteWriter out;
    WriteHeader(out, song);
    for (const Pattern& pattern : song.patterns)
        WritePattern(out, pattern);
    if (song.withInstrument)
        WriteInstrument(out, song.sampleAmplitude);
    return out.bytes;
}

bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && written;
}

double RowTime(const Song& song, int rowsFromStart)
{
    return rowsFromStart * song.speed * 2.5 / song.bpm;
}

std::vector<ExpectedSync> SyncTestSongSyncs()
{
    return {
        {2, 0, 2, 0x05},   {4, 0, 4, 0x05},  {6, 0, 6, 3},     {8, 0, 8, 0},
        {11, 0, 11, 0x10}, {16, 1, 0, 0xFF}, {21, 1, 5, 12},   {25, 1, 9, 7},
    };
}

Song SyncTestSong()
{
    Song song;
    Pattern first(16, 2);
    Pattern second(16, 2);
    first.At(0, 0) = Cell{kNoteC4, 1, 0x50, 0, 0};
    for (const ExpectedSync& sync : SyncTestSongSyncs()) {
        Pattern& pattern = sync.order == 0 ? first : second;
        // Values 0 to 15 that come from E8x; the rest from W. Row 21 carries its E8x in channel 0.
        const bool extended = sync.value == 3 || sync.value == 12;
        const int channel = sync.songRow == 21 ? 0 : 1;
        Cell& cell = pattern.At(sync.row, channel);
        cell.effect = extended ? kEffectExtended : kEffectSync;
        cell.param = static_cast<uint8_t>(extended ? 0x80 | sync.value : sync.value);
    }
    song.patterns = {first, second};
    song.orders = {0, 1};
    return song;
}

}  // namespace xmtest

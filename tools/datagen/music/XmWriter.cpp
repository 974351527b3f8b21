#include "music/XmWriter.h"

#include <stdexcept>

namespace datagen {

namespace {

class ByteWriter {
public:
    void U8(uint8_t value) { bytes.push_back(value); }
    void U16(uint16_t value)
    {
        U8(static_cast<uint8_t>(value & 0xFF));
        U8(static_cast<uint8_t>(value >> 8));
    }
    void U32(uint32_t value)
    {
        U16(static_cast<uint16_t>(value & 0xFFFF));
        U16(static_cast<uint16_t>(value >> 16));
    }
    void Text(const std::string& text, size_t width)
    {
        for (size_t i = 0; i < width; ++i)
            U8(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
    }
    void Zeros(size_t count) { bytes.insert(bytes.end(), count, 0); }
    void Append(const std::vector<uint8_t>& more) { bytes.insert(bytes.end(), more.begin(), more.end()); }

    std::vector<uint8_t> bytes;
};

constexpr uint32_t kHeaderSize = 276;      // from the header size field to the end of the order table
constexpr uint32_t kInstrumentSize = 263;  // instrument header, sample map, envelopes, reserved bytes
constexpr uint32_t kSampleHeaderSize = 40;
constexpr size_t kMaxEnvelopePoints = 12;

void Require(bool condition, const char* message)
{
    if (!condition)
        throw std::invalid_argument(std::string("XM writer: ") + message);
}

void CheckSong(const XmSong& song)
{
    Require(!song.orders.empty() && song.orders.size() <= 256, "the order list needs 1 to 256 entries");
    Require(song.patterns.size() <= 256, "at most 256 patterns");
    Require(song.instruments.size() <= 128, "at most 128 instruments");
    Require(song.channels >= 1 && song.channels <= 32, "1 to 32 channels");
    Require(song.speed >= 1 && song.speed <= 31 && song.bpm >= 32 && song.bpm <= 255, "speed or BPM out of range");
    for (uint8_t order : song.orders)
        Require(order < song.patterns.size(), "an order names a missing pattern");
    for (const XmPattern& pattern : song.patterns)
        Require(pattern.rows >= 1 && pattern.rows <= 256 && pattern.channels == song.channels,
                "a pattern needs 1 to 256 rows and the song's channel count");
    for (const XmInstrument& instrument : song.instruments) {
        Require(instrument.loop == XmLoop::None || (instrument.loopLength > 0 &&
                instrument.loopStart + instrument.loopLength <= instrument.sample.size()),
                "a sample loop lies outside its sample");
        Require(instrument.volumeEnvelope.points.size() <= kMaxEnvelopePoints &&
                instrument.panningEnvelope.points.size() <= kMaxEnvelopePoints, "at most 12 envelope points");
    }
}

void WriteHeader(ByteWriter& out, const XmSong& song)
{
    out.Text("Extended Module: ", 17);
    out.Text(song.name, 20);
    out.U8(0x1A);
    out.Text("datagen", 20);
    out.U16(0x0104);
    out.U32(kHeaderSize);
    out.U16(static_cast<uint16_t>(song.orders.size()));
    out.U16(static_cast<uint16_t>(song.restart));
    out.U16(static_cast<uint16_t>(song.channels));
    out.U16(static_cast<uint16_t>(song.patterns.size()));
    out.U16(static_cast<uint16_t>(song.instruments.size()));
    out.U16(1);  // linear frequency table
    out.U16(static_cast<uint16_t>(song.speed));
    out.U16(static_cast<uint16_t>(song.bpm));
    for (size_t i = 0; i < 256; ++i)
        out.U8(i < song.orders.size() ? song.orders[i] : 0);
}

// A full cell is stored as its five bytes; any other as a flag byte naming the fields that follow.
void PackCell(ByteWriter& out, const XmCell& cell)
{
    if (cell.note && cell.instrument && cell.volume && cell.effect && cell.param) {
        for (uint8_t field : {cell.note, cell.instrument, cell.volume, cell.effect, cell.param})
            out.U8(field);
        return;
    }
    const uint8_t flags = static_cast<uint8_t>(0x80 | (cell.note ? 0x01 : 0) | (cell.instrument ? 0x02 : 0) |
                                               (cell.volume ? 0x04 : 0) | (cell.effect ? 0x08 : 0) |
                                               (cell.param ? 0x10 : 0));
    out.U8(flags);
    for (uint8_t field : {cell.note, cell.instrument, cell.volume, cell.effect, cell.param})
        if (field)
            out.U8(field);
}

void WritePattern(ByteWriter& out, const XmPattern& pattern)
{
    ByteWriter data;
    for (int row = 0; row < pattern.rows; ++row)
        for (int channel = 0; channel < pattern.channels; ++channel)
            PackCell(data, pattern.At(row, channel));
    Require(data.bytes.size() <= 0xFFFF, "a packed pattern exceeds 64 KiB");
    out.U32(9);  // pattern header length
    out.U8(0);   // packing type
    out.U16(static_cast<uint16_t>(pattern.rows));
    out.U16(static_cast<uint16_t>(data.bytes.size()));
    out.Append(data.bytes);
}

void WriteEnvelopePoints(ByteWriter& out, const XmEnvelope& envelope)
{
    for (size_t i = 0; i < kMaxEnvelopePoints; ++i) {
        const bool used = i < envelope.points.size();
        out.U16(used ? envelope.points[i].tick : 0);
        out.U16(used ? envelope.points[i].value : 0);
    }
}

uint8_t EnvelopeFlags(const XmEnvelope& envelope)
{
    if (envelope.points.empty())
        return 0;
    return static_cast<uint8_t>(1 | (envelope.sustainPoint >= 0 ? 2 : 0));
}

void WriteSampleHeader(ByteWriter& out, const XmInstrument& instrument)
{
    const bool looped = instrument.loop != XmLoop::None;
    out.U32(static_cast<uint32_t>(instrument.sample.size() * 2));  // lengths count bytes
    out.U32(looped ? instrument.loopStart * 2 : 0);
    out.U32(looped ? instrument.loopLength * 2 : 0);
    out.U8(instrument.volume);
    out.U8(static_cast<uint8_t>(instrument.finetune));
    out.U8(static_cast<uint8_t>(static_cast<uint8_t>(instrument.loop) | 0x10));  // 16-bit
    out.U8(instrument.panning);
    out.U8(static_cast<uint8_t>(instrument.relativeNote));
    out.U8(0);
    out.Text(instrument.name, 22);
}

// 16-bit sample data is stored as differences from the previous value, wrapping like the player does.
void WriteSampleData(ByteWriter& out, const std::vector<int16_t>& sample)
{
    int16_t previous = 0;
    for (int16_t value : sample) {
        out.U16(static_cast<uint16_t>(static_cast<uint16_t>(value) - static_cast<uint16_t>(previous)));
        previous = value;
    }
}

void WriteInstrument(ByteWriter& out, const XmInstrument& instrument)
{
    const bool hasSample = !instrument.sample.empty();
    out.U32(kInstrumentSize);
    out.Text(instrument.name, 22);
    out.U8(0);
    out.U16(hasSample ? 1 : 0);
    out.U32(kSampleHeaderSize);
    out.Zeros(96);  // every note plays sample 0
    WriteEnvelopePoints(out, instrument.volumeEnvelope);
    WriteEnvelopePoints(out, instrument.panningEnvelope);
    out.U8(static_cast<uint8_t>(instrument.volumeEnvelope.points.size()));
    out.U8(static_cast<uint8_t>(instrument.panningEnvelope.points.size()));
    for (const XmEnvelope* envelope : {&instrument.volumeEnvelope, &instrument.panningEnvelope}) {
        out.U8(static_cast<uint8_t>(envelope->sustainPoint >= 0 ? envelope->sustainPoint : 0));
        out.U8(0);  // loop start point
        out.U8(0);  // loop end point
    }
    out.U8(EnvelopeFlags(instrument.volumeEnvelope));
    out.U8(EnvelopeFlags(instrument.panningEnvelope));
    out.U8(0);  // vibrato waveform: sine
    out.U8(instrument.vibratoSweep);
    out.U8(instrument.vibratoDepth);
    out.U8(instrument.vibratoRate);
    out.U16(instrument.fadeout);
    out.Zeros(kInstrumentSize - 241);  // reserved up to the stated size
    if (!hasSample)
        return;
    WriteSampleHeader(out, instrument);
    WriteSampleData(out, instrument.sample);
}

}  // namespace

XmPattern::XmPattern(int rowCount, int channelCount)
    : rows(rowCount), channels(channelCount), cells(static_cast<size_t>(rowCount * channelCount))
{
}

XmCell& XmPattern::At(int row, int channel)
{
    if (row < 0 || row >= rows || channel < 0 || channel >= channels)
        throw std::out_of_range("XM pattern: cell outside the pattern");
    return cells[static_cast<size_t>(row * channels + channel)];
}

const XmCell& XmPattern::At(int row, int channel) const
{
    return const_cast<XmPattern*>(this)->At(row, channel);
}

std::vector<uint8_t> WriteXm(const XmSong& song)
{
    CheckSong(song);
    ByteWriter out;
    WriteHeader(out, song);
    for (const XmPattern& pattern : song.patterns)
        WritePattern(out, pattern);
    for (const XmInstrument& instrument : song.instruments)
        WriteInstrument(out, instrument);
    return out.bytes;
}

}  // namespace datagen

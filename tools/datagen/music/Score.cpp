#include "music/Score.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

namespace datagen {

namespace {

constexpr int kLongestPattern = 64;

std::vector<uint8_t> PatternKey(const XmPattern& pattern)
{
    std::vector<uint8_t> key;
    key.reserve(pattern.cells.size() * 5 + 1);
    key.push_back(static_cast<uint8_t>(pattern.rows));
    for (const XmCell& cell : pattern.cells)
        key.insert(key.end(), {cell.note, cell.instrument, cell.volume, cell.effect, cell.param});
    return key;
}

}  // namespace

int NoteNumber(const std::string& name)
{
    static const int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    const auto fail = [&name]() -> int { throw std::invalid_argument("not a pitch name: " + name); };
    if (name.size() < 2 || name.size() > 3)
        return fail();
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if (letter < 'A' || letter > 'G')
        return fail();
    int semitone = kSemitones[letter - 'A'];
    size_t at = 1;
    if (name[at] == '#' || name[at] == 'b')
        semitone += name[at++] == '#' ? 1 : -1;
    if (at + 1 != name.size() || name[at] < '0' || name[at] > '7')
        return fail();
    const int note = (name[at] - '0') * 12 + semitone + 1;
    if (note < 1 || note > 96)
        return fail();
    return note;
}

std::vector<std::string> BarTokens(const std::string& bar)
{
    std::istringstream in(bar);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;)
        tokens.push_back(token);
    if (tokens.size() != 16)
        throw std::invalid_argument("a bar needs 16 rows: " + bar);
    return tokens;
}

Score::Score(int channels) : m_channels(channels)
{
    if (channels < 1 || channels > 32)
        throw std::invalid_argument("a score needs 1 to 32 channels");
}

void Score::Extend(int rows) { m_rows.resize(m_rows.size() + static_cast<size_t>(rows * m_channels)); }

XmCell& Score::At(int row, int channel)
{
    if (row < 0 || row >= Rows() || channel < 0 || channel >= m_channels)
        throw std::out_of_range("score: cell outside the written rows");
    return m_rows[static_cast<size_t>(row * m_channels + channel)];
}

const XmCell& Score::At(int row, int channel) const { return const_cast<Score*>(this)->At(row, channel); }

void Score::Note(int row, int channel, int note, int instrument, int volume)
{
    XmCell& cell = At(row, channel);
    cell.note = static_cast<uint8_t>(note);
    cell.instrument = static_cast<uint8_t>(instrument);
    cell.volume = VolumeColumn(volume);
}

void Score::Release(int row, int channel)
{
    XmCell& cell = At(row, channel);
    cell.note = kNoteOff;
    cell.instrument = 0;
    cell.volume = 0;
}

void Score::Effect(int row, int channel, uint8_t effect, uint8_t param)
{
    XmCell& cell = At(row, channel);
    cell.effect = effect;
    cell.param = param;
}

void Score::CutInto(XmSong& song, const std::vector<int>& boundaries, int breakChannel) const
{
    std::map<std::vector<uint8_t>, uint8_t> stored;
    song.channels = m_channels;
    song.patterns.clear();
    song.orders.clear();
    for (int start = 0; start < Rows();) {
        int end = std::min(Rows(), start + kLongestPattern);
        for (int boundary : boundaries)
            if (boundary > start && boundary < end)
                end = boundary;
        XmPattern pattern(kLongestPattern, m_channels);
        for (int row = start; row < end; ++row)
            for (int channel = 0; channel < m_channels; ++channel)
                pattern.At(row - start, channel) = At(row, channel);
        if (end - start < kLongestPattern) {
            XmCell& last = pattern.At(end - start - 1, breakChannel);
            if (last.HasEffect())
                throw std::logic_error("score: no room for a pattern break at row " + std::to_string(end - 1));
            last.effect = kPatternBreak;
            last.param = 0;
        }
        const auto key = PatternKey(pattern);
        auto found = stored.find(key);
        if (found == stored.end()) {
            if (song.patterns.size() >= 256)
                throw std::length_error("score: more than 256 distinct patterns");
            found = stored.emplace(key, static_cast<uint8_t>(song.patterns.size())).first;
            song.patterns.push_back(std::move(pattern));
        }
        song.orders.push_back(found->second);
        start = end;
    }
}

}  // namespace datagen

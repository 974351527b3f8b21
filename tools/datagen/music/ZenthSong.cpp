// "thezenth.XM": one piece in A minor at 125 BPM whose passages follow the demo's parts, from a calm
// pad opening through the build of part 3, driving grooves for the sausage, the fire and the tunnel,
// the bright greetings, the zoom's slow swell, to the credits and a last chord.
#include "music/Arrangement.h"
#include "music/Instruments.h"
#include "music/Songs.h"

namespace datagen {

namespace {

using Chords = std::vector<std::string>;
const Chords kTheme = {"Am", "F", "C", "G"};
const Chords kDrive = {"Am", "G", "F", "E"};
const Chords kBright = {"C", "G", "Am", "F"};
const Chords kTurn = {"F", "G", "Em", "Am"};
const Chords kDrift = {"Fmaj7", "Em7", "Dm7", "Am"};

// The main theme, over kTheme: a falling call and its rising answer.
const std::vector<MelodyBar> kThemeMelody = {
    "E5 . . . D5 . C5 . B4 . C5 . A4 . . .", "A4 . . . C5 . . . F5 . . . E5 . D5 .",
    "E5 . . . G5 . . . E5 . D5 . C5 . . .", "D5 . . . B4 . . . G4 . . . - . . .",
    "E5 . . . D5 . C5 . B4 . C5 . E5 . . .", "F5 . . . E5 . D5 . C5 . . . A4 . C5 .",
    "G5 . . . . . E5 . C5 . E5 . G5 . . .", "B5 . . . . . A5 . E5/ . . . . . - .",
};
// The driving riff, over kDrive, ending on the dominant's arpeggio.
const std::vector<MelodyBar> kDriveMelody = {
    "A5 . A5 . G5 . E5 . . . A4 . C5 . E5 .", "D5 . . . B4 . G4 . . . D5 . G5 . F5 .",
    "E5 . . . C5 . A4 . . . F5 . E5 . C5 .", "B4 . . . G#4 . . . E5 . . . G#5 . B5 .",
};
// The bright tune of the greetings, over kBright.
const std::vector<MelodyBar> kBrightMelody = {
    "G5 . E5 . C5 . E5 . G5 . . . C6 . . .", "B5 . . . G5 . D5 . B4 . D5 . G5 . . .",
    "A5 . . . E5 . C5 . E5 . A5 . B5 . C6 .", "A5 . . . . . F5 . . . C5 . . . - .",
};
// A counter line over kTurn.
const std::vector<MelodyBar> kTurnMelody = {
    "C5 . . . A4 . . . C5 . D5 . . . F5 .", "D5 . . . B4 . . . G4 . . . B4 . D5 .",
    "E5 . . . . . G5 . . . E5 . B4 . . .", "A4 . . . . . . . C5 . B4 . A4 . . .",
};

Passage Quiet(int rows, const Chords& chords, int rowsPerChord)
{
    Passage passage;
    passage.rows = rows;
    passage.chords = chords;
    passage.rowsPerChord = rowsPerChord;
    passage.padVolume = 30;
    return passage;
}

Passage Band(int rows, const Chords& chords, Groove groove, BassLine bass, Arp arp)
{
    Passage passage = Quiet(rows, chords, 16);
    passage.groove = groove;
    passage.bass = bass;
    passage.arp = arp;
    passage.padVolume = 18;
    return passage;
}

Passage With(Passage passage, const std::vector<MelodyBar>& melody)
{
    passage.melody = melody;
    return passage;
}

Passage Marked(Passage passage, std::vector<std::pair<int, int>> syncs, bool crash = false, bool fill = false)
{
    passage.syncs = std::move(syncs);
    passage.crash = crash;
    passage.fill = fill;
    return passage;
}

Passage Rising(Passage passage)
{
    passage.riser = true;
    return passage;
}

Passage Beating(Passage passage, int every)
{
    passage.beatEvery = every;
    return passage;
}

// Parts 1 to 3: title, fly-in, and the build whose steps (21, 22, 19, 20) bring in the trails,
// the orbit and the fade.
void OpeningParts(std::vector<Passage>& song)
{
    song.push_back(Marked(Quiet(64, kTheme, 32), {{0, 1}}));
    Passage dawn = Quiet(64, kTheme, 32);
    dawn.arp = Arp::Quarters;
    dawn.arpVolume = 18;
    song.push_back(dawn);
    Passage flight = Band(64, kTheme, Groove::Hats, BassLine::Held, Arp::Eighths);
    flight.rowsPerChord = 32;
    flight.padVolume = 28;
    song.push_back(Marked(flight, {{0, 2}}));
    flight.groove = Groove::Half;
    song.push_back(Rising(Marked(flight, {}, false, true)));
    song.push_back(Marked(Band(32, kTheme, Groove::Half, BassLine::Held, Arp::Sixteenths), {{0, 3}}, true));
    song.push_back(Marked(Band(32, kTheme, Groove::Pulse, BassLine::Held, Arp::Sixteenths), {{0, 21}}));
    song.push_back(Rising(Marked(Band(32, kTheme, Groove::Four, BassLine::Eighths, Arp::Sixteenths), {{0, 22}})));
    song.push_back(Marked(With(Band(128, kTheme, Groove::Drive, BassLine::Drive, Arp::Sixteenths), kThemeMelody),
                          {{0, 19}}, true));
    song.push_back(Marked(Band(16, kTheme, Groove::Drive, BassLine::Drive, Arp::Sixteenths), {}, false, true));
    Passage fade = Quiet(48, kTheme, 16);
    fade.arp = Arp::Sixteenths;
    fade.groove = Groove::Hats;
    song.push_back(Marked(fade, {{0, 20}}, true, true));
}

// Parts 4 to 8: the first morphs, the sausage (beats, then 19, 20, 18) and the fire (17 near the end).
void MiddleParts(std::vector<Passage>& song)
{
    song.push_back(Rising(Marked(
        With(Band(128, kTheme, Groove::Break, BassLine::Syncopated, Arp::Eighths), kThemeMelody), {{0, 4}}, true, true)));
    const Passage drive = Band(64, kDrive, Groove::Drive, BassLine::Drive, Arp::Sixteenths);
    Passage sausage = With(drive, kDriveMelody);
    sausage.rows = 128;
    song.push_back(Beating(Marked(sausage, {{0, 5}, {100, 19}}, true), 8));
    Passage chip = drive;
    chip.arp = Arp::Chip;
    song.push_back(Beating(Marked(chip, {{36, 20}}), 8));
    song.push_back(Beating(Marked(With(drive, kDriveMelody), {{20, 18}}, false, true), 8));
    song.push_back(Marked(With(Band(128, kTurn, Groove::Four, BassLine::Syncopated, Arp::Quarters), kTurnMelody),
                          {{0, 6}}, true, true));
    chip.rows = 128;
    song.push_back(Marked(chip, {{0, 7}}, true));
    Passage fire = With(drive, kDriveMelody);
    fire.rows = 96;
    song.push_back(fire);
    song.push_back(Marked(Band(32, kDrive, Groove::HalfTime, BassLine::Held, Arp::Quarters), {{0, 17}}, true, true));
    Passage rest = Band(128, kTheme, Groove::Hats, BassLine::Held, Arp::Sixteenths);
    rest.padVolume = 30;
    song.push_back(Rising(Marked(rest, {{0, 8}}, false, true)));
}

// Parts 9 to 12: the tunnel (18, 19, 20), a morph, the greetings (19 to 22) and another morph.
void TunnelAndGreetings(std::vector<Passage>& song)
{
    const Passage tunnel = Band(64, kDrive, Groove::Drive, BassLine::Drive, Arp::Chip);
    song.push_back(Marked(tunnel, {{0, 9}}, true));
    song.push_back(Marked(With(tunnel, kDriveMelody), {{0, 18}}, true));
    song.push_back(Rising(Marked(Band(64, kDrive, Groove::HalfTime, BassLine::Held, Arp::Sixteenths), {{0, 19}}, true)));
    song.push_back(Marked(With(tunnel, kDriveMelody), {{0, 20}}, true, true));
    song.push_back(Marked(With(Band(128, kTheme, Groove::Break, BassLine::Syncopated, Arp::Eighths), kThemeMelody),
                          {{0, 10}}, true, true));
    song.push_back(Marked(Band(64, kBright, Groove::Hats, BassLine::Held, Arp::Quarters), {{0, 11}, {16, 19}}));
    song.push_back(Marked(With(Band(128, kBright, Groove::Four, BassLine::Eighths, Arp::Eighths), kBrightMelody),
                          {{16, 20}}, true));
    song.push_back(Marked(With(Band(64, kBright, Groove::Four, BassLine::Eighths, Arp::Sixteenths), kBrightMelody),
                          {{16, 21}}));
    song.push_back(Marked(Band(32, kBright, Groove::HalfTime, BassLine::Held, Arp::Quarters), {{0, 22}}, false, true));
    song.push_back(Marked(With(Band(128, kTurn, Groove::Break, BassLine::Syncopated, Arp::Eighths), kTurnMelody),
                          {{0, 12}}, true, true));
}

// Parts 13 to 15: the zoom (21 once the still has faded), the last morph and the credits with their
// beats, ending on one held chord.
void ClosingParts(std::vector<Passage>& song)
{
    song.push_back(Marked(Quiet(64, kDrift, 32), {{0, 13}, {40, 21}}));
    Passage swell = Band(96, kDrift, Groove::Hats, BassLine::Held, Arp::Sixteenths);
    swell.rowsPerChord = 32;
    swell.padVolume = 28;
    song.push_back(Rising(swell));
    song.push_back(Marked(With(Band(128, kTheme, Groove::Four, BassLine::Eighths, Arp::Eighths), kThemeMelody), {},
                          true, true));
    song.push_back(Marked(With(Band(128, kTheme, Groove::Drive, BassLine::Drive, Arp::Sixteenths), kThemeMelody),
                          {{0, 14}}, true));
    song.push_back(Marked(Band(32, kTheme, Groove::Drive, BassLine::Drive, Arp::Chip), {}, false, true));
    song.push_back(Beating(Marked(With(Band(128, kBright, Groove::Four, BassLine::Eighths, Arp::Eighths),
                                       kBrightMelody), {{0, 15}}, true), 16));
    song.push_back(Beating(Band(48, {"F", "G", "Am"}, Groove::Half, BassLine::Held, Arp::Quarters), 16));
    Passage last = Band(16, {"Am"}, Groove::None, BassLine::Held, Arp::None);
    last.release = true;
    last.padVolume = 30;
    song.push_back(Beating(Marked(last, {}, true), 16));
}

std::vector<XmInstrument> Instruments()
{
    return {Kick(),
            Snare(),
            ClosedHat(),
            OpenHat(),
            Crash(),
            Bass(),
            Pad("pad left", 64, 101),
            Pad("pad centre", 128, 202),
            Pad("pad right", 192, 303),
            Lead("lead", 112, 64),
            Lead("lead echo", 200, 64),
            Pluck("pluck", 70),
            ChipPulse("chip", 0.25, 96),
            Riser(),
            Pluck("pluck echo", 196)};
}

}  // namespace

XmSong ThezenthSong()
{
    std::vector<Passage> passages;
    OpeningParts(passages);
    MiddleParts(passages);
    TunnelAndGreetings(passages);
    ClosingParts(passages);

    int rows = 0;
    for (const Passage& passage : passages)
        rows += passage.rows;
    Score score(band::kChannels);
    score.Extend(rows);
    std::vector<int> boundaries;
    int start = 0;
    for (const Passage& passage : passages) {
        WritePassage(score, start, passage);
        start += passage.rows;
        boundaries.push_back(start);
    }
    XmSong song;
    song.name = "the zenth";
    song.speed = 6;
    song.bpm = 125;
    score.CutInto(song, boundaries, band::kPercChannel);
    song.instruments = Instruments();
    return song;
}

}  // namespace datagen

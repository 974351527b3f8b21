// The synthesized instruments of both modules. Each comes tuned (the note C-4 plays middle C, or the
// drum as recorded), looped where it sustains and faded where it starts or ends.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "music/XmWriter.h"

namespace datagen {

// A volume or panning envelope; sustainPoint -1 for none.
XmEnvelope MakeEnvelope(std::initializer_list<XmEnvelopePoint> points, int sustainPoint = -1);

// Drums (DrumKit.cpp). Played at C-4 they sound as designed; the kick played higher is a tom.
XmInstrument Kick();
XmInstrument Snare();
XmInstrument ClosedHat();
XmInstrument OpenHat();
XmInstrument Crash();
XmInstrument Riser();  // noise sweeping upwards and swelling for one bar, into a drop

// Tonal voices (TonalVoices.cpp).
XmInstrument Bass();
XmInstrument Pad(const char* name, uint8_t panning, uint32_t seed);  // slow detuned strings
XmInstrument Lead(const char* name, uint8_t panning, uint8_t volume);
XmInstrument Pluck(const char* name, uint8_t panning);  // bright decaying arpeggio voice

// Chip voices (ChipVoices.cpp): raw waves, as an 8-bit console would make them.
XmInstrument ChipPulse(const char* name, double duty, uint8_t panning);
XmInstrument ChipTriangle();
XmInstrument ChipNoise();

}  // namespace datagen

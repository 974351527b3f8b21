// The demo's two modules.
#pragma once

#include "music/XmWriter.h"

namespace datagen {

// "thezenth.XM": the demo's soundtrack, whose sync values start the fifteen parts and pulse inside them.
XmSong ThezenthSong();
// "chipmod.XM": the hidden part's chiptune; it plays once.
XmSong ChipmodSong();

}  // namespace datagen

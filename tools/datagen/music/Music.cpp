// The music family: both modules of the Data folder.
#include "core/DataFolder.h"
#include "music/Songs.h"

namespace datagen {

void WriteMusic(DataFolder& folder)
{
    folder.WriteFile("thezenth.XM", WriteXm(ThezenthSong()));
    folder.WriteFile("chipmod.XM", WriteXm(ChipmodSong()));
}

}  // namespace datagen

// The two sets of pictures that make up the picture family.
#pragma once

#include "core/DataFolder.h"

namespace datagen {

// Parts 1 to 8: title, banner, trails, plasma, sausage backdrop, smoke, fire, name plates.
void WriteOpeningPictures(DataFolder& folder);
// Parts 9 to 15 and the hidden part: tunnel, greetings, zoom layers, credits, flash.
void WriteClosingPictures(DataFolder& folder);

}  // namespace datagen

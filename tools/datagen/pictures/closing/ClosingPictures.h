// The pictures of parts 9 to 15 and of the hidden part, one writer per picture or small group.
#pragma once

#include "core/DataFolder.h"

namespace datagen::closing {

void WriteTunnelPictures(DataFolder& folder);     // cubederavelle.png, skycube.png, fond_cube.png
void WriteSparkSprites(DataFolder& folder);       // particle-1.jpg, part.png
void WriteGreetingsOverlays(DataFolder& folder);  // layer_scroll.png, haut_vert.png
void WriteZoomPictures(DataFolder& folder);       // rendu7.jpg, rendu7a.jpg to rendu7d.jpg
void WriteReticle(DataFolder& folder);            // reticule.png
void WriteCreditsPictures(DataFolder& folder);    // poussiere.png, theZenth.png
void WriteFlashPicture(DataFolder& folder);       // savoirvivre.png

}  // namespace datagen::closing

// The pictures of the opening parts, one drawing function per picture or small group, each giving the
// picture as the part shows it. WriteOpeningPictures writes them under the names the demo loads.
#pragma once

#include "core/Image.h"

namespace datagen::opening {

// The loading screen and title backdrop (opaque, stretched over the 4:3 screen).
Image DrawLoadingScreen();
// The logo "the Zenth", shown across the top quarter of the screen, transparent around the letters.
Image DrawTitleLogo();
// The face of the trail and beat boxes: a bright frame round translucent vertical stripes.
Image DrawVerticleFace();
// A copper bar: a rounded metal profile across its height, the colour cycle along its length.
Image DrawCopperBar();
// The 16:9 letterbox mask for a plane 1.3 screens high: opaque bands, a transparent middle.
Image DrawLetterboxMask();
// The two plasma layers: a dense opaque plasma and a translucent one of glowing veins.
Image DrawPlasmaBase();
Image DrawPlasmaVeins();
// The "Talvik presents" banner, six screens wide and an eighth of a screen high.
Image DrawPresentsBanner();
// The sausage part's backdrop (opaque) and the frame layer laid over the whole part.
Image DrawDeformBackdrop();
Image DrawDeformLayer();
// The soft smoke puff of the sausage part's particles.
Image DrawSmokePuff();
// The first picture of the fire texture (256 x 256), and the bars laid over the fire part.
Image DrawFireStart();
Image DrawFireBars();
// A name plate: a framed translucent panel with one word. Role plates ("code", "msx", "gfx") take an
// icy glow, the members' names a warm one.
enum class PlateKind { Role, Member };
Image DrawNamePlate(const char* word, PlateKind kind);

}  // namespace datagen::opening

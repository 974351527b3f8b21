// The pictures of the opening parts (title, banner, trails, plasma, sausage, smoke, fire, name plates),
// written under the names the demo loads.
#include "core/DataFolder.h"
#include "pictures/PictureSets.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen {

void WriteOpeningPictures(DataFolder& folder)
{
    using namespace opening;
    folder.WritePicture("loading.png", DrawLoadingScreen());
    folder.WritePicture("title.png", DrawTitleLogo());
    folder.WritePicture("verticle.png", DrawVerticleFace());
    folder.WritePicture("coperbar.png", DrawCopperBar());
    folder.WritePicture("16-9.png", DrawLetterboxMask());
    folder.WritePicture("plasma1.png", DrawPlasmaBase());
    folder.WritePicture("plasma2.png", DrawPlasmaVeins());
    folder.WritePicture("tvk_pr_cube.png", DrawPresentsBanner());
    folder.WritePicture("fond_deform.jpg", DrawDeformBackdrop());
    folder.WritePicture("layer_deform.png", DrawDeformLayer());
    folder.WritePicture("o2.png", DrawSmokePuff());
    folder.WritePicture("tex256.png", DrawFireStart());
    folder.WritePicture("barres.png", DrawFireBars());
    folder.WritePicture("code.png", DrawNamePlate("code", PlateKind::Role));
    folder.WritePicture("msx.png", DrawNamePlate("msx", PlateKind::Role));
    folder.WritePicture("gfx.png", DrawNamePlate("gfx", PlateKind::Role));
    folder.WritePicture("meron.png", DrawNamePlate("mEron", PlateKind::Member));
    folder.WritePicture("zud.png", DrawNamePlate("zUd", PlateKind::Member));
    folder.WritePicture("vorna.png", DrawNamePlate("voRna", PlateKind::Member));
}

}  // namespace datagen

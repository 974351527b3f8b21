#include "pictures/closing/ClosingPictures.h"

#include "pictures/PictureSets.h"

namespace datagen {

void WriteClosingPictures(DataFolder& folder)
{
    closing::WriteTunnelPictures(folder);
    closing::WriteSparkSprites(folder);
    closing::WriteGreetingsOverlays(folder);
    closing::WriteZoomPictures(folder);
    closing::WriteReticle(folder);
    closing::WriteCreditsPictures(folder);
    closing::WriteFlashPicture(folder);
}

}  // namespace datagen

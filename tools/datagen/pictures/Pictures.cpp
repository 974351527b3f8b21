#include "core/DataFolder.h"
#include "pictures/PictureSets.h"

namespace datagen {

void WritePictures(DataFolder& folder)
{
    WriteOpeningPictures(folder);
    WriteClosingPictures(folder);
}

}  // namespace datagen

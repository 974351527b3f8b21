// datagen: writes the demo's Data folder, or shows what it holds.
//   datagen DIR              writes DIR/Data with every picture, model, glyph table and module
//   datagen --sheet FILE.png draws every picture with its name on one contact sheet
//   datagen --timeline       prints the sync timeline of the demo's first module
#include <cstring>
#include <exception>
#include <iostream>

#include "core/DataFolder.h"
#include "music/Timeline.h"
#include "pictures/ContactSheet.h"

namespace {

void WriteEverything(datagen::DataFolder& folder)
{
    datagen::WritePictures(folder);
    datagen::WriteFont(folder);
    datagen::WriteModels(folder);
    datagen::WriteMusic(folder);
}

int Usage()
{
    std::cerr << "usage: datagen DIR | --sheet FILE.png | --timeline\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3)
        return Usage();
    try {
        if (std::strcmp(argv[1], "--timeline") == 0 && argc == 2) {
            datagen::PrintTimeline(std::cout);
            return 0;
        }
        if (std::strcmp(argv[1], "--sheet") == 0 && argc == 3) {
            datagen::DataFolder folder{""};
            // Every family that draws pictures: the models bring their textures.
            datagen::WritePictures(folder);
            datagen::WriteFont(folder);
            datagen::WriteModels(folder);
            datagen::SaveContactSheet(folder, argv[2]);
            return 0;
        }
        if (argc != 2 || argv[1][0] == '-')
            return Usage();
        datagen::DataFolder folder{argv[1]};
        WriteEverything(folder);
        std::cout << "datagen: " << folder.Files().size() << " files in " << folder.DataPath().string() << "\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "datagen: " << error.what() << "\n";
        return 1;
    }
}

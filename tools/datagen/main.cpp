// datagen: writes the demo's Data folder, or shows what it holds (see --help).
#include <exception>
#include <iostream>

#include "DatagenOptions.h"
#include "core/DataFolder.h"
#include "music/Timeline.h"
#include "pictures/ContactSheet.h"

namespace {

// Every family that draws pictures: the models bring their textures.
void DrawEverything(datagen::DataFolder& folder)
{
    datagen::WritePictures(folder);
    datagen::WriteFont(folder);
    datagen::WriteModels(folder);
}

}  // namespace

int main(int argc, char** argv)
{
    datagen::Options options;
    const std::string error = datagen::ParseOptions(argc, argv, options);
    if (options.help) {
        std::cout << datagen::Usage();
        return 0;
    }
    if (!error.empty()) {
        std::cerr << "datagen: " << error << "\nUsage: datagen DIR | --sheet FILE.png | --timeline (--help for more)\n";
        return 2;
    }
    try {
        if (options.timeline) {
            datagen::PrintTimeline(std::cout);
            return 0;
        }
        if (!options.sheet.empty()) {
            datagen::DataFolder folder{""};
            DrawEverything(folder);
            datagen::SaveContactSheet(folder, options.sheet);
            return 0;
        }
        datagen::DataFolder folder{options.folder};
        DrawEverything(folder);
        datagen::WriteMusic(folder);
        std::cout << "datagen: " << folder.Files().size() << " files in " << folder.DataPath().string() << "\n";
        return 0;
    } catch (const std::exception& failure) {
        std::cerr << "datagen: " << failure.what() << "\n";
        return 1;
    }
}

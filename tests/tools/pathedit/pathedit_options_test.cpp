// The path editor's command line: defaults, every option in the help, and refusals that name the
// option at fault.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PathEditOptions.h"

namespace {

SPathEditOptions Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "pathedit");
    return ParsePathEditOptions(static_cast<int>(args.size()), args.data());
}

TEST(PathEditOptions, DefaultsAndEveryOptionTaken)
{
    const SPathEditOptions plain = Parse({"path.txt"});
    EXPECT_EQ(plain.error, "");
    EXPECT_EQ(plain.pathFile, "path.txt");
    EXPECT_EQ(plain.model, "");
    EXPECT_EQ(plain.width, 1024);
    EXPECT_EQ(plain.height, 768);
    EXPECT_FALSE(plain.windowed);
    EXPECT_FALSE(plain.showTrajectory);
    EXPECT_EQ(plain.frames, -1);
    EXPECT_EQ(plain.modelSize, 4.0f);

    const SPathEditOptions full = Parse({"--model", "Data/Ship.X", "--resolution", "800x600", "--windowed",
                                         "--trajectory", "--frames", "12", "--screenshot", "out.png",
                                         "--model-size", "2.5", "cam.path"});
    EXPECT_EQ(full.error, "");
    EXPECT_EQ(full.pathFile, "cam.path");
    EXPECT_EQ(full.model, "Data/Ship.X");
    EXPECT_EQ(ModelKind(full.model), "x");
    EXPECT_EQ(full.width, 800);
    EXPECT_EQ(full.height, 600);
    EXPECT_TRUE(full.windowed);
    EXPECT_TRUE(full.showTrajectory);
    EXPECT_EQ(full.frames, 12);
    EXPECT_EQ(full.screenshot, "out.png");
    EXPECT_EQ(full.modelSize, 2.5f);
    EXPECT_EQ(ModelKind("a/b.lwo"), "lwo");
    EXPECT_EQ(ModelKind("B.3DS"), "3ds");
    EXPECT_EQ(ModelKind("b.obj"), "");
    EXPECT_TRUE(Parse({"--help"}).help);
}

TEST(PathEditOptions, HelpListsEveryOptionWithItsDefault)
{
    const std::string usage = PathEditUsage("pathedit");
    for (const char* option : {"FILE", "--model MODEL", "--model-size", "--resolution WxH", "--windowed",
                               "--trajectory", "--frames N", "--screenshot", "--help"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    for (const char* fallback : {"default: none", "default: 4", "default: 1024x768", "default: full screen",
                                 "default: hidden", "default: run until Escape"})
        EXPECT_NE(usage.find(fallback), std::string::npos) << fallback;
}

TEST(PathEditOptions, RefusalsNameTheOption)
{
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"p", "--resolution", "1024"}, "--resolution"},
        {{"p", "--resolution", "100x100"}, "--resolution"},
        {{"p", "--resolution", "800x600x"}, "--resolution"},
        {{"p", "--frames", "0"}, "--frames"},
        {{"p", "--frames", "ten"}, "--frames"},
        {{"p", "--frames", "3.5"}, "--frames"},
        {{"p", "--model", "ship.obj"}, "--model"},
        {{"p", "--model-size", "-2"}, "--model-size"},
        {{"p", "--model-size", "nan"}, "--model-size"},
        {{"p", "--frames", "2", "--screenshot", "shot.jpg"}, "--screenshot"},
        {{"p", "--screenshot", "shot.png"}, "--screenshot"},
        {{"p", "--fullscreen"}, "--fullscreen"},
        {{"p", "--model"}, "--model"},
        {{"p", "q"}, "'q'"},
        {{"--windowed"}, "FILE"},
    };
    for (const auto& [args, named] : cases) {
        const SPathEditOptions options = Parse(args);
        EXPECT_NE(options.error.find(named), std::string::npos) << named << ": '" << options.error << "'";
    }
}

}  // namespace

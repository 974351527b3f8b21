// The command line's one table: --help shows every option the parser takes with its default, every
// refusal names its option; and where the program finds Data: beside itself, in the installed
// share folder, in its build tree, in the working directory.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "DataFolder.h"
#include "LaunchOptions.h"
#include "demo_run.h"
#include "program_output.h"

namespace fs = std::filesystem;

namespace {

LaunchOptions Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "farreach");
    return ParseLaunchOptions(static_cast<int>(args.size()), args.data());
}

TEST(LaunchOptionTable, HelpListsEveryOptionTheParserTakesWithItsDefault)
{
    const std::string usage = RunForOutput(FARREACH_PROGRAM " --help").text;
    ASSERT_EQ(usage, LaunchUsage(FARREACH_PROGRAM));
    // The help's wrapped lines joined again.
    const std::string joined = std::regex_replace(usage, std::regex("\n {20,}"), " ");
    for (const auto& option : LaunchOptionTable()) {
        const std::string head = std::string("\n  ") + option.name + (option.value ? std::string(" ") + option.value : "");
        EXPECT_NE(usage.find(head), std::string::npos) << option.name;
        if (*option.defaultText) {
            EXPECT_NE(joined.find(std::string("(default: ") + option.defaultText + ")"), std::string::npos)
                << option.name;
        }
    }
    // The other way round: each option the help shows is one the parser takes.
    const std::regex shown("\n  (-[-a-z]+)( [^ \n]+)?");
    std::set<std::string> names;
    for (std::sregex_iterator it(usage.begin(), usage.end(), shown), end; it != end; ++it) {
        const std::string name = (*it)[1];
        names.insert(name);
        const std::string value = (*it)[2].matched ? "1" : "";
        const LaunchOptions parsed = value.empty() ? Parse({name.c_str()}) : Parse({name.c_str(), value.c_str()});
        EXPECT_EQ(parsed.error.find("unknown option"), std::string::npos) << name << ": " << parsed.error;
    }
    EXPECT_EQ(names.size(), LaunchOptionTable().size());
}

TEST(LaunchOptionTable, EveryRefusalNamesItsOption)
{
    const std::vector<std::pair<std::vector<const char*>, const char*>> refusals = {
        {{"--fps", "fast"}, "--fps"},
        {{"--resolution", "big"}, "--resolution"},
        {{"--resolution", "1280x1024"}, "--resolution"},
        {{"--capture", "d", "--resolution", "1280x720"}, "--resolution"},
        {{"--part", "0"}, "--part"},
        {{"--video-aspect", "5:4"}, "--video-aspect"},
        {{"--video-aspect", "16:9"}, "--video-aspect"},
        {{"--video", "v.mp4", "--bench"}, "--bench"},
        {{"--capture", "d", "--fps", "0"}, "--fps"},
        {{"--bench", "--fps", "30"}, "--fps"},
        {{"--to", "3"}, "--to"},
        {{"--data"}, "--data"},
        {{"-x"}, "-x"},
        {{"loose"}, "loose"},
    };
    for (const auto& [args, option] : refusals) {
        const std::string error = Parse(args).error;
        EXPECT_NE(error.find(option), std::string::npos) << option << ": '" << error << "'";
    }
}

TEST(LaunchOptionTable, VideoIsACaptureOfItsOwn)
{
    const LaunchOptions video = Parse({"--video", "demo.mp4", "--video-aspect", "16:9", "--fps", "25"});
    EXPECT_TRUE(video.error.empty()) << video.error;
    EXPECT_EQ(video.mode, RunMode::Capture);
    EXPECT_TRUE(video.captureDirectory.empty());
    EXPECT_TRUE(video.videoWide);
    EXPECT_FALSE(video.showDialog);
}

// A scratch tree: prefix/bin, prefix/share/farreach, build/demo, work.
class DataSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = TempName("data_search");
        fs::remove_all(root);
        for (const char* folder : {"prefix/bin", "prefix/share/farreach", "build/demo", "work"})
            fs::create_directories(root / folder);
        search.programFolder = (root / "prefix/bin").string();
        search.shareFromProgram = "../share/farreach";
        search.buildProgramFolder = (root / "build/demo").string();
        search.buildDataFolder = (root / "build").string();
        search.workingFolder = (root / "work").string();
    }
    void TearDown() override { fs::remove_all(root); }
    void GiveData(const char* folder) { fs::create_directories(root / folder / "Data"); }
    std::string Found() const { return FindDataFolder(search); }
    std::string At(const char* folder) const { return (root / folder).lexically_normal().string(); }

    fs::path root;
    SDataSearch search;
};

TEST_F(DataSearchTest, AnInstalledProgramTakesBesideItselfThenShareThenTheWorkingDirectory)
{
    EXPECT_EQ(Found(), "");
    GiveData("work");
    EXPECT_EQ(Found(), At("work"));
    GiveData("prefix/share/farreach");
    EXPECT_EQ(Found(), At("prefix/share/farreach"));
    GiveData("prefix/bin");
    EXPECT_EQ(Found(), At("prefix/bin"));
}

TEST_F(DataSearchTest, TheBuildTreesDataServesOnlyTheProgramTheBuildLinkedThere)
{
    GiveData("build");
    GiveData("work");
    EXPECT_EQ(Found(), At("work"));  // an installed copy does not reach back into the build
    search.programFolder = (root / "build/demo").string();
    EXPECT_EQ(Found(), At("build"));
}

TEST_F(DataSearchTest, DataOptionWinsAndOutputPathsStayWhereTheUserWas)
{
    GiveData("prefix/share/farreach");
    const fs::path before = fs::current_path();
    fs::current_path(root / "work");
    LaunchOptions options = Parse({"--capture", "frames", "--video", "../demo.mp4", "--data", "/"});
    AnchorOutputPaths(options);
    std::string error;
    EXPECT_TRUE(EnterDataDirectory(options, search, error)) << error;
    EXPECT_EQ(fs::current_path(), fs::path("/"));
    EXPECT_EQ(options.captureDirectory, At("work/frames"));
    EXPECT_EQ(options.videoFile, At("demo.mp4"));
    options.dataDirectory.clear();
    EXPECT_TRUE(EnterDataDirectory(options, search, error)) << error;
    EXPECT_EQ(fs::current_path(), fs::path(At("prefix/share/farreach")));
    fs::current_path(before);
}

// The real program's search: the build it was linked in holds the Data that datagen wrote.
TEST(DataSearch, TheBuildsProgramFindsTheBuildsData)
{
    SDataSearch search = ThisProgramsDataSearch();
    EXPECT_EQ(search.shareFromProgram, "../share/farreach");
    search.programFolder = fs::path(FARREACH_PROGRAM).parent_path().string();
    search.workingFolder.clear();
    EXPECT_TRUE(fs::equivalent(FindDataFolder(search), FARREACH_BUILD_DIR));
}

}  // namespace

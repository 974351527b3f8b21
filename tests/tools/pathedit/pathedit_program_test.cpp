// The pathedit program as a user runs it: its exit codes and messages, and a path file it cannot
// read left as it was.
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "pathedit_test_folder.h"

namespace {

struct SRun {
    int exitCode = -1;
    std::string output;  // standard output and standard error together
};

SRun RunProgram(const std::string& arguments, const std::string& directory)
{
    const std::string command = "cd '" + directory + "' && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy '" +
                                PATHEDIT_PROGRAM + "' " + arguments + " 2>&1";
    SRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    size_t read = 0;
    while ((read = fread(buffer, 1, sizeof(buffer), pipe)) > 0)
        run.output.append(buffer, read);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

using PathEditProgram = PathEditFolderTest;

TEST_F(PathEditProgram, BadOptionsExitWith2AndNameTheOption)
{
    for (const char* option : {"--frames", "--resolution", "--bogus"}) {
        const SRun run = RunProgram(std::string("path.txt ") + option + " 0", m_dir);
        EXPECT_EQ(run.exitCode, 2) << option;
        EXPECT_NE(run.output.find(option), std::string::npos) << run.output;
        EXPECT_NE(run.output.find("Usage:"), std::string::npos);
    }
    const SRun noFile = RunProgram("--windowed", m_dir);
    EXPECT_EQ(noFile.exitCode, 2);
    EXPECT_NE(noFile.output.find("FILE"), std::string::npos);
    const SRun help = RunProgram("--help", m_dir);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("--screenshot"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "path.txt"));
}

TEST_F(PathEditProgram, AMissingModelIsReportedBeforeTheScreenOpens)
{
    const SRun run = RunProgram("path.txt --windowed --frames 2 --model nowhere.lwo", m_dir);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("cannot open the model 'nowhere.lwo'"), std::string::npos) << run.output;
}

TEST_F(PathEditProgram, AnUnreadablePathFileIsReportedAndLeftAsItWas)
{
    const std::string text = "3\n1\n1\n0.5\nnot a number\n";
    std::ofstream(m_dir / "broken.txt") << text;
    const SRun run = RunProgram("broken.txt --windowed --resolution 640x480 --frames 3", m_dir);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("The path file broken.txt is not a path file that can be read"), std::string::npos)
        << run.output;
    EXPECT_EQ(ReadWholeFile(m_dir / "broken.txt"), text);
}

TEST_F(PathEditProgram, AScreenshotRunWritesTheLastFrame)
{
    std::ofstream(m_dir / "two.txt") << "2\n1\n1\n"
                                        "0\n0\n0\n1\n0\n0\n0\n1\n0\n10\n0.785398\n"
                                        "10\n2\n0\n1\n0\n0\n0\n1\n0\n10\n0.785398\n";
    const std::string model = std::string(PATHEDIT_DATA_DIR) + "/rtoile.lwo";
    const SRun run = RunProgram("two.txt --windowed --resolution 640x480 --trajectory --frames 4 --model '" +
                                    model + "' --screenshot shot.png",
                                m_dir);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string png = ReadWholeFile(m_dir / "shot.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    // The IHDR's width and height, big-endian.
    const auto word = [&](size_t at) {
        return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
               (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
    };
    EXPECT_EQ(word(16), 640);
    EXPECT_EQ(word(20), 480);
}

}  // namespace

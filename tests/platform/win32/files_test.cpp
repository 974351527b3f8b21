// Windows file names on this system and FindFirstFileA.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform_files.h"
#include "windows.h"

namespace {

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/varnix_files_XXXXXX";
        root = mkdtemp(pattern);
        mkdir((root + "/Data").c_str(), 0755);
        for (const char* name : {"/Data/Seq_000.lwo", "/Data/seq_001.LWO", "/Data/Seq_002.lwo", "/Data/other.png"})
            fclose(fopen((root + name).c_str(), "wb"));
        getcwd(previous, sizeof(previous));
        chdir(root.c_str());
    }
    void TearDown() override
    {
        chdir(previous);
        std::string command = "rm -rf " + root;
        system(command.c_str());
    }
    std::string root;
    char previous[4096];
};

TEST_F(FilesTest, BackslashesAndCaseAreResolved)
{
    EXPECT_EQ(platform::ResolvePath("Data\\other.png"), "Data/other.png");
    EXPECT_EQ(platform::ResolvePath("DATA\\OTHER.PNG"), "Data/other.png");
    EXPECT_EQ(platform::ResolvePath("data\\seq_000.LWO"), "Data/Seq_000.lwo");
    // A missing name keeps its spelling, so a file created under it lands where asked.
    EXPECT_EQ(platform::ResolvePath("Data\\New.txt"), "Data/New.txt");
    FILE* file = platform::OpenFile("DATA\\Other.PNG", "rb");
    ASSERT_NE(file, nullptr);
    fclose(file);
    EXPECT_EQ(platform::OpenFile("Data\\missing.png", "rb"), nullptr);
}

TEST_F(FilesTest, FindFirstFileCountsASeriesWithoutRegardToCase)
{
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA("data\\seq_*.lwo", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    int count = 1;
    while (FindNextFileA(search, &data))
        ++count;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(search));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(FindFirstFileA("Data\\nothing_*.lwo", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace

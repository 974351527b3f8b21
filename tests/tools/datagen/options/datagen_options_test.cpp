// datagen's command line: --help shows every option the parser takes, the program answers --help
// with it, and refusals name what was wrong.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "DatagenOptions.h"

namespace {

std::string Parse(std::vector<const char*> args, datagen::Options& options)
{
    args.insert(args.begin(), "datagen");
    return datagen::ParseOptions(static_cast<int>(args.size()), args.data(), options);
}

TEST(DatagenOptions, HelpListsEveryOptionTheParserTakes)
{
    const std::string usage = datagen::Usage();
    const std::regex shown("\n  (--[a-z]+)( [^ \n]+)?");
    size_t count = 0;
    for (std::sregex_iterator it(usage.begin(), usage.end(), shown), end; it != end; ++it, ++count) {
        datagen::Options options;
        const std::string name = (*it)[1];
        const std::string error =
            (*it)[2].matched ? Parse({name.c_str(), "x.png"}, options) : Parse({name.c_str()}, options);
        EXPECT_EQ(error, "") << name;
    }
    EXPECT_EQ(count, datagen::OptionTable().size());
    for (const auto& option : datagen::OptionTable())
        EXPECT_NE(usage.find(option.name), std::string::npos) << option.name;

    FILE* pipe = popen(DATAGEN_PROGRAM " --help", "r");
    std::string printed;
    char buffer[4096];
    for (size_t n; pipe && (n = fread(buffer, 1, sizeof(buffer), pipe)) > 0;)
        printed.append(buffer, n);
    const int status = pipe ? pclose(pipe) : -1;
    EXPECT_EQ(printed, usage);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(DatagenOptions, OneTaskAtATimeAndRefusalsNameTheirOption)
{
    datagen::Options folder;
    EXPECT_EQ(Parse({"out"}, folder), "");
    EXPECT_EQ(folder.folder, "out");
    datagen::Options sheet;
    EXPECT_EQ(Parse({"--sheet", "s.png"}, sheet), "");
    EXPECT_EQ(sheet.sheet, "s.png");

    datagen::Options refused;
    EXPECT_NE(Parse({"--sheet"}, refused).find("--sheet"), std::string::npos);
    EXPECT_NE(Parse({"--bogus"}, refused).find("--bogus"), std::string::npos);
    EXPECT_NE(Parse({}, refused), "");
    datagen::Options two;
    EXPECT_NE(Parse({"out", "--timeline"}, two).find("one of"), std::string::npos);
    datagen::Options folders;
    EXPECT_NE(Parse({"a", "b"}, folders).find("one folder"), std::string::npos);

    const int status = system(DATAGEN_PROGRAM " --sheet 2>/dev/null");
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace

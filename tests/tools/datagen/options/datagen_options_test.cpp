// datagen's command line: --help shows every option the parser takes, the program answers --help
// with it, and refusals name what was wrong.
#include <gtest/gtest.h>

#include <regex>

#include "DatagenOptions.h"
#include "program_output.h"

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

    const SProgramOutput help = RunForOutput(DATAGEN_PROGRAM " --help");
    EXPECT_EQ(help.text, usage);
    EXPECT_EQ(help.status, 0);
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

    EXPECT_EQ(RunForOutput(DATAGEN_PROGRAM " --sheet 2>/dev/null").status, 2);
}

}  // namespace

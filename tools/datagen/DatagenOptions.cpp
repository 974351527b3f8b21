#include "DatagenOptions.h"

namespace datagen {

namespace {

std::string Store(std::string& field, const std::string& value)
{
    field = value;
    return "";
}

}  // namespace

const std::vector<cmdline::Option<Options>>& OptionTable()
{
    static const std::vector<cmdline::Option<Options>> table = {
        {"--sheet", "FILE.png", "no sheet", "draw every picture with its name on one contact sheet",
         [](Options& o, const std::string& v) { return Store(o.sheet, v); }},
        {"--timeline", nullptr, "off", "print the sync timeline of the demo's first module",
         [](Options& o, const std::string&) { return o.timeline = true, std::string(); }},
        {"--help", nullptr, "", "list the options and end",
         [](Options& o, const std::string&) { return o.help = true, std::string(); }},
    };
    return table;
}

std::string ParseOptions(int argc, const char* const* argv, Options& options)
{
    std::vector<std::string> folders;
    std::string error = cmdline::Parse(OptionTable(), argc, argv, options, &folders);
    if (!error.empty() || options.help)
        return error;
    if (folders.size() > 1)
        return "give one folder to write Data in, not " + std::to_string(folders.size());
    if (!folders.empty())
        options.folder = folders.front();
    const int tasks = !options.folder.empty() + !options.sheet.empty() + options.timeline;
    if (tasks == 0)
        return "give a folder DIR, --sheet FILE.png or --timeline";
    if (tasks > 1)
        return "give one of DIR, --sheet and --timeline";
    return "";
}

std::string Usage()
{
    return "Usage: datagen DIR | --sheet FILE.png | --timeline\n"
           "Writes the demo's Data folder, or shows what it holds.\n"
           "  DIR                     write DIR/Data with every picture, model, glyph table and module; the\n"
           "                          same bytes on every run\n" +
           cmdline::Describe(OptionTable());
}

}  // namespace datagen

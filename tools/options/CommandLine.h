// A program's command line from one table of options: the same table parses the line and writes
// --help, so the help text lists exactly the options the program takes, each with its default.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace cmdline {

template <class Settings>
struct Option {
    const char* name;         // "--fps"
    const char* value;        // the value's name in --help ("N"), or nullptr for a switch
    const char* defaultText;  // what holds without the option, shown in --help
    const char* help;         // one or more sentences; --help wraps them
    // Stores the option (the value is empty for a switch); returns why the value is refused, or "".
    std::function<std::string(Settings&, const std::string& value)> apply;
};

// Parses argv[1..] into settings. Words that do not start with "-" go to operands when given, else
// they are refused. Returns the first error, naming its option, or "" when the line is fine.
template <class Settings>
std::string Parse(const std::vector<Option<Settings>>& table, int argc, const char* const* argv, Settings& settings,
                  std::vector<std::string>* operands = nullptr)
{
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word.empty() || word[0] != '-') {
            if (!operands)
                return "unexpected argument '" + word + "'";
            operands->push_back(word);
            continue;
        }
        const Option<Settings>* option = nullptr;
        for (const Option<Settings>& candidate : table)
            if (word == candidate.name)
                option = &candidate;
        if (!option)
            return "unknown option '" + word + "' (--help lists them)";
        std::string value;
        if (option->value) {
            if (i + 1 >= argc)
                return word + " needs a value (" + option->value + ")";
            value = argv[++i];
        }
        const std::string refused = option->apply(settings, value);
        if (!refused.empty())
            return word + ": " + refused;
    }
    return "";
}

// The options part of --help: "  --name VALUE" in a column, then the help wrapped beside it and
// "(default: ...)" where there is one.
template <class Settings>
std::string Describe(const std::vector<Option<Settings>>& table)
{
    const size_t column = 26, width = 100;
    std::string text;
    for (const Option<Settings>& option : table) {
        std::string head = std::string("  ") + option.name + (option.value ? std::string(" ") + option.value : "");
        std::string body = option.help;
        if (option.defaultText && *option.defaultText)
            body += std::string(" (default: ") + option.defaultText + ")";
        std::string line = head.size() + 1 < column ? head + std::string(column - head.size(), ' ')
                                                    : head + "\n" + std::string(column, ' ');
        size_t start = 0;
        while (start < body.size()) {
            size_t end = start + (width - column);
            if (end >= body.size())
                end = body.size();
            else {
                const size_t space = body.rfind(' ', end);
                end = space != std::string::npos && space > start ? space : end;
            }
            line += body.substr(start, end - start) + "\n";
            start = end + (end < body.size() && body[end] == ' ' ? 1 : 0);
            if (start < body.size())
                line += std::string(column, ' ');
        }
        text += line;
    }
    return text;
}

}  // namespace cmdline

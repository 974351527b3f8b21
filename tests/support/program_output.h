// Running a program from a test and taking what it writes on standard output.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

struct SProgramOutput {
    std::string text;
    int status = -1;  // the exit status, -1 when the program did not exit normally
};

// Runs the shell command and reads its standard output to the end.
inline SProgramOutput RunForOutput(const std::string& command)
{
    SProgramOutput output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[65536];
    for (size_t n; (n = fread(buffer, 1, sizeof(buffer), pipe)) > 0;)
        output.text.append(buffer, n);
    const int raw = pclose(pipe);
    output.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return output;
}

// An input handed to a reader that takes only file names: the bytes go to an anonymous in-memory file
// of this process's own, named through the process's descriptor table. The name is the same in every
// run (no process id in it), so a run with a fixed seed takes the same paths through the file-name
// code each time.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace fuzz_input {

inline int Descriptor()
{
    static const int descriptor = memfd_create("varnix_fuzz_input", 0);
    return descriptor;
}

inline const std::string& FileName()
{
    static const std::string name = "/proc/self/fd/" + std::to_string(Descriptor());
    return name;
}

// Replaces the file's content by the input; aborts when the harness itself cannot run, rather than
// pass without reading anything.
inline const std::string& Store(const uint8_t* data, size_t size)
{
    const int descriptor = Descriptor();
    if (descriptor < 0 || ftruncate(descriptor, 0) != 0 ||
        (size != 0 && pwrite(descriptor, data, size, 0) != static_cast<ssize_t>(size)))
        std::abort();
    return FileName();
}

}  // namespace fuzz_input

#include "ScratchFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

CScratchFolder::~CScratchFolder()
{
    std::error_code code;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, code);
}

bool CScratchFolder::Make(std::string& error)
{
    const char* base = getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/farreach_XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data())) {
        error = "cannot make a scratch folder like " + pattern;
        return false;
    }
    m_path = name.data();
    return true;
}

// A folder of its own under the temporary folder, removed with what it holds when this goes.
#pragma once

#include <string>

class CScratchFolder {
public:
    CScratchFolder() = default;
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;
    ~CScratchFolder();

    // Makes the folder under $TMPDIR (or /tmp). False (with a reason) when it cannot.
    bool Make(std::string& error);
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

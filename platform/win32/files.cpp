// Windows file names on this system, and the directory search of FindFirstFileA.
#include <dirent.h>
#include <fnmatch.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "kernel_objects.h"
#include "platform_files.h"

namespace platform {

namespace {

bool Exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// The entry of directory that equals name ignoring case, or an empty string.
std::string FindCaseInsensitive(const std::string& directory, const std::string& name)
{
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (!dir)
        return {};
    std::string found;
    while (dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

std::string WithSlashes(const char* name)
{
    std::string path(name ? name : "");
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

void SplitLast(const std::string& path, std::string& directory, std::string& leaf)
{
    const size_t slash = path.find_last_of('/');
    directory = slash == std::string::npos ? std::string() : path.substr(0, slash);
    leaf = slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string ResolvePath(const char* windowsName)
{
    const std::string path = WithSlashes(windowsName);
    if (path.empty() || Exists(path))
        return path;
    // Walk the components, matching each one that is missing without regard to case.
    std::string resolved = path[0] == '/' ? "/" : "";
    size_t start = path[0] == '/' ? 1 : 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(start, end - start);
        if (!part.empty()) {
            std::string candidate = resolved + part;
            if (!Exists(candidate)) {
                const std::string match = FindCaseInsensitive(resolved, part);
                if (match.empty())
                    return path;
                candidate = resolved + match;
            }
            resolved = candidate + (end < path.size() ? "/" : "");
        }
        start = end + 1;
    }
    return resolved;
}

FILE* OpenFile(const char* windowsName, const char* mode)
{
    return fopen(ResolvePath(windowsName).c_str(), mode);
}

}  // namespace platform

using namespace platform;

namespace {

void FillFindData(const FindObject& search, const std::string& name, LPWIN32_FIND_DATAA data)
{
    memset(data, 0, sizeof(*data));
    snprintf(data->cFileName, sizeof(data->cFileName), "%s", name.c_str());
    struct stat info;
    const std::string full = search.directory.empty() ? name : search.directory + "/" + name;
    if (stat(full.c_str(), &info) == 0) {
        data->dwFileAttributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
        data->nFileSizeLow = static_cast<DWORD>(info.st_size & 0xFFFFFFFFu);
        data->nFileSizeHigh = static_cast<DWORD>(static_cast<uint64_t>(info.st_size) >> 32);
    }
}

}  // namespace

HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data)
{
    if (!pattern || !data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::string directory, leaf;
    SplitLast(WithSlashes(pattern), directory, leaf);
    directory = ResolvePath(directory.c_str());
    auto* search = new FindObject();
    search->directory = directory;
    if (DIR* dir = opendir(directory.empty() ? "." : directory.c_str())) {
        while (dirent* entry = readdir(dir)) {
            // Windows matches names without regard to case.
            if (fnmatch(leaf.c_str(), entry->d_name, FNM_CASEFOLD) == 0)
                search->names.push_back(entry->d_name);
        }
        closedir(dir);
    }
    std::sort(search->names.begin(), search->names.end());
    if (search->names.empty()) {
        delete search;
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    FillFindData(*search, search->names[search->next++], data);
    return search;
}

BOOL FindNextFileA(HANDLE handle, LPWIN32_FIND_DATAA data)
{
    auto* search = dynamic_cast<FindObject*>(handle);
    if (!search || !data) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (search->next >= search->names.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    FillFindData(*search, search->names[search->next++], data);
    return TRUE;
}

BOOL FindClose(HANDLE handle)
{
    auto* search = dynamic_cast<FindObject*>(handle);
    if (!search)
        return FALSE;
    delete search;
    return TRUE;
}

DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer)
{
    char path[4096];
    if (!getcwd(path, sizeof(path)))
        return 0;
    const DWORD length = static_cast<DWORD>(strlen(path));
    if (!buffer || size <= length)
        return length + 1;
    memcpy(buffer, path, length + 1);
    return length;
}

BOOL SetCurrentDirectoryA(LPCSTR path)
{
    return path && chdir(ResolvePath(path).c_str()) == 0 ? TRUE : FALSE;
}

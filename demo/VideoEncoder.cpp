#include "VideoEncoder.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::string Number(double value)
{
    char text[32];
    snprintf(text, sizeof(text), "%.6g", value);
    return text;
}

// Runs ffmpeg with these arguments (no shell, so file names are taken as they are). With stdinPipe,
// the process reads its standard input from a pipe whose writing end is returned there.
pid_t SpawnFfmpeg(const std::vector<std::string>& arguments, int* stdinPipe)
{
    // Made before fork: the child of a threaded program may only call async-signal-safe functions.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>("ffmpeg"));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    int ends[2] = {-1, -1};
    if (stdinPipe && pipe(ends) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        if (stdinPipe) {
            dup2(ends[0], STDIN_FILENO);
            close(ends[0]);
            close(ends[1]);
        }
        execvp("ffmpeg", argv.data());
        _exit(127);
    }
    if (stdinPipe) {
        close(ends[0]);
        if (child < 0)
            close(ends[1]);
        else
            *stdinPipe = ends[1];
    }
    return child;
}

bool WaitFor(pid_t process)
{
    int status = 0;
    while (waitpid(process, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool IsExecutable(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

void VideoFrameSize(const SVideoSettings& settings, int& width, int& height)
{
    height = settings.height + (settings.height & 1);
    width = settings.wide ? (settings.height * 16 + 8) / 9 : settings.width;
    if (width < settings.width)
        width = settings.width;
    width += width & 1;
}

CVideoEncoder::~CVideoEncoder()
{
    if (m_process > 0) {
        StopPictureEncoder();
        remove(m_pictureFile.c_str());
    }
}

bool CVideoEncoder::FindFfmpeg(std::string& error)
{
    const char* path = getenv("PATH");
    std::string folders = path ? path : "";
    for (size_t start = 0; start <= folders.size();) {
        const size_t end = folders.find(':', start);
        const std::string folder = folders.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (IsExecutable((folder.empty() ? "." : folder) + "/ffmpeg"))
            return true;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    error = "--video needs ffmpeg, which is not on PATH; install it with scripts/packages.sh ffmpeg "
            "(or apt-get install ffmpeg), or write the frames with --capture DIR alone";
    return false;
}

bool CVideoEncoder::Start(const SVideoSettings& settings, std::string& error)
{
    m_settings = settings;
    m_pictureFile = settings.file + ".picture.mp4";
    int width = 0, height = 0;
    VideoFrameSize(settings, width, height);
    const std::string pad = "pad=" + std::to_string(width) + ":" + std::to_string(height) + ":" +
                            std::to_string((width - settings.width) / 2) + ":0:black";
    const std::vector<std::string> arguments = {
        "-hide_banner", "-loglevel", "error", "-y", "-f", "rawvideo", "-pixel_format", "rgb24", "-video_size",
        std::to_string(settings.width) + "x" + std::to_string(settings.height), "-framerate", Number(settings.fps),
        "-i", "pipe:0", "-vf", pad, "-c:v", "libx264", "-preset", "fast", "-crf", "18", "-pix_fmt", "yuv420p",
        "-an", "-f", "mp4", m_pictureFile};
    // A pipe whose reader has gone reports EPIPE to the writer instead of ending the program.
    signal(SIGPIPE, SIG_IGN);
    m_process = SpawnFfmpeg(arguments, &m_pipe);
    if (m_process < 0) {
        error = "cannot start ffmpeg: " + std::string(strerror(errno));
        return false;
    }
    return true;
}

bool CVideoEncoder::WriteFrame(const std::vector<unsigned char>& rgb, int width, int height)
{
    if (m_pipe < 0 || width != m_settings.width || height != m_settings.height ||
        rgb.size() != static_cast<size_t>(width) * height * 3)
        return false;
    for (size_t done = 0; done < rgb.size();) {
        const ssize_t written = write(m_pipe, rgb.data() + done, rgb.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<size_t>(written);
    }
    return true;
}

bool CVideoEncoder::StopPictureEncoder()
{
    if (m_pipe >= 0)
        close(m_pipe);
    m_pipe = -1;
    const bool encoded = m_process > 0 && WaitFor(m_process);
    m_process = -1;
    return encoded;
}

bool CVideoEncoder::Finish(const std::string& wavPath, std::string& error)
{
    if (!StopPictureEncoder()) {
        remove(m_pictureFile.c_str());
        error = "ffmpeg could not encode the frames into " + m_pictureFile;
        return false;
    }
    const std::vector<std::string> arguments = {
        "-hide_banner", "-nostdin", "-loglevel", "error", "-y", "-i", m_pictureFile, "-i", wavPath, "-map", "0:v", "-map",
        "1:a", "-c:v", "copy", "-c:a", "aac", "-b:a", "192k", "-movflags", "+faststart", m_settings.file};
    const pid_t muxer = SpawnFfmpeg(arguments, nullptr);
    const bool muxed = muxer > 0 && WaitFor(muxer);
    remove(m_pictureFile.c_str());
    if (!muxed) {
        remove(m_settings.file.c_str());
        error = "ffmpeg could not put the picture and " + wavPath + " into " + m_settings.file;
    }
    return muxed;
}

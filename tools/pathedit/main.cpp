// pathedit: edits a motion path file with the engine's path editor.
#include <cstdio>
#include <string>

#include "FramePng.h"
#include "PathEditOptions.h"
#include "PathEditSession.h"
#include "platform_clock.h"
#include "screen/Screen.h"

namespace {

const double FRAME_STEP = 1.0 / 60.0;

bool CanRead(const std::string& file)
{
    FILE* opened = fopen(file.c_str(), "rb");
    if (!opened)
        return false;
    fclose(opened);
    return true;
}

// Table sizes go through the screen's own table; any other size is a custom one.
void SetScreenSize(CScreen& screen, int width, int height)
{
    const int sizes[][2] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}};
    for (int i = 0; i < 5; ++i)
        if (sizes[i][0] == width && sizes[i][1] == height) {
            screen.SetResolution(static_cast<TResolutionEnum>(i));
            return;
        }
    screen.SetCustomResolution(width, height);
}

class CPathEditListener : public CScreenListener {
public:
    explicit CPathEditListener(const SPathEditOptions& options) : m_Options(options), m_Session(options) {}

    void Run() override
    {
        m_Session.Open();
        for (int frame = 0; m_Options.frames < 0 || frame < m_Options.frames; ++frame)
            if (!m_Session.Frame())
                break;
        if (!m_Options.screenshot.empty() && !SaveFrontBufferPng(m_Options.screenshot)) {
            fprintf(stderr, "pathedit: cannot write the screenshot '%s'\n", m_Options.screenshot.c_str());
            m_nExitCode = 1;
        }
        m_Session.Close();
    }

    int ExitCode() const { return m_nExitCode; }

private:
    SPathEditOptions m_Options;
    CPathEditSession m_Session;
    int m_nExitCode = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    const SPathEditOptions options = ParsePathEditOptions(argc, argv);
    if (options.help) {
        fputs(PathEditUsage(argv[0]).c_str(), stdout);
        return 0;
    }
    if (!options.error.empty()) {
        fprintf(stderr, "pathedit: %s\n%s", options.error.c_str(), PathEditUsage(argv[0]).c_str());
        return 2;
    }
    if (!options.model.empty() && !CanRead(options.model)) {
        fprintf(stderr, "pathedit: cannot open the model '%s'\n", options.model.c_str());
        return 1;
    }
    // A run of a fixed number of frames steps its own clock, so its pictures do not depend on speed.
    if (options.frames > 0)
        platform::UseVirtualClock(FRAME_STEP);
    CPathEditListener listener(options);
    CScreen& screen = CScreen::Instance();
    screen.SetListener(listener);
    screen.SetFullscreen(!options.windowed);
    SetScreenSize(screen, options.width, options.height);
    screen.ViewInfo(true);
    screen.SetTitle("Varnix path editor");
    screen.Display();
    return listener.ExitCode();
}

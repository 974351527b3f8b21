#include "demo_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "effects/GlyphTable.h"
#include "music/XmWriter.h"
#include "platform_clock.h"
#include "platform_hooks.h"
#include "screen_run.h"

std::string TempName(const std::string& leaf)
{
    return "/tmp/farreach_demo_tests_" + std::to_string(getpid()) + "_" + leaf;
}

std::string WriteSyncModule(const std::string& name, int rows, const std::vector<std::pair<int, int>>& rowValues)
{
    datagen::XmSong song;
    song.name = name;
    song.channels = 2;
    song.orders = {0};
    song.patterns.emplace_back(rows, song.channels);
    for (const auto& [row, value] : rowValues) {
        datagen::XmCell& cell = song.patterns[0].At(row, 0);
        cell.effect = datagen::kSync;
        cell.param = static_cast<uint8_t>(value);
    }
    const std::vector<uint8_t> bytes = datagen::WriteXm(song);
    const std::string path = TempName(name + ".xm");
    FILE* file = fopen(path.c_str(), "wb");
    if (file) {
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }
    return path;
}

void CDemoRecorder::OnLoopStarting(const SDriverState&)
{
    registeredAtLoopStart = CScreen::Instance().GetRegisteredObjectCount();
}

void CDemoRecorder::OnFrameStarting(const SDriverState&)
{
    if (beforeFrame)
        beforeFrame(static_cast<int>(frames.size()));
}

bool CDemoRecorder::OnFramePresented(SDemo& demo)
{
    frames.push_back({demo.state, demo.scratch});
    if (afterFrame)
        afterFrame(demo, static_cast<int>(frames.size()) - 1);
    return static_cast<int>(frames.size()) < maxFrames;
}

void CDemoRecorder::OnEnded(SDemo& demo)
{
    ended = true;
    registeredAtEnd = CScreen::Instance().GetRegisteredObjectCount();
    if (atEnd)
        atEnd(demo);
}

std::vector<SMessageBox> RunDemo(const std::string& music, CDemoRecorder& recorder, const SDemoRunSettings& settings)
{
    std::vector<SMessageBox> boxes;
    platform::SetMessageBoxHandler([&boxes](HWND, const std::string& text, const std::string& caption, UINT) {
        boxes.push_back({caption, text});
        return IDOK;
    });
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(settings.dataRoot.empty() ? FARREACH_BUILD_DIR : settings.dataRoot);
    platform::UseVirtualClock(1.0 / settings.fps);
    platform::SetVirtualClockSeconds(16);
    SDemoConfig config;
    config.musicFile = music.c_str();
    config.observer = &recorder;
    config.startSeconds = settings.startSeconds;
    config.startPart = settings.startPart;
    config.keyScript = settings.keyScript;
    RunScreen(settings.screen, [&config] {
        CKeyboard keyboard;
        CMouse mouse;
        CDemoDriver driver(keyboard, mouse, config);
        driver.Run();
    });
    HoldKeys({});
    platform::UseSystemClock();
    platform::SetMessageBoxHandler(nullptr);
    std::filesystem::current_path(before);
    return boxes;
}

void HoldKeys(const std::vector<unsigned char>& keys)
{
    for (int key = 1; key < 256; ++key)
        platform::SetKeyHeld(static_cast<uint8_t>(key), false);
    for (unsigned char key : keys)
        platform::SetKeyHeld(key, true);
}

std::vector<DWORD> FrontBuffer()
{
    CScreen& screen = CScreen::Instance();
    const int width = screen.GetXResolution(), height = screen.GetYResolution();
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    IDirect3DSurface8* surface = nullptr;
    if (FAILED(screen.GetD3DDevice()->CreateImageSurface(width, height, D3DFMT_A8R8G8B8, &surface)))
        return {};
    D3DLOCKED_RECT locked{};
    if (SUCCEEDED(screen.GetD3DDevice()->GetFrontBuffer(surface)) &&
        SUCCEEDED(surface->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
        for (int y = 0; y < height; ++y)
            memcpy(&pixels[static_cast<size_t>(y) * width],
                   static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch, width * 4);
        surface->UnlockRect();
    }
    surface->Release();
    return pixels;
}

bool IsUniform(const std::vector<DWORD>& picture)
{
    for (DWORD pixel : picture)
        if ((pixel & 0xFFFFFF) != (picture[0] & 0xFFFFFF))
            return false;
    return true;
}

std::vector<int> LettersWithoutGlyph(const std::string& text, int count)
{
    SGlyphRect glyphs[GLYPH_COUNT];
    for (SGlyphRect& g : glyphs)
        g = DEFAULT_GLYPH;
    std::vector<int> missing;
    if (!ReadGlyphTable(CString(FARREACH_BUILD_DIR "/Data/fonts.png"), glyphs))
        return {-1};
    for (int k = 0; k < count && k < static_cast<int>(text.size()); ++k) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        const SGlyphRect& g = glyphs[c];
        const bool isDefault = g.u0 == DEFAULT_GLYPH.u0 && g.v0 == DEFAULT_GLYPH.v0 && g.u1 == DEFAULT_GLYPH.u1 &&
                               g.v1 == DEFAULT_GLYPH.v1;
        if (c == 0 || (c != ' ' && isDefault))
            missing.push_back(k);
    }
    return missing;
}

std::vector<unsigned char> HiddenPartKeys()
{
    return {DIK_LSHIFT, DIK_RCONTROL, DIK_7, DIK_8, DIK_9, DIK_UP, DIK_DOWN};
}

SProgramRun RunFarreach(const std::string& args, const std::string& before)
{
    const std::string errorFile = TempName("stderr.txt");
    const std::string command = before + " SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy " FARREACH_PROGRAM " " +
                                args + " > /dev/null 2> " + errorFile;
    const int raw = system(command.c_str());
    SProgramRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream file(errorFile);
    run.errors.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    std::filesystem::remove(errorFile);
    return run;
}

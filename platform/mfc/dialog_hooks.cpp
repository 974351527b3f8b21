// The automation hooks and dialog screenshots as PNG files.
#include <png.h>

#include <cstdio>
#include <mutex>

#include "afxdialog.h"
#include "dialog_hooks.h"

namespace platform {

namespace {

struct Hooks {
    std::mutex mutex;
    DialogDriver driver;
    DialogDriver frameHook;
};

Hooks& TheHooks()
{
    static Hooks hooks;
    return hooks;
}

bool WritePng(const char* path, const std::vector<uint8_t>& rgba, int width, int height)
{
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool ok = false;
    if (png && info && !setjmp(png_jmpbuf(png))) {
        png_init_io(png, file);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
        for (int y = 0; y < height; ++y)
            png_write_row(png, const_cast<png_bytep>(&rgba[static_cast<size_t>(y) * width * 4]));
        png_write_end(png, nullptr);
        ok = true;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    return std::fclose(file) == 0 && ok;
}

}  // namespace

void SetDialogDriver(DialogDriver driver)
{
    std::lock_guard<std::mutex> lock(TheHooks().mutex);
    TheHooks().driver = std::move(driver);
}

void SetDialogFrameHook(DialogDriver hook)
{
    std::lock_guard<std::mutex> lock(TheHooks().mutex);
    TheHooks().frameHook = std::move(hook);
}

DialogDriver CurrentDialogDriver()
{
    std::lock_guard<std::mutex> lock(TheHooks().mutex);
    return TheHooks().driver;
}

DialogDriver CurrentDialogFrameHook()
{
    std::lock_guard<std::mutex> lock(TheHooks().mutex);
    return TheHooks().frameHook;
}

bool SaveDialogScreenshot(CDialog& dialog, const char* pngPath)
{
    std::vector<uint8_t> rgba;
    int width = 0, height = 0;
    if (!pngPath || !dialog.CaptureFrame(rgba, width, height) || width <= 0 || height <= 0)
        return false;
    return WritePng(pngPath, rgba, width, height);
}

}  // namespace platform

// The look of Windows' classic dialogs, drawn with Dear ImGui's draw lists.
#include "dialog_renderer.h"

#include <SDL.h>
#include <GL/gl.h>
#include <imgui.h>
#include <imgui_impl_opengl3.h>
#include <imgui_impl_sdl.h>

#include <algorithm>
#include <cmath>

#include "win32_internal.h"

namespace {

const ImU32 kFace = IM_COL32(212, 208, 200, 255);
const ImU32 kHighlight = IM_COL32(255, 255, 255, 255);
const ImU32 kShadow = IM_COL32(128, 128, 128, 255);
const ImU32 kDarkShadow = IM_COL32(64, 64, 64, 255);
const ImU32 kText = IM_COL32(0, 0, 0, 255);
const ImU32 kGrayText = IM_COL32(128, 128, 128, 255);
const ImU32 kWindow = IM_COL32(255, 255, 255, 255);
constexpr float kFontPixels = 13.0f;  // the cell height of MS Sans Serif 8 pt at 96 dpi

const char* const kFontFiles[] = {
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
};

// Keeps whatever GL context and ImGui context the thread had, and puts them back.
class ContextScope {
public:
    ContextScope(SDL_Window* window, SDL_GLContext gl, ImGuiContext* imgui)
        : m_window(SDL_GL_GetCurrentWindow()), m_gl(SDL_GL_GetCurrentContext()), m_imgui(ImGui::GetCurrentContext())
    {
        if (gl)
            SDL_GL_MakeCurrent(window, gl);
        ImGui::SetCurrentContext(imgui);
    }
    ~ContextScope()
    {
        ImGui::SetCurrentContext(m_imgui);
        if (m_gl)
            SDL_GL_MakeCurrent(m_window, m_gl);
    }

private:
    SDL_Window* m_window;
    SDL_GLContext m_gl;
    ImGuiContext* m_imgui;
};

class Painter {
public:
    Painter(ImDrawList* list, ImFont* font) : m_list(list), m_font(font) {}

    void Fill(float x0, float y0, float x1, float y1, ImU32 color) { m_list->AddRectFilled({x0, y0}, {x1, y1}, color); }

    // A one-pixel frame: top and left in one colour, bottom and right in the other.
    void Bevel(const RECT& r, ImU32 topLeft, ImU32 bottomRight)
    {
        const float l = r.left, t = r.top, rt = r.right, b = r.bottom;
        Fill(l, t, rt - 1, t + 1, topLeft);
        Fill(l, t, l + 1, b - 1, topLeft);
        Fill(l, b - 1, rt, b, bottomRight);
        Fill(rt - 1, t, rt, b, bottomRight);
    }

    void Frame(const RECT& r, ImU32 color) { Bevel(r, color, color); }

    void DottedFrame(const RECT& r)
    {
        for (LONG x = r.left; x < r.right; x += 2) {
            Fill(x, r.top, x + 1, r.top + 1, kText);
            Fill(x, r.bottom - 1, x + 1, r.bottom, kText);
        }
        for (LONG y = r.top; y < r.bottom; y += 2) {
            Fill(r.left, y, r.left + 1, y + 1, kText);
            Fill(r.right - 1, y, r.right, y + 1, kText);
        }
    }

    float TextWidth(const std::string& text) const
    {
        return m_font->CalcTextSizeA(kFontPixels, 1e9f, 0.0f, text.c_str()).x;
    }

    void Text(float x, float y, const std::string& text, ImU32 color)
    {
        m_list->AddText(m_font, kFontPixels, {std::floor(x), std::floor(y)}, color, text.c_str());
    }

    // Greyed text has the white emboss of Windows' disabled controls.
    void ControlText(float x, float y, const std::string& text, bool enabled)
    {
        if (!enabled)
            Text(x + 1, y + 1, text, kHighlight);
        Text(x, y, text, enabled ? kText : kGrayText);
    }

    void Circle(float cx, float cy, float radius, ImU32 color) { m_list->AddCircleFilled({cx, cy}, radius, color, 24); }

    void CheckMark(float x, float y)
    {
        const ImVec2 points[3] = {{x + 1.5f, y + 4.5f}, {x + 3.5f, y + 6.5f}, {x + 7.5f, y + 1.5f}};
        m_list->AddPolyline(points, 3, kText, 0, 2.0f);
    }

    ImDrawList* List() { return m_list; }

private:
    ImDrawList* m_list;
    ImFont* m_font;
};

// Words of a static text broken into the lines that fit its width.
std::vector<std::string> WrapLines(const Painter& painter, const std::string& text, float width)
{
    std::vector<std::string> lines;
    std::string line;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find(' ', pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(pos, end - pos);
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && painter.TextWidth(candidate) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        pos = end + 1;
    }
    lines.push_back(line);
    return lines;
}

struct ControlView {
    RECT rect;
    std::string text;
    bool enabled;
    bool focused;
    bool pressed;
    bool isDefault;
    int check;
};

void DrawPushButton(Painter& p, const ControlView& c)
{
    RECT r = c.rect;
    p.Fill(r.left, r.top, r.right, r.bottom, kFace);
    if (c.isDefault) {
        p.Frame(r, kText);
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    if (c.pressed) {
        p.Frame(r, kShadow);
    } else {
        p.Bevel(r, kHighlight, kDarkShadow);
        p.Bevel({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, kFace, kShadow);
    }
    const float shift = c.pressed ? 1.0f : 0.0f;
    const float tx = (c.rect.left + c.rect.right - p.TextWidth(c.text)) / 2.0f + shift;
    const float ty = (c.rect.top + c.rect.bottom - kFontPixels) / 2.0f + shift;
    p.ControlText(tx, ty, c.text, c.enabled);
    if (c.focused)
        p.DottedFrame({c.rect.left + 4, c.rect.top + 4, c.rect.right - 4, c.rect.bottom - 4});
}

void DrawMarkLabel(Painter& p, const ControlView& c, float textX)
{
    const float ty = (c.rect.top + c.rect.bottom - kFontPixels) / 2.0f;
    p.ControlText(textX, ty, c.text, c.enabled);
    if (c.focused && !c.text.empty()) {
        const LONG x0 = static_cast<LONG>(textX) - 1, y0 = static_cast<LONG>(ty) - 1;
        p.DottedFrame({x0, y0, x0 + static_cast<LONG>(p.TextWidth(c.text)) + 3, y0 + static_cast<LONG>(kFontPixels) + 2});
    }
}

void DrawRadioButton(Painter& p, const ControlView& c)
{
    const float cx = c.rect.left + 6.0f;
    const float cy = (c.rect.top + c.rect.bottom) / 2.0f;
    p.Circle(cx, cy, 6.0f, kHighlight);
    p.Circle(cx - 0.5f, cy - 0.5f, 5.5f, kShadow);
    p.Circle(cx, cy, 5.0f, kFace);
    p.Circle(cx - 0.5f, cy - 0.5f, 4.5f, kDarkShadow);
    p.Circle(cx, cy, 4.0f, c.pressed || !c.enabled ? kFace : kWindow);
    if (c.check)
        p.Circle(cx, cy, 2.0f, c.enabled ? kText : kGrayText);
    DrawMarkLabel(p, c, c.rect.left + 16.0f);
}

void DrawCheckBox(Painter& p, const ControlView& c)
{
    const float x = c.rect.left;
    const float y = std::floor((c.rect.top + c.rect.bottom - 13) / 2.0f);
    const RECT box{static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(x) + 13, static_cast<LONG>(y) + 13};
    p.Bevel(box, kShadow, kHighlight);
    p.Bevel({box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, kDarkShadow, kFace);
    p.Fill(box.left + 2, box.top + 2, box.right - 2, box.bottom - 2, c.pressed || !c.enabled ? kFace : kWindow);
    if (c.check)
        p.CheckMark(box.left + 2, box.top + 2);
    DrawMarkLabel(p, c, x + 17.0f);
}

void DrawGroupBox(Painter& p, const ControlView& c)
{
    const RECT& r = c.rect;
    const LONG top = r.top + static_cast<LONG>(kFontPixels / 2);
    p.Frame({r.left, top, r.right - 1, r.bottom - 1}, kShadow);
    p.Frame({r.left + 1, top + 1, r.right, r.bottom}, kHighlight);
    if (!c.text.empty()) {
        const float width = p.TextWidth(c.text);
        p.Fill(r.left + 8, r.top, r.left + 8 + width, r.top + kFontPixels, kFace);
        p.ControlText(r.left + 8, r.top, c.text, c.enabled);
    }
}

void DrawStaticText(Painter& p, const ControlView& c, bool centred)
{
    const float width = static_cast<float>(c.rect.right - c.rect.left);
    float y = c.rect.top;
    p.List()->PushClipRect({float(c.rect.left), float(c.rect.top)}, {float(c.rect.right), float(c.rect.bottom)}, true);
    for (const std::string& line : WrapLines(p, c.text, width)) {
        const float x = centred ? c.rect.left + (width - p.TextWidth(line)) / 2.0f : c.rect.left;
        p.ControlText(x, y, line, c.enabled);
        y += kFontPixels;
    }
    p.List()->PopClipRect();
}

// The program's icon, as an emblem of 32 x 32 pixels: a night sky with a moon over hills.
void DrawIconEmblem(Painter& p, const ControlView& c)
{
    const float x = c.rect.left, y = c.rect.top;
    p.List()->AddRectFilledMultiColor({x, y}, {x + 32, y + 32}, IM_COL32(16, 24, 96, 255), IM_COL32(16, 24, 96, 255),
                                      IM_COL32(120, 40, 150, 255), IM_COL32(120, 40, 150, 255));
    p.Circle(x + 21, y + 10, 6.0f, IM_COL32(255, 214, 80, 255));
    p.List()->AddTriangleFilled({x, y + 32}, {x + 11, y + 17}, {x + 22, y + 32}, IM_COL32(20, 90, 60, 255));
    p.List()->AddTriangleFilled({x + 12, y + 32}, {x + 23, y + 21}, {x + 32, y + 32}, IM_COL32(30, 130, 80, 255));
    p.Frame({static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(x) + 32, static_cast<LONG>(y) + 32}, kDarkShadow);
}

void DrawControl(Painter& p, DialogControlKind kind, const ControlView& view)
{
    switch (kind) {
    case DialogControlKind::PushButton:
    case DialogControlKind::DefPushButton: DrawPushButton(p, view); break;
    case DialogControlKind::AutoRadioButton: DrawRadioButton(p, view); break;
    case DialogControlKind::AutoCheckBox: DrawCheckBox(p, view); break;
    case DialogControlKind::GroupBox: DrawGroupBox(p, view); break;
    case DialogControlKind::StaticText: DrawStaticText(p, view, false); break;
    case DialogControlKind::StaticTextCentered: DrawStaticText(p, view, true); break;
    case DialogControlKind::StaticIcon: DrawIconEmblem(p, view); break;
    }
}

}  // namespace

std::string DisplayText(const std::string& text)
{
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&')
                shown += '&';
            ++i;
            if (i >= text.size() || text[i] == '&')
                continue;
        }
        shown += text[i];
    }
    return shown;
}

struct DialogRenderer::Impl {
    SDL_Window* window = nullptr;
    SDL_GLContext gl = nullptr;
    ImGuiContext* imgui = nullptr;
    ImFont* font = nullptr;
};

DialogRenderer::DialogRenderer(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

std::unique_ptr<DialogRenderer> DialogRenderer::Create(HWND hwnd)
{
    auto impl = std::make_unique<Impl>();
    impl->window = platform::SdlWindowOf(hwnd);
    if (!impl->window)
        return nullptr;
    SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
    SDL_GLContext previousGl = SDL_GL_GetCurrentContext();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    impl->gl = SDL_GL_CreateContext(impl->window);
    if (!impl->gl) {
        fprintf(stderr, "Dialog: no GL context: %s\n", SDL_GetError());
        if (previousGl)
            SDL_GL_MakeCurrent(previousWindow, previousGl);
        return nullptr;
    }
    platform::NoteGlContextCreated();
    SDL_GL_SetSwapInterval(0);  // the modal loop paces itself
    ImGuiContext* previousImgui = ImGui::GetCurrentContext();
    impl->imgui = ImGui::CreateContext();
    ImGui::SetCurrentContext(impl->imgui);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    for (const char* file : kFontFiles) {
        if (FILE* probe = fopen(file, "rb")) {
            fclose(probe);
            impl->font = io.Fonts->AddFontFromFileTTF(file, kFontPixels);
            if (impl->font)
                break;
        }
    }
    if (!impl->font)
        impl->font = io.Fonts->AddFontDefault();
    const bool ready = ImGui_ImplSDL2_InitForOpenGL(impl->window, impl->gl) && ImGui_ImplOpenGL3_Init("#version 330 core");
    ImGui::SetCurrentContext(previousImgui);
    std::unique_ptr<DialogRenderer> renderer(new DialogRenderer(std::move(impl)));
    if (previousGl)
        SDL_GL_MakeCurrent(previousWindow, previousGl);
    return ready ? std::move(renderer) : nullptr;
}

DialogRenderer::~DialogRenderer()
{
    if (!m_impl || !m_impl->gl)
        return;
    {
        ContextScope scope(m_impl->window, m_impl->gl, m_impl->imgui);
        if (ImGui::GetIO().BackendRendererUserData)
            ImGui_ImplOpenGL3_Shutdown();
        if (ImGui::GetIO().BackendPlatformUserData)
            ImGui_ImplSDL2_Shutdown();
        ImGui::DestroyContext(m_impl->imgui);
    }
    if (SDL_GL_GetCurrentContext() == m_impl->gl)
        SDL_GL_MakeCurrent(m_impl->window, nullptr);
    SDL_GL_DeleteContext(m_impl->gl);
    platform::NoteGlContextDestroyed();
}

void DialogRenderer::HandleEvent(const SDL_Event& event)
{
    ImGuiContext* previous = ImGui::GetCurrentContext();
    ImGui::SetCurrentContext(m_impl->imgui);
    ImGui_ImplSDL2_ProcessEvent(&event);
    ImGui::SetCurrentContext(previous);
}

void DialogRenderer::Draw(const DialogFrameState& state)
{
    ContextScope scope(m_impl->window, m_impl->gl, m_impl->imgui);
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
    ImDrawList* list = ImGui::GetBackgroundDrawList();
    Painter painter(list, m_impl->font);
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    painter.Fill(0, 0, size.x, size.y, kFace);
    const DialogControlSet& controls = *state.controls;
    for (int i = 0; i < controls.Count(); ++i) {
        const DialogControl& control = controls.At(i).control;
        ControlView view;
        view.rect = platform::DialogUnitsToPixels(state.units, control.x, control.y, control.cx, control.cy);
        view.text = DisplayText(control.text);
        view.enabled = controls.IsEnabled(i);
        view.focused = i == state.focus;
        view.pressed = i == state.pressed;
        view.isDefault = i == state.defaultButton;
        view.check = controls.GetCheck(i);
        DrawControl(painter, control.kind, view);
    }
    ImGui::Render();
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(m_impl->window, &width, &height);
    glViewport(0, 0, width, height);
    glClearColor(212 / 255.0f, 208 / 255.0f, 200 / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
}

void DialogRenderer::Present()
{
    ContextScope scope(m_impl->window, m_impl->gl, m_impl->imgui);
    SDL_GL_SwapWindow(m_impl->window);
}

bool DialogRenderer::ReadBack(std::vector<uint8_t>& rgba, int& width, int& height)
{
    ContextScope scope(m_impl->window, m_impl->gl, m_impl->imgui);
    SDL_GL_GetDrawableSize(m_impl->window, &width, &height);
    if (width <= 0 || height <= 0)
        return false;
    const size_t row = static_cast<size_t>(width) * 4;
    std::vector<uint8_t> bottomUp(row * static_cast<size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    if (glGetError() != GL_NO_ERROR)
        return false;
    rgba.resize(bottomUp.size());
    for (int y = 0; y < height; ++y)
        std::copy_n(&bottomUp[row * static_cast<size_t>(height - 1 - y)], row, &rgba[row * static_cast<size_t>(y)]);
    return true;
}

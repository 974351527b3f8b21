// Scenes, clearing, presenting and reading the presented picture back.
#include <SDL.h>

#include <algorithm>

#include "device.h"
#include "format_info.h"
#include "platform_clock.h"
#include "surface.h"

namespace d3d8 {

namespace {

// The part of a rectangle inside the viewport, or an empty rectangle.
PixelRect ClipToViewport(const D3DRECT& rect, const D3DVIEWPORT8& viewport)
{
    const LONG left = std::max<LONG>(rect.x1, static_cast<LONG>(viewport.X));
    const LONG top = std::max<LONG>(rect.y1, static_cast<LONG>(viewport.Y));
    const LONG right = std::min<LONG>(rect.x2, static_cast<LONG>(viewport.X + viewport.Width));
    const LONG bottom = std::min<LONG>(rect.y2, static_cast<LONG>(viewport.Y + viewport.Height));
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

D3DVIEWPORT8 ViewportInside(D3DVIEWPORT8 viewport, UINT width, UINT height)
{
    viewport.X = std::min(viewport.X, width);
    viewport.Y = std::min(viewport.Y, height);
    viewport.Width = std::min(viewport.Width, width - viewport.X);
    viewport.Height = std::min(viewport.Height, height - viewport.Y);
    return viewport;
}

void SetClearValues(D3DCOLOR color, float z, DWORD stencil)
{
    glClearColor(((color >> 16) & 0xFF) / 255.0f, ((color >> 8) & 0xFF) / 255.0f, (color & 0xFF) / 255.0f,
                 ((color >> 24) & 0xFF) / 255.0f);
    glClearDepth(std::clamp(z, 0.0f, 1.0f));
    glClearStencil(static_cast<GLint>(stencil & 0xFF));
    // A clear writes every channel whatever the write masks of the last draw were.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glStencilMask(0xFF);
}

}  // namespace

HRESULT Device::BeginScene()
{
    if (inScene_)
        return D3DERR_INVALIDCALL;
    inScene_ = true;
    return D3D_OK;
}

HRESULT Device::EndScene()
{
    if (!inScene_)
        return D3DERR_INVALIDCALL;
    inScene_ = false;
    return D3D_OK;
}

bool Device::BindRenderTarget()
{
    if (!renderTarget_ || !MakeCurrent())
        return false;
    CollectGlGarbage();
    renderTarget_->BindAsRenderTarget(depthStencil_);
    targetChanged_ = false;
    return true;
}

// Without a rectangle array the whole viewport is cleared, whatever the count says; an array with a
// count of 0 clears nothing.
HRESULT Device::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z, DWORD stencil)
{
    if (!(flags & (D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL)))
        return D3DERR_INVALIDCALL;
    if ((flags & (D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL)) && !depthStencil_)
        return D3DERR_INVALIDCALL;
    if ((flags & D3DCLEAR_STENCIL) && !HasStencil(depthStencil_->Desc().Format))
        return D3DERR_INVALIDCALL;
    if (IsLost() || (rects && count == 0))
        return D3D_OK;
    if (!BindRenderTarget())
        return D3DERR_INVALIDCALL;
    if (!rects)
        count = 0;
    GLbitfield mask = 0;
    mask |= (flags & D3DCLEAR_TARGET) ? GL_COLOR_BUFFER_BIT : 0;
    mask |= (flags & D3DCLEAR_ZBUFFER) ? GL_DEPTH_BUFFER_BIT : 0;
    mask |= (flags & D3DCLEAR_STENCIL) ? GL_STENCIL_BUFFER_BIT : 0;
    SetClearValues(color, z, stencil);
    const D3DSURFACE_DESC& target = renderTarget_->Desc();
    const D3DVIEWPORT8 viewport = ViewportInside(state_.viewport, target.Width, target.Height);
    const D3DRECT whole = {static_cast<LONG>(viewport.X), static_cast<LONG>(viewport.Y),
                           static_cast<LONG>(viewport.X + viewport.Width),
                           static_cast<LONG>(viewport.Y + viewport.Height)};
    // Rows are stored top row first, so a Direct3D rectangle is the same rectangle in GL's pixels.
    glEnable(GL_SCISSOR_TEST);
    for (DWORD i = 0; i < std::max<DWORD>(count, 1); ++i) {
        const PixelRect area = ClipToViewport(count ? rects[i] : whole, viewport);
        if (area.width <= 0 || area.height <= 0)
            continue;
        glScissor(area.x, area.y, area.width, area.height);
        glClear(mask);
    }
    glDisable(GL_SCISSOR_TEST);
    renderer_.ForgetWriteMasksAndViewport();
    return D3D_OK;
}

HRESULT Device::Present(const RECT*, const RECT*, HWND, const RGNDATA*)
{
    platform::OnFramePresented();
    if (IsLost())
        return D3DERR_DEVICELOST;
    if (!MakeCurrent())
        return D3DERR_DEVICELOST;
    CollectGlGarbage();
    int windowWidth = 0, windowHeight = 0;
    SDL_GL_GetDrawableSize(sdlWindow_, &windowWidth, &windowHeight);
    const int width = static_cast<int>(backBuffer_.Width()), height = static_cast<int>(backBuffer_.Height());
    // Windowed, the picture fills the client area; full screen, it keeps its aspect between bars.
    const PixelRect target = params_.Windowed ? PixelRect{0, 0, windowWidth, windowHeight}
                                              : LetterboxRect(width, height, windowWidth, windowHeight);
    // The front copy is taken first and flushed: a read of it after the swap must see this frame.
    backBuffer_.CopyToFront();
    glFlush();
    if (windowWidth > 0 && windowHeight > 0)
        backBuffer_.BlitToWindow(target, windowWidth, windowHeight);
    renderer_.ForgetWriteMasksAndViewport();
    SDL_GL_SwapWindow(sdlWindow_);
    targetChanged_ = true;
    return D3D_OK;
}

HRESULT Device::GetFrontBuffer(IDirect3DSurface8* destSurface)
{
    auto* destination = dynamic_cast<Surface*>(destSurface);
    if (!destination || destination->Desc().Format != D3DFMT_A8R8G8B8 || destination->Memory().empty())
        return D3DERR_INVALIDCALL;
    if (destination->Desc().Width < backBuffer_.Width() || destination->Desc().Height < backBuffer_.Height())
        return D3DERR_INVALIDCALL;
    if (!MakeCurrent())
        return D3DERR_DEVICELOST;
    backBuffer_.ReadFront(destination->Memory().data(), destination->Pitch());
    destination->MarkChanged();
    return D3D_OK;
}

}  // namespace d3d8

// The Direct3D 8 device over an OpenGL 3.3 core context. All state lives in plain memory (DeviceState)
// and the Get calls answer from it; GL is told the state at draw time by the renderer. Drawing goes to
// the back buffer's framebuffer, never to the window directly; Present copies it to the window.
#pragma once

#include <atomic>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "back_buffer.h"
#include "d3d8.h"
#include "device_state.h"
#include "gl_renderer.h"

struct SDL_Window;

namespace d3d8 {

class Surface;
class TrackedResource;

// GL objects whose owners went while the context was not current; deleted at the next chance.
struct GlGarbageList {
    std::vector<GLuint> textures, buffers, framebuffers, renderbuffers;
};

struct StateBlock {
    DeviceState values;
    StateMask mask;
};

class Device final : public IDirect3DDevice8 {
public:
    // Creates the context and the back buffer; null (with *result set) when GL cannot be had.
    static Device* Create(IDirect3D8* d3d, UINT adapter, D3DDEVTYPE type, HWND focusWindow, DWORD flags,
                          D3DPRESENT_PARAMETERS* params, HRESULT* result);
    ~Device() override;

    // IUnknown
    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    // Device and presentation
    HRESULT TestCooperativeLevel() override;
    UINT GetAvailableTextureMem() override;
    HRESULT ResourceManagerDiscardBytes(DWORD bytes) override;
    HRESULT GetDirect3D(IDirect3D8** d3d8) override;
    HRESULT GetDeviceCaps(D3DCAPS8* caps) override;
    HRESULT GetDisplayMode(D3DDISPLAYMODE* mode) override;
    HRESULT GetCreationParameters(D3DDEVICE_CREATION_PARAMETERS* parameters) override;
    HRESULT SetCursorProperties(UINT xHotSpot, UINT yHotSpot, IDirect3DSurface8* cursorBitmap) override;
    void SetCursorPosition(int x, int y, DWORD flags) override;
    BOOL ShowCursor(BOOL show) override;
    HRESULT Reset(D3DPRESENT_PARAMETERS* params) override;
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                    const RGNDATA* dirtyRegion) override;
    HRESULT GetBackBuffer(UINT backBuffer, D3DBACKBUFFER_TYPE type, IDirect3DSurface8** surface) override;
    HRESULT GetRasterStatus(D3DRASTER_STATUS* rasterStatus) override;
    void SetGammaRamp(DWORD flags, const D3DGAMMARAMP* ramp) override;
    void GetGammaRamp(D3DGAMMARAMP* ramp) override;

    // Resources
    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                          IDirect3DTexture8** texture) override;
    HRESULT CreateVolumeTexture(UINT width, UINT height, UINT depth, UINT levels, DWORD usage, D3DFORMAT format,
                                D3DPOOL pool, IDirect3DVolumeTexture8** volumeTexture) override;
    HRESULT CreateCubeTexture(UINT edgeLength, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                              IDirect3DCubeTexture8** cubeTexture) override;
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                               IDirect3DVertexBuffer8** vertexBuffer) override;
    HRESULT CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                              IDirect3DIndexBuffer8** indexBuffer) override;
    HRESULT CreateRenderTarget(UINT width, UINT height, D3DFORMAT format, D3DMULTISAMPLE_TYPE multiSample,
                               BOOL lockable, IDirect3DSurface8** surface) override;
    HRESULT CreateDepthStencilSurface(UINT width, UINT height, D3DFORMAT format, D3DMULTISAMPLE_TYPE multiSample,
                                      IDirect3DSurface8** surface) override;
    HRESULT CreateImageSurface(UINT width, UINT height, D3DFORMAT format, IDirect3DSurface8** surface) override;
    HRESULT CopyRects(IDirect3DSurface8* source, const RECT* sourceRects, UINT rectCount,
                      IDirect3DSurface8* destination, const POINT* destPoints) override;
    HRESULT UpdateTexture(IDirect3DBaseTexture8* source, IDirect3DBaseTexture8* destination) override;
    HRESULT GetFrontBuffer(IDirect3DSurface8* destSurface) override;

    // Render targets and frames
    HRESULT SetRenderTarget(IDirect3DSurface8* renderTarget, IDirect3DSurface8* newZStencil) override;
    HRESULT GetRenderTarget(IDirect3DSurface8** renderTarget) override;
    HRESULT GetDepthStencilSurface(IDirect3DSurface8** zStencilSurface) override;
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z, DWORD stencil) override;

    // State
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override;
    HRESULT GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix) override;
    HRESULT MultiplyTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override;
    HRESULT SetViewport(const D3DVIEWPORT8* viewport) override;
    HRESULT GetViewport(D3DVIEWPORT8* viewport) override;
    HRESULT SetMaterial(const D3DMATERIAL8* material) override;
    HRESULT GetMaterial(D3DMATERIAL8* material) override;
    HRESULT SetLight(DWORD index, const D3DLIGHT8* light) override;
    HRESULT GetLight(DWORD index, D3DLIGHT8* light) override;
    HRESULT LightEnable(DWORD index, BOOL enable) override;
    HRESULT GetLightEnable(DWORD index, BOOL* enable) override;
    HRESULT SetClipPlane(DWORD index, const float* plane) override;
    HRESULT GetClipPlane(DWORD index, float* plane) override;
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
    HRESULT GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) override;
    HRESULT BeginStateBlock() override;
    HRESULT EndStateBlock(DWORD* token) override;
    HRESULT ApplyStateBlock(DWORD token) override;
    HRESULT CaptureStateBlock(DWORD token) override;
    HRESULT DeleteStateBlock(DWORD token) override;
    HRESULT CreateStateBlock(D3DSTATEBLOCKTYPE type, DWORD* token) override;
    HRESULT SetClipStatus(const D3DCLIPSTATUS8* clipStatus) override;
    HRESULT GetClipStatus(D3DCLIPSTATUS8* clipStatus) override;
    HRESULT GetTexture(DWORD stage, IDirect3DBaseTexture8** texture) override;
    HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture8* texture) override;
    HRESULT GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value) override;
    HRESULT SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) override;
    HRESULT ValidateDevice(DWORD* numPasses) override;
    HRESULT GetInfo(DWORD devInfoId, void* devInfoStruct, DWORD devInfoStructSize) override;
    HRESULT SetPaletteEntries(UINT paletteNumber, const PALETTEENTRY* entries) override;
    HRESULT GetPaletteEntries(UINT paletteNumber, PALETTEENTRY* entries) override;
    HRESULT SetCurrentTexturePalette(UINT paletteNumber) override;
    HRESULT GetCurrentTexturePalette(UINT* paletteNumber) override;

    // Drawing
    HRESULT DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount) override;
    HRESULT DrawIndexedPrimitive(D3DPRIMITIVETYPE type, UINT minIndex, UINT numVertices, UINT startIndex,
                                 UINT primitiveCount) override;
    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount, const void* vertexData,
                            UINT vertexStride) override;
    HRESULT DrawIndexedPrimitiveUP(D3DPRIMITIVETYPE type, UINT minVertexIndex, UINT numVertexIndices,
                                   UINT primitiveCount, const void* indexData, D3DFORMAT indexFormat,
                                   const void* vertexData, UINT vertexStride) override;
    HRESULT ProcessVertices(UINT srcStartIndex, UINT destIndex, UINT vertexCount, IDirect3DVertexBuffer8* destBuffer,
                            DWORD flags) override;

    // Shaders (fixed function only: the handle of SetVertexShader is an FVF code) and streams
    HRESULT CreateVertexShader(const DWORD* declaration, const DWORD* function, DWORD* handle, DWORD usage) override;
    HRESULT SetVertexShader(DWORD handle) override;
    HRESULT GetVertexShader(DWORD* handle) override;
    HRESULT DeleteVertexShader(DWORD handle) override;
    HRESULT SetVertexShaderConstant(DWORD reg, const void* data, DWORD count) override;
    HRESULT GetVertexShaderConstant(DWORD reg, void* data, DWORD count) override;
    HRESULT SetStreamSource(UINT streamNumber, IDirect3DVertexBuffer8* streamData, UINT stride) override;
    HRESULT GetStreamSource(UINT streamNumber, IDirect3DVertexBuffer8** streamData, UINT* stride) override;
    HRESULT SetIndices(IDirect3DIndexBuffer8* indexData, UINT baseVertexIndex) override;
    HRESULT GetIndices(IDirect3DIndexBuffer8** indexData, UINT* baseVertexIndex) override;
    HRESULT CreatePixelShader(const DWORD* function, DWORD* handle) override;
    HRESULT SetPixelShader(DWORD handle) override;
    HRESULT GetPixelShader(DWORD* handle) override;
    HRESULT DeletePixelShader(DWORD handle) override;
    HRESULT SetPixelShaderConstant(DWORD reg, const void* data, DWORD count) override;
    HRESULT GetPixelShaderConstant(DWORD reg, void* data, DWORD count) override;

    // For the resources, the renderer and the test hooks.
    void RegisterResource(TrackedResource* resource);
    void UnregisterResource(TrackedResource* resource);
    GlGarbageList& GlGarbage() { return garbage_; }
    int LiveDefaultPoolResources() const;
    const DeviceState& State() const { return state_; }
    const D3DPRESENT_PARAMETERS& PresentParameters() const { return params_; }
    Surface* CurrentRenderTarget() const { return renderTarget_; }
    Surface* CurrentDepthStencil() const { return depthStencil_; }
    bool MakeCurrent();
    // Binds the current render target's framebuffer (with the current depth surface) on the context.
    bool BindRenderTarget();
    void ForceLoss();
    void EndForcedLoss();
    int DrawCalls() const { return drawCalls_; }

private:
    Device(IDirect3D8* d3d, UINT adapter, D3DDEVTYPE type, HWND window, DWORD flags);
    bool InitGl(bool software);
    bool CreateBackBuffer();
    void ReleaseImplicitSurfaces();
    void FillPresentParameters(D3DPRESENT_PARAMETERS& params) const;
    void ApplyPresentationMode();
    bool UpdateLossFromFocus();
    bool IsLost() { return UpdateLossFromFocus(); }
    void CollectGlGarbage();
    void ResetStateToDefaults();
    DeviceState& WritableState();
    StateMask* RecordingMask();
    HRESULT ValidateAndDraw(const DrawCall& call);

    std::atomic<ULONG> refs_{1};
    IDirect3D8* d3d_;
    D3DDEVICE_CREATION_PARAMETERS creation_;
    HWND window_;
    SDL_Window* sdlWindow_ = nullptr;
    void* context_ = nullptr;
    D3DPRESENT_PARAMETERS params_{};
    D3DDISPLAYMODE desktopMode_{};
    BackBuffer backBuffer_;
    Surface* backBufferSurface_ = nullptr;
    Surface* autoDepthSurface_ = nullptr;
    Surface* renderTarget_ = nullptr;
    Surface* depthStencil_ = nullptr;
    bool targetChanged_ = true;

    DeviceState state_;
    std::optional<StateBlock> recording_;
    std::map<DWORD, StateBlock> stateBlocks_;
    DWORD nextStateBlock_ = 1;

    bool inScene_ = false;
    bool fullscreenApplied_ = false;
    UINT swapInterval_ = 0;
    bool lost_ = false;
    bool forcedLoss_ = false;
    bool sawForegroundLoss_ = false;
    int drawCalls_ = 0;

    std::set<TrackedResource*> resources_;
    GlGarbageList garbage_;
    GLRenderer renderer_;
};

// Our device behind an interface pointer, or null for anything else.
Device* AsDevice(IDirect3DDevice8* device);

}  // namespace d3d8

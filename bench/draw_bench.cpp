// Per-draw cost of a 36-vertex textured mesh at three levels in one program and one GL context:
// the engine's object (Render and FastRender), the device (the same Direct3D 8 calls without the
// engine) and OpenGL itself, each presenting (or swapping) every N draws, N the argument. Then the
// operations the demo makes often between draws. Google Benchmark's CPU column is this thread's
// CPU time, so the software rasteriser's own threads do not count in it; the wall time does.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>

#include <cstdlib>
#include <vector>

#include "bench_cases.h"
#include "bench_scene.h"
#include "screen/Screen.h"

namespace bench {

namespace {

void RunObjectDraws(benchmark::State& state, bool fast)
{
    CBenchCube cube;
    cube.SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
    cube.Init();
    IDirect3DTexture8* texture = SharedTexture();
    cube.SetTexture(texture, 0);
    cube.SetSize(0.02f);
    cube.EnableCulling(false);
    {
        PresentCadence cadence(state);
        int draws = 0;
        if (fast)
            cube.Render();  // FastRender draws with what the previous draw left
        for (auto _ : state) {
            cube.SetPosition(DrawOffset(draws++), 0.0f, 0.0f);
            if (fast)
                cube.FastRender();
            else
                cube.Render();
            cadence.Drew();
        }
    }
    ReportDraws(state);
    cube.CleanUp();
}

void BM_ObjectRender(benchmark::State& state) { RunObjectDraws(state, false); }
void BM_ObjectFastRender(benchmark::State& state) { RunObjectDraws(state, true); }

D3DMATERIAL8 GreyMaterial()
{
    D3DMATERIAL8 material = {};
    material.Diffuse = material.Ambient = {0.5f, 0.5f, 0.5f, 1.0f};
    return material;
}

// Every call Render makes, straight to the device.
// The cube's stream, indices, material and texture, as Render binds them.
void BindCube(IDirect3DDevice8* device, const DeviceCube& cube, const D3DMATERIAL8& material)
{
    device->SetVertexShader(D3DFVF_S3DVERTEX);
    device->SetStreamSource(0, cube.vertices, sizeof(S3DVERTEX));
    device->SetIndices(cube.indices, 0);
    device->SetMaterial(&material);
    device->SetTexture(0, SharedTexture());
}

void BM_DeviceDraw(benchmark::State& state)
{
    IDirect3DDevice8* device = Device();
    DeviceCube cube;
    const D3DMATERIAL8 material = GreyMaterial();
    {
        PresentCadence cadence(state);
        int draws = 0;
        for (auto _ : state) {
            SetObjectTransforms(device, DrawOffset(draws++));
            SetObjectStates(device);
            BindCube(device, cube, material);
            device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 36, 0, 12);
            cadence.Drew();
        }
    }
    device->SetTexture(0, nullptr);
    ReportDraws(state);
}

// Only the world matrix between draws, as FastRender does.
void BM_DeviceFastDraw(benchmark::State& state)
{
    IDirect3DDevice8* device = Device();
    DeviceCube cube;
    const D3DMATERIAL8 material = GreyMaterial();
    SetObjectTransforms(device, 0.0f);
    SetObjectStates(device);
    BindCube(device, cube, material);
    D3DXMATRIX world;
    D3DXMatrixScaling(&world, 0.02f, 0.02f, 0.02f);
    {
        PresentCadence cadence(state);
        int draws = 0;
        for (auto _ : state) {
            world._41 = DrawOffset(draws++);
            device->SetTransform(D3DTS_WORLD, &world);
            device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 36, 0, 12);
            cadence.Drew();
        }
    }
    device->SetTexture(0, nullptr);
    ReportDraws(state);
}

GLuint Compile(GLenum kind, const char* source)
{
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

// The same 36 vertices through a minimal textured program, one uniform and one draw per draw, at
// the same few pixels on screen, swapping the window every N draws.
void BM_RawOpenGL(benchmark::State& state)
{
    const char* vs = "#version 330 core\nlayout(location=0) in vec3 p; layout(location=1) in vec2 t;\n"
                     "uniform mat4 m; out vec2 uv; void main(){ uv=t; gl_Position=m*vec4(p,1.0); }";
    const char* fs = "#version 330 core\nin vec2 uv; uniform sampler2D s; out vec4 c;\n"
                     "void main(){ c=texture(s,uv); }";
    GLuint program = glCreateProgram();
    GLuint vertex = Compile(GL_VERTEX_SHADER, vs), fragment = Compile(GL_FRAGMENT_SHADER, fs);
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    std::vector<float> data;
    for (int i = 0; i < 36; ++i) {
        const float x = (i % 3 == 1) ? 0.5f : -0.5f, y = (i % 3 == 2) ? 0.5f : -0.5f;
        data.insert(data.end(), {x, y, (i / 6) * 0.1f + 0.3f, x + 0.5f, y + 0.5f});
    }
    std::vector<GLushort> indices(36);
    for (int i = 0; i < 36; ++i)
        indices[i] = static_cast<GLushort>(i);
    GLuint vao, buffers[2], texture;
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(2, buffers);
    glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
    glBufferData(GL_ARRAY_BUFFER, data.size() * sizeof(float), data.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[1]);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indices.size() * 2, indices.data(), GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 20, nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 20, reinterpret_cast<void*>(12));
    const GLuint texels[4] = {0xFFFFFFFF, 0xFF808080, 0xFF808080, 0xFFFFFFFF};
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glUseProgram(program);
    const GLint matrix = glGetUniformLocation(program, "m");
    float m[16] = {0.01f, 0, 0, 0, 0, 0.01f, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 1};
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    const int cadence = static_cast<int>(state.range(0));
    int draws = 0;
    for (auto _ : state) {
        m[12] = DrawOffset(draws);
        glUniformMatrix4fv(matrix, 1, GL_FALSE, m);
        glDrawElements(GL_TRIANGLES, 36, GL_UNSIGNED_SHORT, nullptr);
        if (++draws % cadence == 0)
            SDL_GL_SwapWindow(window);
    }
    SDL_GL_SwapWindow(window);
    ReportDraws(state);
    glDeleteTextures(1, &texture);
    glDeleteBuffers(2, buffers);
    glDeleteVertexArrays(1, &vao);
    glDeleteProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
}

void AtCadences(benchmark::internal::Benchmark* b) { b->Arg(100)->Arg(1000)->MinTime(0.5); }

// Explicit order: raw GL last, since it changes GL state behind the device's back.
void RegisterAll()
{
    AtCadences(benchmark::RegisterBenchmark("BM_ObjectRender", BM_ObjectRender));
    AtCadences(benchmark::RegisterBenchmark("BM_ObjectFastRender", BM_ObjectFastRender));
    AtCadences(benchmark::RegisterBenchmark("BM_DeviceDraw", BM_DeviceDraw));
    AtCadences(benchmark::RegisterBenchmark("BM_DeviceFastDraw", BM_DeviceFastDraw));
    RegisterCases(AtCadences);
    AtCadences(benchmark::RegisterBenchmark("BM_RawOpenGL", BM_RawOpenGL));
}

class CBenchListener : public CScreenListener {
public:
    int argc = 0;
    char** argv = nullptr;
    void Run() override
    {
        CScreen& screen = CScreen::Instance();
        screen.SetCamera(0.0f, 0.0f, -3.0f, 0.0f, 0.0f, 1.0f);
        screen.BeginScene(true);
        screen.EndScene(true);
        IDirect3DTexture8* texture = nullptr;
        D3DXCreateTexture(screen.GetD3DDevice(), 2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture);
        SetSharedTexture(texture);
        RegisterAll();
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        texture->Release();
    }
};

// --bench_resolution=1024x768 picks the back buffer's size (640x480 by default).
TResolutionEnum ResolutionOption(int* argc, char** argv)
{
    TResolutionEnum resolution = RES_640x480;
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--bench_resolution=800x600")
            resolution = RES_800x600;
        else if (arg == "--bench_resolution=1024x768")
            resolution = RES_1024x768;
        else if (arg != "--bench_resolution=640x480")
            argv[kept++] = argv[i];
    }
    *argc = kept;
    return resolution;
}

}  // namespace

}  // namespace bench

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    bench::CBenchListener listener;
    const TResolutionEnum resolution = bench::ResolutionOption(&argc, argv);
    listener.argc = argc;
    listener.argv = argv;
    CScreen& screen = CScreen::Instance();
    screen.SetListener(listener);
    screen.ViewInfo(false);
    screen.SetResolution(resolution);
    screen.Display();
    return 0;
}

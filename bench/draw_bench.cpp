// Draws per second of a 36-vertex textured mesh through the engine's object (Render and FastRender)
// and the same draws issued straight to OpenGL, in one program and one GL context, so the layer's
// cost is a ratio measured side by side.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "objects/BaseObject.h"
#include "screen/Screen.h"

namespace {

const int kBatch = 100;  // draws between presents, so the queue of GL work stays bounded

// A cube of 12 unshared triangles: 36 vertices, textured.
class CBenchCube : public CBaseObject {
public:
    void Init() override
    {
        PreInit();
        SetNumberVertices(36);
        SetNumberFaces(12);
        CBaseObject::Init();
        unsigned long faces = 0;
        if (WORD* indices = LockIB(faces)) {
            for (unsigned long i = 0; i < faces * 3; ++i)
                indices[i] = static_cast<WORD>(i);
            UnlockIB();
        }
        unsigned long count = 0;
        S3DVERTEX* v = LockVB(count);
        if (!v)
            return;
        for (unsigned long i = 0; i < count; ++i) {
            v[i].x = (i % 3 == 1) ? 0.5f : -0.5f;
            v[i].y = (i % 3 == 2) ? 0.5f : -0.5f;
            v[i].z = static_cast<float>(i / 6) * 0.1f - 0.3f;
            v[i].color = 0xFFFFFFFF;
            v[i].tu = v[i].x + 0.5f;
            v[i].tv = v[i].y + 0.5f;
        }
        UnlockVB(true);
    }
};

IDirect3DTexture8* g_texture = nullptr;

void Present() { CScreen::Instance().GetD3DDevice()->Present(nullptr, nullptr, nullptr, nullptr); }

void RunObjectDraws(benchmark::State& state, bool fast)
{
    CBenchCube cube;
    cube.SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
    cube.Init();
    cube.SetTexture(g_texture, 0);
    // A few pixels on screen and no culling in either path: the cost measured is the draw's, not
    // the software rasteriser's.
    cube.SetSize(0.02f);
    cube.EnableCulling(false);
    IDirect3DDevice8* device = CScreen::Instance().GetD3DDevice();
    device->BeginScene();
    int draws = 0;
    for (auto _ : state) {
        if (fast)
            cube.FastRender();
        else
            cube.Render();
        if (++draws % kBatch == 0) {
            device->EndScene();
            Present();
            device->BeginScene();
        }
    }
    device->EndScene();
    Present();
    state.SetItemsProcessed(state.iterations());
    cube.CleanUp();
}

void BM_BaseObjectRender(benchmark::State& state) { RunObjectDraws(state, false); }
void BM_BaseObjectFastRender(benchmark::State& state) { RunObjectDraws(state, true); }

GLuint Compile(GLenum kind, const char* source)
{
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

// The same 36 vertices through a minimal textured program, one uniform and one draw per iteration,
// at the same few pixels on screen.
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
    int draws = 0;
    for (auto _ : state) {
        m[12] = (draws % 10) * 0.001f;
        glUniformMatrix4fv(matrix, 1, GL_FALSE, m);
        glDrawElements(GL_TRIANGLES, 36, GL_UNSIGNED_SHORT, nullptr);
        if (++draws % kBatch == 0)
            glFinish();  // the engine's presents wait for the picture too
    }
    glFinish();
    state.SetItemsProcessed(state.iterations());
    glDeleteTextures(1, &texture);
    glDeleteBuffers(2, buffers);
    glDeleteVertexArrays(1, &vao);
    glDeleteProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
}

BENCHMARK(BM_BaseObjectRender)->MinTime(1.0);
BENCHMARK(BM_BaseObjectFastRender)->MinTime(1.0);
// Last: it changes GL state behind the device's back.
BENCHMARK(BM_RawOpenGL)->MinTime(1.0);

class CBenchListener : public CScreenListener {
public:
    int argc;
    char** argv;
    void Run() override
    {
        CScreen& screen = CScreen::Instance();
        screen.SetCamera(0.0f, 0.0f, -3.0f, 0.0f, 0.0f, 1.0f);
        screen.BeginScene(true);
        screen.EndScene(true);
        D3DXCreateTexture(screen.GetD3DDevice(), 2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &g_texture);
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        g_texture->Release();
    }
};

}  // namespace

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    CBenchListener listener;
    listener.argc = argc;
    listener.argv = argv;
    CScreen& screen = CScreen::Instance();
    screen.SetListener(listener);
    screen.ViewInfo(false);
    screen.SetResolution(RES_640x480);
    screen.Display();
    return 0;
}

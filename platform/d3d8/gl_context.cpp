#include "gl_context.h"

#include <SDL.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "win32_internal.h"

namespace d3d8 {

namespace {

// GL drivers allocate and free large blocks at every draw (the software rasteriser its vertex
// buffers). With glibc's defaults such a block is mapped for itself or, freed at the top of a
// thread's heap, handed back to the kernel, and the next draw faults every page of it in again.
// Larger thresholds keep those pages in the heap; the memory kept is bounded by the trim threshold.
void KeepDriverBlocksInHeap()
{
#if defined(__GLIBC__)
    static const bool tuned = [] {
        mallopt(M_MMAP_THRESHOLD, 16 << 20);
        mallopt(M_TRIM_THRESHOLD, 32 << 20);
        return true;
    }();
    (void)tuned;
#endif
}

}  // namespace

void* CreateCoreContext(SDL_Window* window, bool software)
{
    if (!window)
        return nullptr;
    KeepDriverBlocksInHeap();
    int previousAcceleration = -1;
    SDL_GL_GetAttribute(SDL_GL_ACCELERATED_VISUAL, &previousAcceleration);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (software)
        SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, 0);
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (software)
        SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, previousAcceleration);
    if (!context)
        return nullptr;
    if (SDL_GL_MakeCurrent(window, context) != 0) {
        SDL_GL_DeleteContext(context);
        return nullptr;
    }
    platform::NoteGlContextCreated();
    return context;
}

void DestroyContext(void* context)
{
    if (!context)
        return;
    SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context));
    platform::NoteGlContextDestroyed();
}

bool MakeContextCurrent(SDL_Window* window, void* context)
{
    if (!context)
        return false;
    if (SDL_GL_GetCurrentContext() == context)
        return true;
    return SDL_GL_MakeCurrent(window, static_cast<SDL_GLContext>(context)) == 0;
}

}  // namespace d3d8

#include "gl_context.h"

#include <SDL.h>

#include "win32_internal.h"

namespace d3d8 {

void* CreateCoreContext(SDL_Window* window, bool software)
{
    if (!window)
        return nullptr;
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

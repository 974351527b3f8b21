// The device's GL context: OpenGL 3.3 core on the device window, made on the calling thread.
#pragma once

struct SDL_Window;

namespace d3d8 {

// A 3.3 core context current on this thread, or null. With software true the context is asked for
// without hardware acceleration (the reference device's second try).
void* CreateCoreContext(SDL_Window* window, bool software);
void DestroyContext(void* context);
// Makes the context current on this thread if it is not; false if that is impossible.
bool MakeContextCurrent(SDL_Window* window, void* context);

}  // namespace d3d8

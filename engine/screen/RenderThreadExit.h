// Thrown by BeginScene once the window has closed: it unwinds the listener and ends the render thread
// without ever returning to the listener's frame loop.
#pragma once

struct CRenderThreadExit {};

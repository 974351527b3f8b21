// The OpenGL 3.3 core entry points the device uses, linked directly from the system's GL library.
#pragma once

#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include <GL/glcorearb.h>

// The Direct3D 8 utility library: math, and the texture and mesh helpers where they are built.
#pragma once

#include "d3dx8math.h"

#if __has_include("d3dx8tex.h")
#include "d3dx8tex.h"
#endif
#if __has_include("d3dx8mesh.h")
#include "d3dx8mesh.h"
#endif

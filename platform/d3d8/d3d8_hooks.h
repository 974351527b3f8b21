// Hooks for tests and tools that drive the Direct3D 8 device without a person.
#pragma once

#include "d3d8.h"

namespace platform {

// Makes the device lost, as if its full-screen window had lost the foreground. It stays lost until
// RestoreDevice or, for a full-screen device, until its window has lost and regained the foreground;
// after that it waits for Reset like any lost device.
void ForceDeviceLoss(IDirect3DDevice8* device);
void RestoreDevice(IDirect3DDevice8* device);
// How many default-pool resources of the device the application still holds (the ones that make
// Reset fail): textures, buffers and surfaces of the default pool, and references to the back buffer
// and the automatic depth buffer.
int LiveDefaultPoolResources(IDirect3DDevice8* device);
// How many draw calls the device has accepted since it was created.
int DrawCallCount(IDirect3DDevice8* device);
// How many fixed-function GL programs all devices have built so far; repeated frames with the same
// states build none.
int CompiledProgramCount();

}  // namespace platform

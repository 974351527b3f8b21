// What the draw benchmarks share: the screen's device, a present cadence, the 36-vertex cube at the
// engine and at the device level, and the small texture they all sample.
#pragma once

#include <benchmark/benchmark.h>
#include <d3d8.h>

#include "objects/BaseObject.h"

namespace bench {

IDirect3DDevice8* Device();
IDirect3DTexture8* SharedTexture();
void SetSharedTexture(IDirect3DTexture8* texture);

// A scene is open between presents; every `cadence` draws it is ended, presented and reopened.
class PresentCadence {
public:
    explicit PresentCadence(const benchmark::State& state);
    ~PresentCadence();
    // Counts one draw and presents when the cadence is reached.
    void Drew();

private:
    int cadence_;
    int draws_ = 0;
};

// Reports per-draw figures: items are draws, and the cadence goes in the label.
void ReportDraws(benchmark::State& state, int drawsPerIteration = 1);

// The offset every level gives its draws, so each draw changes the world matrix as a moving
// object's would.
float DrawOffset(int draw);

// A cube of 12 unshared triangles: 36 vertices, textured.
void FillCube(S3DVERTEX* vertices, int count);

class CBenchCube : public CBaseObject {
public:
    void Init() override;
};

// The same cube made with the device alone: a managed vertex and index buffer.
struct DeviceCube {
    IDirect3DVertexBuffer8* vertices = nullptr;
    IDirect3DIndexBuffer8* indices = nullptr;
    DeviceCube();
    ~DeviceCube();
};

// The view and projection the screen gives an object, and a world matrix at an offset: a
// perspective object's transforms, set straight on the device.
void SetObjectTransforms(IDirect3DDevice8* device, float offset);
// The render and stage states CBaseObject::Render sets for a lit, textured, unculled object.
void SetObjectStates(IDirect3DDevice8* device);

}  // namespace bench

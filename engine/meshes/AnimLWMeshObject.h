// A numbered series of LightWave object files (name_0.lwo, name_1.lwo, ...) played as a vertex
// animation: file 0 gives the buffers, materials and normals, files 1 .. n-1 are key frames whose
// point positions are blended linearly, one key frame per time slice, in a loop.
#pragma once

#include <vector>

#include "meshes/LWKeyFrames.h"
#include "meshes/LWMeshObject.h"

class CAnimLWMeshObject : public CLWMeshObject {
public:
    CAnimLWMeshObject();
    ~CAnimLWMeshObject() override;

    // Key frames per second.
    void SetSpeed(float keysPerSecond);
    void Init() override;
    void CleanUp() override;
    // Blends the key frames for the screen's time into the vertex buffer, then draws.
    void Render() override;
    // Scales the stored positions of every file; the buffer follows at the next Render.
    void Resize(float factor);

protected:
    // One blending step at the given screen time.
    void BlendAt(float now);
    unsigned int GetNumberOfFiles();
    CString SeriesFile(unsigned int index) const;

    float m_fFrameDuration;
    float m_fLastSwitch;
    unsigned int m_nCurrentKey;
    std::vector<SLWKeyFrame> m_pKeyFrames;
    unsigned int m_nFiles;

private:
    void Move();
    void LoadKeyFrames(int vertices);

    CString m_strPrefix;
};

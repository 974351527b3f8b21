// What the path is edited against: a sky box around the viewer, a ground grid on y = 0 and, when
// given, a model that follows the path.
#pragma once

#include <memory>
#include <string>

#include "meshes/FileMeshObject.h"
#include "motion/Move.h"
#include "objects/Light.h"
#include "objects/PlaneObject.h"
#include "objects/SkyBoxObject.h"

class CReferenceScene {
public:
    // model: a .lwo, .3ds or .x file, or empty for none. Builds on the screen's device.
    CReferenceScene(const std::string& model, float modelSize);
    CReferenceScene(const CReferenceScene&) = delete;
    CReferenceScene& operator=(const CReferenceScene&) = delete;
    ~CReferenceScene();

    // Draws the scene, the model where the path is now, and leaves the sun off.
    void Render(CMove& path);

private:
    void BuildSky();
    void BuildGround();
    void BuildModel(const std::string& model, float modelSize);

    CSkyBoxObject m_Sky;
    // Lent to the sky box's sides; the scene releases it.
    IDirect3DTexture8* m_pSkyPicture = nullptr;
    CPlaneObject m_Ground;
    CLight m_Light;
    std::unique_ptr<CFileMeshObject> m_pModel;
};

// The demo's models, each built as a Mesh (or, for the sausage, an XMesh) and the pictures they wear.
#pragma once

#include <string>
#include <vector>

#include "core/Image.h"
#include "models/Mesh.h"
#include "models/XWriter.h"

namespace datagen {

Mesh BuildCube();            // uvcube.lwo
Mesh BuildBevelledCube();    // uvcube_1-2.lwo
Mesh BuildExtrudedCube();    // uvcube_2-3.lwo
Mesh BuildTwistedCube();     // uvcube_3-4.lwo
Mesh BuildRoundedCube();     // uvcube_4-5.lwo
Mesh BuildSpikedCube();      // uvcube_5-6.lwo
Mesh BuildOpenedCube();      // uvcube_6-1.lwo
Mesh BuildRavelle();         // ravelle.lwo
Mesh BuildWheel();           // roue.lwo
Mesh BuildStar();            // rtoile.lwo
Mesh BuildHand();            // hand.lwo
XMesh BuildSausage();        // sausage.x

Image DrawRavelleMetal();    // ravelle_metal.png
Image DrawWheelTyre();       // roue_tyre.png
Image DrawWheelChrome();     // roue_chrome.png
Image DrawStarGlow();        // rtoile_glow.png

struct LightWaveModel {
    const char* file;
    Mesh (*build)();
};

// Every LightWave model of the demo, by the file name the demo loads.
const std::vector<LightWaveModel>& LightWaveModels();

}  // namespace datagen

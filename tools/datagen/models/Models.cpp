// The models family of the Data folder: every model the demo loads and every picture those models
// name, written under the names the demo and the models use.
#include "core/DataFolder.h"
#include "models/CubeSkin.h"
#include "models/LwoWriter.h"
#include "models/Models.h"

namespace datagen {

const std::vector<LightWaveModel>& LightWaveModels()
{
    static const std::vector<LightWaveModel> models{
        {"uvcube.lwo", BuildCube},         {"uvcube_1-2.lwo", BuildBevelledCube}, {"uvcube_2-3.lwo", BuildExtrudedCube},
        {"uvcube_3-4.lwo", BuildTwistedCube}, {"uvcube_4-5.lwo", BuildRoundedCube}, {"uvcube_5-6.lwo", BuildSpikedCube},
        {"uvcube_6-1.lwo", BuildOpenedCube}, {"ravelle.lwo", BuildRavelle},        {"roue.lwo", BuildWheel},
        {"rtoile.lwo", BuildStar},         {"hand.lwo", BuildHand},
    };
    return models;
}

void WriteModels(DataFolder& folder)
{
    for (const LightWaveModel& model : LightWaveModels())
        folder.WriteFile(model.file, EncodeLwo2(model.build()));
    const std::string sausage = EncodeXText(BuildSausage(), "Sausage");
    folder.WriteFile("sausage.x", std::vector<uint8_t>(sausage.begin(), sausage.end()));
    folder.WritePicture(kCubeSkin, DrawCubeSkin());
    folder.WritePicture("ravelle_metal.png", DrawRavelleMetal());
    folder.WritePicture("roue_tyre.png", DrawWheelTyre());
    folder.WritePicture("roue_chrome.png", DrawWheelChrome());
    folder.WritePicture("rtoile_glow.png", DrawStarGlow());
}

}  // namespace datagen

#include "model_test_support.h"

#include <cstdlib>
#include <vector>

namespace model_test {

namespace {

std::filesystem::path NewTemporaryRoot()
{
    std::string pattern = ::testing::TempDir() + "datagen_models_XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back(0);
    if (!mkdtemp(name.data()))
        throw std::runtime_error("cannot make a temporary folder");
    return name.data();
}

}  // namespace

GeneratedData::GeneratedData() : m_root(NewTemporaryRoot()), m_folder(m_root)
{
    datagen::WriteModels(m_folder);
}

const GeneratedData& Generated()
{
    static const GeneratedData data;
    return data;
}

const std::map<std::string, lwo_test::SLoaded>& LoadedModels()
{
    static const std::map<std::string, lwo_test::SLoaded> loaded = [] {
        std::map<std::string, lwo_test::SLoaded> models;
        RunScreen({}, [&] {
            for (const datagen::LightWaveModel& model : datagen::LightWaveModels()) {
                lwo_test::BoxRecorder recorder;
                models[model.file] = lwo_test::LoadOnRunningScreen(Generated().EngineName(model.file));
                models[model.file].boxes = recorder.boxes;
            }
        });
        return models;
    }();
    return loaded;
}

D3DXVECTOR3 Corner(const lwo_test::SLoaded& mesh, size_t triangle, int corner)
{
    const S3DVERTEX& v = mesh.vertices[mesh.indices[3 * triangle + corner]];
    return {v.x, v.y, v.z};
}

}  // namespace model_test

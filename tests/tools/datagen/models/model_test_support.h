// Helpers of the model tests: the models family generated once into a temporary Data folder, and
// every LightWave model of it loaded by the engine's reader on one headless screen run.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "../../../engine/meshes/lw_mesh_load.h"
#include "core/DataFolder.h"
#include "models/Models.h"

namespace model_test {

// The models family written into a folder of its own, removed when the program ends.
class GeneratedData {
public:
    GeneratedData();
    ~GeneratedData() { std::filesystem::remove_all(m_root); }
    const datagen::DataFolder& Folder() const { return m_folder; }
    // The engine's name of a file of the Data folder (the leaf after a backslash, as the demo writes it).
    std::string EngineName(const std::string& leaf) const { return m_folder.DataPath().string() + "\\" + leaf; }
    std::string EngineDirectory() const { return m_folder.DataPath().string() + "\\"; }

private:
    std::filesystem::path m_root;
    datagen::DataFolder m_folder;
};

const GeneratedData& Generated();

// What the engine built from each LightWave model (by file name), with the message boxes of its load.
const std::map<std::string, lwo_test::SLoaded>& LoadedModels();

// The triangle's three corners from the loaded buffers.
D3DXVECTOR3 Corner(const lwo_test::SLoaded& mesh, size_t triangle, int corner);

}  // namespace model_test

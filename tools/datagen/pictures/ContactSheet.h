// The contact sheet: every picture of a Data folder with its name, on one PNG.
#pragma once

#include <string>

#include "core/DataFolder.h"

namespace datagen {

void SaveContactSheet(const DataFolder& folder, const std::string& path);

}  // namespace datagen

// The key frames of an animated LightWave series: every file is read the way file 0 was (triangles
// sorted by material, creases split where file 0's positions split them), so all frames list the same
// points in the buffer's order.
#pragma once

#include <vector>

#include "meshes/LWObjectReader.h"

using SLWKeyFrame = std::vector<CLWObjectReader::SLWVertex>;

// Reads one file image of the series (null when the file could not be read) as a key frame of a model
// whose buffer holds vertices points. File 0 is read with no base; later files with file 0's frame as
// base, whose positions decide their crease splits. The frame holds exactly vertices points: those a
// damaged or shorter file lacks take the base's (zero for file 0). Polygon tags set no materials.
SLWKeyFrame ReadKeyFrame(CLWObjectReader& reader, const std::vector<unsigned char>* image, const SLWKeyFrame* base,
                         int vertices, CLWObjectReader::SOptions options);

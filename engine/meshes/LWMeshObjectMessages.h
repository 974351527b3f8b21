// The texts of the LightWave reader's message boxes, shared by its source files and its tests.
#pragma once

namespace lw_messages {

constexpr const char* kNoForm = "File is not LW model (can't find FORM chunk)";
constexpr const char* kNoLwo2 = "File is not LW 6.x - 7.x  model (can't find LWO2 chunk)";
constexpr const char* kTooManyClips = "This loader supports only 256 textures... we are lamers.";
// Stored in the Windows Latin-1 code page (0xEA is e circumflex).
constexpr const char* kNotStill =
    "This loader supports only still image texture. it does not support animation as texture "
    "(r\xEAve pas Zarn! :) )";
constexpr const char* kMultiLayer =
    "This loader does not support multi layer objects, please flatten your objet before loading.";
constexpr const char* kNotFace =
    "This loader supports only regular polygons. it does not support Catmull-rom splines, bone, "
    "metaballs or subdivision patches";
constexpr const char* kNoFaces =
    "This loader supports only polygons with 3 or more vertices. It does not support 2 points polys, "
    "or 1 point polys";
constexpr const char* kNotSurfTag = "Found another tag then SURF after PTAG tag. I don't like that.";
constexpr const char* kNotColr = "Found another tag then COLR after SURF tag. I don't like that.";
constexpr const char* kNotTxuv = "Loader does only support UV texture mapping no other weird things, forget it";

// Malformed files the reader refuses rather than read or write out of bounds.
constexpr const char* kTruncated =
    "File is truncated or damaged (a chunk goes past the end of the file), I stop here.";
constexpr const char* kBadIndex =
    "File is damaged (a polygon, UV map or tag names a point or polygon that does not exist), I stop here.";
constexpr const char* kTooManyCorners =
    "This loader supports only 1024 triangles around one point... flatten your model a bit.";
constexpr const char* kTooManyPoints =
    "This loader supports only 65536 points after splitting UV seams and creases, your model is too big.";

}  // namespace lw_messages

// The last presented picture, read back and written as a PNG file.
#pragma once

#include <string>

// Reads the front buffer of the screen's device and writes it as an 8-bit RGB PNG. The bytes depend
// only on the picture. False when the picture cannot be read or the file written.
bool SaveFrontBufferPng(const std::string& path);

// The last presented picture, read back and written as a PNG file.
#pragma once

#include <string>
#include <vector>

// The front buffer as 8-bit RGB rows, top first. False when it cannot be read.
bool ReadFrontBuffer(std::vector<unsigned char>& rgb, int& width, int& height);
// Writes 8-bit RGB rows as a PNG file; the bytes depend only on the picture.
bool WriteRgbPng(const std::string& path, const std::vector<unsigned char>& rgb, int width, int height);
// The front buffer written as a PNG file. False when it cannot be read or written.
bool SaveFrontBufferPng(const std::string& path);

// Values of the keyboard word (CKeyboard::ReadData adds up the value of every key held, so a test for
// one value is true only while exactly those keys are held).
#pragma once

#include <cstdint>

namespace demo_keys {
constexpr uint32_t kUp = 4;
constexpr uint32_t kDown = 8;
constexpr uint32_t kSpace = 16;
constexpr uint32_t kEscape = 32;
constexpr uint32_t kF1 = 64;  // F1 to F8 double from here: 64 ... 8192
constexpr uint32_t kDigit1 = 0x20000;  // digits 1 to 9 double from here; 0 is 0x4000000
constexpr uint32_t kDigit0 = 0x4000000;
constexpr uint32_t kRightControl = 0x8000000;
constexpr uint32_t kLeftShift = 0x40000000;
// Left Shift, Right Ctrl, 7, 8, 9, Up and Down together and no other key: the hidden part.
constexpr uint32_t kHiddenPartCombination = 0x4B80000C;
}  // namespace demo_keys

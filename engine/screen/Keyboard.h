// The keyboard, polled through DirectInput and handed out as words of key bits.
#pragma once

#include <dinput.h>

#include <cstdint>

class CKeyboard {
public:
    CKeyboard();
    CKeyboard(const CKeyboard& other) = default;
    CKeyboard& operator=(const CKeyboard& other) = default;
    virtual ~CKeyboard();

    void Init();
    void CleanUp();
    // Arrows, Space, Escape, F1 to F10, Return, the digits, Controls, Shifts and Tab.
    uint32_t ReadData();
    // F11, F12, R, T, Z and X.
    uint32_t ReadData2();

private:
    struct SKeyBit {
        uint8_t scanCode;
        uint32_t bit;
    };
    uint32_t ReadBits(const SKeyBit* table, int count);

    IDirectInput8* m_pDI;
    IDirectInputDevice8* m_pDevice;
};

// The mouse, polled through DirectInput: movement since the last poll and the buttons.
#pragma once

#include <dinput.h>

#include <cstdint>

class CMouse {
public:
    CMouse();
    CMouse(const CMouse& other) = default;
    CMouse& operator=(const CMouse& other) = default;
    virtual ~CMouse();

    void Init();
    void CleanUp();
    // Movement since the last poll (z is the wheel); bits 0 to 2 for buttons 0 to 2.
    uint8_t ReadData(long& x, long& y, long& z);

private:
    IDirectInput8* m_pDI;
    IDirectInputDevice8* m_pDevice;
    int32_t m_lX;
    int32_t m_lY;
    int32_t m_lZ;
};

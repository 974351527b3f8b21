#include "screen/Mouse.h"

#include "screen/InputDevice.h"

CMouse::CMouse() : m_pDI(nullptr), m_pDevice(nullptr), m_lX(0), m_lY(0), m_lZ(0) {}
CMouse::~CMouse() {}

void CMouse::Init() { input_device::Open(GUID_SysMouse, c_dfDIMouse, m_pDI, m_pDevice); }

void CMouse::CleanUp() { input_device::Close(m_pDI, m_pDevice); }

uint8_t CMouse::ReadData(long& x, long& y, long& z)
{
    if (!m_pDevice)
        return 0;
    DIMOUSESTATE state;
    if (FAILED(m_pDevice->GetDeviceState(sizeof(state), &state))) {
        input_device::Reacquire(m_pDevice);
        x = y = z = 0;
        return 0;
    }
    m_lX += state.lX;
    m_lY += state.lY;
    m_lZ += state.lZ;
    x = state.lX;
    y = state.lY;
    z = state.lZ;
    uint8_t buttons = 0;
    for (int i = 0; i < 3; ++i)
        if (state.rgbButtons[i] & 0x80)
            buttons |= static_cast<uint8_t>(1 << i);
    return buttons;
}

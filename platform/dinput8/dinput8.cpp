// DirectInput 8 devices for the system keyboard and mouse. Each device reads the state the message
// pump gathered; with the foreground level a device is lost while its window is not active.
#include <atomic>

#include "dinput.h"
#include "win32_internal.h"

const GUID GUID_SysKeyboard = {0x6F1D2B61, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_SysMouse = {0x6F1D2B60, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID IID_IDirectInput8A = {0xBF798030, 0x483A, 0x4DA2, {0xAA, 0x99, 0x5D, 0x64, 0xED, 0x36, 0x97, 0x00}};

const DIDATAFORMAT c_dfDIKeyboard = {sizeof(DIDATAFORMAT), sizeof(DIOBJECTDATAFORMAT), 0x2, 256, 0, nullptr};
const DIDATAFORMAT c_dfDIMouse = {sizeof(DIDATAFORMAT), sizeof(DIOBJECTDATAFORMAT), 0x2, sizeof(DIMOUSESTATE), 0,
                                  nullptr};

namespace {

template <typename Interface>
class RefCounted : public Interface {
public:
    HRESULT QueryInterface(REFIID, void** out) override
    {
        if (out)
            *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override
    {
        const ULONG left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

private:
    std::atomic<ULONG> m_refs{1};
};

enum class DeviceKind { Keyboard, Mouse };

class InputDevice : public RefCounted<IDirectInputDevice8A> {
public:
    explicit InputDevice(DeviceKind kind) : m_kind(kind) {}

    HRESULT SetDataFormat(LPCDIDATAFORMAT format) override
    {
        if (!format || m_acquired)
            return DIERR_INVALIDPARAM;
        m_dataSize = format->dwDataSize;
        return DI_OK;
    }

    HRESULT SetCooperativeLevel(HWND hwnd, DWORD flags) override
    {
        m_window = hwnd;
        m_foregroundOnly = (flags & DISCL_FOREGROUND) != 0;
        return DI_OK;
    }

    HRESULT Acquire() override
    {
        if (m_dataSize == 0)
            return DIERR_INVALIDPARAM;
        if (!HasFocus())
            return DIERR_OTHERAPPHASPRIO;
        if (m_acquired)
            return DI_NOEFFECT;
        m_acquired = true;
        // Movement from before the acquisition is not reported.
        const platform::InputSnapshot input = platform::ReadInput();
        m_lastX = input.mouseX;
        m_lastY = input.mouseY;
        m_lastZ = input.mouseZ;
        return DI_OK;
    }

    HRESULT Unacquire() override
    {
        if (!m_acquired)
            return DI_NOEFFECT;
        m_acquired = false;
        return DI_OK;
    }

    HRESULT GetDeviceState(DWORD size, LPVOID data) override
    {
        if (!data || size != m_dataSize || m_dataSize == 0)
            return DIERR_INVALIDPARAM;
        if (m_acquired && !HasFocus()) {
            m_acquired = false;
            return DIERR_INPUTLOST;
        }
        if (!m_acquired)
            return DIERR_NOTACQUIRED;
        const platform::InputSnapshot input = platform::ReadInput();
        if (m_kind == DeviceKind::Keyboard)
            memcpy(data, input.keys.data(), 256);
        else
            FillMouseState(input, *static_cast<DIMOUSESTATE*>(data));
        return DI_OK;
    }

private:
    bool HasFocus() const { return !m_foregroundOnly || platform::IsForeground(m_window); }

    void FillMouseState(const platform::InputSnapshot& input, DIMOUSESTATE& state)
    {
        state.lX = static_cast<LONG>(input.mouseX - m_lastX);
        state.lY = static_cast<LONG>(input.mouseY - m_lastY);
        state.lZ = static_cast<LONG>(input.mouseZ - m_lastZ);
        m_lastX = input.mouseX;
        m_lastY = input.mouseY;
        m_lastZ = input.mouseZ;
        memcpy(state.rgbButtons, input.buttons.data(), 4);
    }

    DeviceKind m_kind;
    HWND m_window = nullptr;
    bool m_foregroundOnly = false;
    bool m_acquired = false;
    DWORD m_dataSize = 0;
    int64_t m_lastX = 0, m_lastY = 0, m_lastZ = 0;
};

class DirectInput : public RefCounted<IDirectInput8A> {
public:
    HRESULT CreateDevice(REFGUID guid, LPDIRECTINPUTDEVICE8A* device, LPUNKNOWN) override
    {
        if (!device)
            return DIERR_INVALIDPARAM;
        *device = nullptr;
        if (guid == GUID_SysKeyboard)
            *device = new InputDevice(DeviceKind::Keyboard);
        else if (guid == GUID_SysMouse)
            *device = new InputDevice(DeviceKind::Mouse);
        else
            return DIERR_DEVICENOTREG;
        return DI_OK;
    }
};

}  // namespace

HRESULT DirectInput8Create(HINSTANCE, DWORD version, REFIID iid, LPVOID* out, LPUNKNOWN)
{
    if (!out)
        return DIERR_INVALIDPARAM;
    *out = nullptr;
    if (version < 0x0800)
        return DIERR_OLDDIRECTINPUTVERSION;
    if (iid != IID_IDirectInput8A)
        return DIERR_NOINTERFACE;
    *out = static_cast<IDirectInput8A*>(new DirectInput());
    return DI_OK;
}

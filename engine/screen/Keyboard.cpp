#include "screen/Keyboard.h"

#include <cstring>

#include "screen/InputDevice.h"

CKeyboard::CKeyboard() : m_pDI(nullptr), m_pDevice(nullptr) {}
CKeyboard::~CKeyboard() {}

void CKeyboard::Init() { input_device::Open(GUID_SysKeyboard, c_dfDIKeyboard, m_pDI, m_pDevice); }

void CKeyboard::CleanUp() { input_device::Close(m_pDI, m_pDevice); }

uint32_t CKeyboard::ReadBits(const SKeyBit* table, int count)
{
    if (!m_pDevice)
        return 0;
    uint8_t keys[256];
    memset(keys, 0, sizeof(keys));
    if (FAILED(m_pDevice->GetDeviceState(sizeof(keys), keys))) {
        input_device::Reacquire(m_pDevice);
        return 0;
    }
    uint32_t bits = 0;
    for (int i = 0; i < count; ++i)
        if (keys[table[i].scanCode] & 0x80)
            bits += table[i].bit;
    return bits;
}

uint32_t CKeyboard::ReadData()
{
    static const SKeyBit kKeys[] = {
        {DIK_LEFT, 0x00000001},     {DIK_RIGHT, 0x00000002},    {DIK_UP, 0x00000004},     {DIK_DOWN, 0x00000008},
        {DIK_SPACE, 0x00000010},    {DIK_ESCAPE, 0x00000020},   {DIK_F1, 0x00000040},     {DIK_F2, 0x00000080},
        {DIK_F3, 0x00000100},       {DIK_F4, 0x00000200},       {DIK_F5, 0x00000400},     {DIK_F6, 0x00000800},
        {DIK_F7, 0x00001000},       {DIK_F8, 0x00002000},       {DIK_F9, 0x00004000},     {DIK_F10, 0x00008000},
        {DIK_RETURN, 0x00010000},   {DIK_1, 0x00020000},        {DIK_2, 0x00040000},      {DIK_3, 0x00080000},
        {DIK_4, 0x00100000},        {DIK_5, 0x00200000},        {DIK_6, 0x00400000},      {DIK_7, 0x00800000},
        {DIK_8, 0x01000000},        {DIK_9, 0x02000000},        {DIK_0, 0x04000000},      {DIK_RCONTROL, 0x08000000},
        {DIK_LCONTROL, 0x10000000}, {DIK_RSHIFT, 0x20000000},   {DIK_LSHIFT, 0x40000000}, {DIK_TAB, 0x80000000},
    };
    return ReadBits(kKeys, sizeof(kKeys) / sizeof(kKeys[0]));
}

uint32_t CKeyboard::ReadData2()
{
    static const SKeyBit kKeys[] = {{DIK_F11, 0x01}, {DIK_F12, 0x02}, {DIK_R, 0x04},
                                    {DIK_T, 0x08},   {DIK_Z, 0x10},   {DIK_X, 0x20}};
    return ReadBits(kKeys, sizeof(kKeys) / sizeof(kKeys[0]));
}

// State blocks: recorded (the Set calls between BeginStateBlock and EndStateBlock) or created for a
// block type, captured from the device and applied back to it. Tokens start at 1; 0 is never valid.
// Like any resource, a stored block holds a reference on the device until it is deleted.
#include "device.h"

namespace d3d8 {

HRESULT Device::BeginStateBlock()
{
    if (recording_)
        return D3DERR_INVALIDCALL;
    recording_.emplace();
    recording_->values = state_;
    return D3D_OK;
}

HRESULT Device::EndStateBlock(DWORD* token)
{
    if (!token || !recording_)
        return D3DERR_INVALIDCALL;
    *token = nextStateBlock_++;
    stateBlocks_.emplace(*token, std::move(*recording_));
    recording_.reset();
    AddRef();
    return D3D_OK;
}

HRESULT Device::ApplyStateBlock(DWORD token)
{
    auto block = stateBlocks_.find(token);
    if (recording_ || block == stateBlocks_.end())
        return D3DERR_INVALIDCALL;
    CopyMasked(block->second.values, state_, block->second.mask);
    return D3D_OK;
}

HRESULT Device::CaptureStateBlock(DWORD token)
{
    auto block = stateBlocks_.find(token);
    if (recording_ || block == stateBlocks_.end())
        return D3DERR_INVALIDCALL;
    CopyMasked(state_, block->second.values, block->second.mask);
    return D3D_OK;
}

HRESULT Device::DeleteStateBlock(DWORD token)
{
    if (recording_ || stateBlocks_.erase(token) == 0)
        return D3DERR_INVALIDCALL;
    Release();  // last: it may be the device's final reference
    return D3D_OK;
}

HRESULT Device::CreateStateBlock(D3DSTATEBLOCKTYPE type, DWORD* token)
{
    if (!token || recording_ || (type != D3DSBT_ALL && type != D3DSBT_PIXELSTATE && type != D3DSBT_VERTEXSTATE))
        return D3DERR_INVALIDCALL;
    StateBlock block;
    block.mask = MaskForStateBlockType(type);
    CopyMasked(state_, block.values, block.mask);
    *token = nextStateBlock_++;
    stateBlocks_.emplace(*token, std::move(block));
    AddRef();
    return D3D_OK;
}

}  // namespace d3d8

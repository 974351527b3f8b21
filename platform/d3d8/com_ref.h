// A counted reference to a COM object: copying adds a reference, destruction or reset drops it.
// Device state holds its textures, buffers and surfaces through these.
#pragma once

#include <utility>

#include "windows.h"

namespace d3d8 {

template <class T>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(T* object) : object_(object)
    {
        if (object_)
            object_->AddRef();
    }
    ComRef(const ComRef& other) : ComRef(other.object_) {}
    ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComRef& operator=(const ComRef& other)
    {
        Reset(other.object_);
        return *this;
    }
    ComRef& operator=(ComRef&& other) noexcept
    {
        if (this != &other) {
            Reset(nullptr);
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    ~ComRef() { Reset(nullptr); }

    void Reset(T* object)
    {
        if (object)
            object->AddRef();
        T* old = std::exchange(object_, object);
        if (old)
            old->Release();
    }
    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // Hands out a new reference, as the Get calls of the interface do.
    T* AddRefAndGet() const
    {
        if (object_)
            object_->AddRef();
        return object_;
    }

private:
    T* object_ = nullptr;
};

}  // namespace d3d8

// The device's hold on a bound resource (a texture, stream or index buffer): an internal reference,
// which keeps the object alive while bound but does not show in the count the application sees.
#pragma once

#include <utility>

#include "tracked_resource.h"

namespace d3d8 {

template <class T>
class BoundRef {
public:
    BoundRef() = default;
    explicit BoundRef(T* object) : object_(object) { HoldInternally(object_); }
    BoundRef(const BoundRef& other) : BoundRef(other.object_) {}
    BoundRef(BoundRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    BoundRef& operator=(const BoundRef& other)
    {
        Reset(other.object_);
        return *this;
    }
    BoundRef& operator=(BoundRef&& other) noexcept
    {
        if (this != &other) {
            Reset(nullptr);
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    ~BoundRef() { Reset(nullptr); }

    void Reset(T* object)
    {
        // Binding the bound object again changes nothing, and the reference bookkeeping is not free.
        if (object == object_)
            return;
        HoldInternally(object);
        T* old = std::exchange(object_, object);
        DropInternally(old);
    }
    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // Hands the application a reference of its own, as the Get calls of the interface do.
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

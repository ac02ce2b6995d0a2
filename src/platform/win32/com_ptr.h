#pragma once

#include <unknwn.h>

#include <utility>

namespace win32 {

// Owns one COM interface pointer.
template <typename Interface> class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }

    Interface* get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For functions that hand out a new reference through a void**.
    void** out() {
        reset();
        return reinterpret_cast<void**>(&object_);
    }
    void reset() {
        if (object_) object_->Release();
        object_ = nullptr;
    }

  private:
    Interface* object_ = nullptr;
};

} // namespace win32

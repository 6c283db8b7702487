#pragma once

#include <cstddef>
#include <utility>

#include "platform/com/HResult.h"

// Holds one reference to a reference-counted object and releases it when it lets go (reset,
// reassignment, destruction). Copies add a reference; moves hand theirs over. Not itself
// thread-safe: one owner thread at a time, like any value.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Shares object: adds a reference of its own.
  explicit ComPtr(T* object) : object_(object) { AddRefHeld(); }
  // Takes over a reference the caller already holds (as out-parameters and MakeCom hand out).
  static ComPtr Adopt(T* object) {
    ComPtr held;
    held.object_ = object;
    return held;
  }

  ComPtr(const ComPtr& other) : object_(other.object_) { AddRefHeld(); }
  ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  T* Get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }

  void Reset() {
    if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
  }
  // Gives up the reference without releasing it; the caller now owns it.
  T* Detach() { return std::exchange(object_, nullptr); }
  // Releases what is held and returns the slot for an out-parameter that hands over a reference.
  T** Receive() {
    Reset();
    return &object_;
  }

  // The same object as interface U, through QueryInterface; out is emptied on failure.
  template <class U>
  HRESULT As(ComPtr<U>& out) const {
    out.Reset();
    if (object_ == nullptr) return E_POINTER;
    return object_->QueryInterface(U::kIid, reinterpret_cast<void**>(out.Receive()));
  }

 private:
  void AddRefHeld() {
    if (object_ != nullptr) object_->AddRef();
  }

  T* object_ = nullptr;
};

// Creates a reference-counted object (a ComObject) holding its first reference.
template <class T, class... Args>
ComPtr<T> MakeCom(Args&&... args) {
  T* object = new T(std::forward<Args>(args)...);
  object->AddRef();
  return ComPtr<T>::Adopt(object);
}

#pragma once

#include <atomic>
#include <cstdint>
#include <utility>

#include "platform/com/IUnknown.h"

// The reference counting and QueryInterface of an object implementing the interfaces First and
// Rest (each declaring its id as kIid). The count starts at 0: create objects with MakeCom
// (ComPtr.h), which takes the first reference, and only on the heap, since the last Release
// deletes the object. The count is atomic, so references may move between threads.
template <class First, class... Rest>
class ComObject : public First, public Rest... {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT QueryInterface(const InterfaceId& iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = FindInterface(iid);
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }

  uint32_t AddRef() override { return count_.fetch_add(1, std::memory_order_relaxed) + 1; }

  uint32_t Release() override {
    const uint32_t left = count_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) delete this;
    return left;
  }

 protected:
  // Arguments, if any, go to First's constructor.
  template <class... Args>
  explicit ComObject(Args&&... args) : First(std::forward<Args>(args)...) {}
  ~ComObject() override = default;

  // The object seen as interface iid, without a reference added, or null. A derived class
  // answering further ids overrides this and falls back to ComObject::FindInterface.
  virtual void* FindInterface(const InterfaceId& iid) {
    // Every IUnknown request gets the same pointer: it is the object's identity.
    if (iid == IUnknown::kIid) return static_cast<IUnknown*>(static_cast<First*>(this));
    void* found = Match<First>(iid);
    ((found = found != nullptr ? found : Match<Rest>(iid)), ...);
    return found;
  }

 private:
  template <class Interface>
  void* Match(const InterfaceId& iid) {
    return iid == Interface::kIid ? static_cast<Interface*>(this) : nullptr;
  }

  std::atomic<uint32_t> count_{0};
};

#pragma once

#include <atomic>
#include <cstdint>

#include "dshow/CBaseObject.h"
#include "dshow/INonDelegatingUnknown.h"
#include "platform/com/IUnknown.h"

// The IUnknown methods of a class derived from CUnknown and from one or more interfaces: each
// goes to the owner, which is the outer object when aggregated and the object itself otherwise.
#define DECLARE_IUNKNOWN                                                   \
  HRESULT QueryInterface(const InterfaceId& iid, void** object) override { \
    return GetOwner()->QueryInterface(iid, object);                        \
  }                                                                        \
  uint32_t AddRef() override { return GetOwner()->AddRef(); }              \
  uint32_t Release() override { return GetOwner()->Release(); }

// Reference counting and identity of a filter object. Create objects with new and hand them to
// ComPtr (which adds the first reference); the count starts at 0 and the Release that brings it
// back to 0 deletes the object. Counting is atomic: references may move between threads.
//
// Identity: QueryInterface for IUnknown always gives the same pointer, the object's own
// non-delegating IUnknown; every interface the object hands out leads back to it. With an outer
// object (aggregation) the IUnknown calls of every interface go to the outer object instead,
// and only the non-delegating IUnknown counts this object's own references.
class CUnknown : public INonDelegatingUnknown, public CBaseObject {
 public:
  // name: debug name (copied). outer: the aggregating object, not held; null when alone.
  CUnknown(const char16_t* name, IUnknown* outer);
  ~CUnknown() override;

  // Answers IUnknown with the non-delegating IUnknown; derived classes answer their interfaces
  // first and fall back to this.
  HRESULT NonDelegatingQueryInterface(const InterfaceId& iid, void** object) override;
  uint32_t NonDelegatingAddRef() override;
  uint32_t NonDelegatingRelease() override;

  // Where the IUnknown calls go: the outer object, or this object's non-delegating IUnknown.
  IUnknown* GetOwner() const { return owner_; }
  // This object's own IUnknown, for an aggregating object to hold.
  IUnknown* NonDelegatingUnknown() { return &inner_; }

  // Hands face out through object with a reference added (for NonDelegatingQueryInterface).
  static HRESULT GetInterface(IUnknown* face, void** object);

 private:
  // The IUnknown whose calls are the non-delegating ones.
  class InnerUnknown final : public IUnknown {
   public:
    explicit InnerUnknown(CUnknown* self) : self_(self) {}
    HRESULT QueryInterface(const InterfaceId& iid, void** object) override {
      return self_->NonDelegatingQueryInterface(iid, object);
    }
    uint32_t AddRef() override { return self_->NonDelegatingAddRef(); }
    uint32_t Release() override { return self_->NonDelegatingRelease(); }

   private:
    CUnknown* self_;
  };

  InnerUnknown inner_;
  IUnknown* owner_;
  std::atomic<uint32_t> count_{0};
};

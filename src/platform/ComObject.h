// Windows only: the IUnknown part of a COM object of the program's own that implements one
// interface. It counts its references and frees itself when the last one goes, as COM objects do.
#pragma once

#include <atomic>
#include <windows.h>

#include <objbase.h>

namespace platform {

template <class TInterface> class TComObject : public TInterface {
public:
  explicit TComObject(const IID& Interface) : FInterface(Interface) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Iid, void** Out) override {
    if (!Out)
      return E_POINTER;
    if (!::IsEqualIID(Iid, IID_IUnknown) && !::IsEqualIID(Iid, FInterface)) {
      *Out = nullptr;
      return E_NOINTERFACE;
    }
    *Out = static_cast<TInterface*>(this);
    this->AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++FCount; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG Count = --FCount;
    if (Count == 0)
      delete this;
    return Count;
  }

protected:
  virtual ~TComObject() = default;

private:
  const IID& FInterface;
  std::atomic<ULONG> FCount{1}; // the creator's reference
};

} // namespace platform

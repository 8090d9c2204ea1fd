// The message filter as COM sees it: registered for the thread in place of the one before,
// answering through its interface, and released by the runtime when revoked.
#include "cad/MessageFilter.h"

#include <gtest/gtest.h>
#include <objidl.h>
#include <windows.h>

namespace {

// A filter of the test's own, registered before the program's.
class TEarlierFilter : public IMessageFilter {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** Out) override {
    *Out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++Count; }
  ULONG STDMETHODCALLTYPE Release() override { return --Count; }
  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override {
    return SERVERCALL_REJECTED;
  }
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return 0; }
  DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return 0; }
  ULONG Count = 1;
};

TEST(ComMessageFilter, RegisteredInPlaceOfTheEarlierOneAnswersTheRuntimeAndIsReleasedWhenRevoked) {
  ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  TEarlierFilter Earlier;
  ASSERT_EQ(::CoRegisterMessageFilter(&Earlier, nullptr), S_OK);
  EXPECT_EQ(Earlier.Count, 2u) << "the runtime holds the earlier filter";
  {
    TMessageFilter Filter;
    Filter.RegisterFilter();
    IMessageFilter* Ours = nullptr;
    ASSERT_EQ(::CoRegisterMessageFilter(nullptr, &Ours),
              S_OK); // the runtime's reference is ours now
    ASSERT_NE(Ours, nullptr);
    ASSERT_NE(Ours, &Earlier);
    EXPECT_EQ(Ours->HandleInComingCall(CALLTYPE_TOPLEVEL, nullptr, 0, nullptr),
              static_cast<DWORD>(SERVERCALL_ISHANDLED));
    EXPECT_EQ(Ours->RetryRejectedCall(nullptr, 60000, SERVERCALL_RETRYLATER), 1000u);
    EXPECT_EQ(Ours->RetryRejectedCall(nullptr, 0, SERVERCALL_REJECTED), 0xFFFFFFFFu);
    EXPECT_EQ(Ours->MessagePending(nullptr, 0, PENDINGTYPE_TOPLEVEL),
              static_cast<DWORD>(PENDINGMSG_WAITNOPROCESS));
    IUnknown* Unknown = nullptr;
    EXPECT_EQ(Ours->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&Unknown)), S_OK);
    Unknown->Release();
    IMessageFilter* None = nullptr;
    ASSERT_EQ(::CoRegisterMessageFilter(Ours, &None), S_OK); // back in place
    EXPECT_EQ(None, nullptr);

    Filter.RevokeFilter();
    IMessageFilter* Now = nullptr;
    ::CoRegisterMessageFilter(&Earlier, &Now);
    EXPECT_EQ(Now, &Earlier) << "the earlier filter is back";
    if (Now)
      Now->Release();
    EXPECT_EQ(Ours->Release(), 0u) << "the runtime let go of the program's filter";
  }
  ::CoRegisterMessageFilter(nullptr, nullptr);
  EXPECT_EQ(Earlier.Count, 1u);
  ::CoUninitialize();
}

} // namespace

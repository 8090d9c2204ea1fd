// The main window's message filter as COM sees it: registered for the user-interface thread while
// the window lives, revoked when it goes.
#include "WxTestEnvironment.h"

#include <objidl.h>
#include <windows.h>

namespace {

using MainWindowComFilter = TWindowTest;

// The filter registered for the thread now, put back in place; null when there is none.
IMessageFilter* RegisteredFilter() {
  IMessageFilter* Current = nullptr;
  ::CoRegisterMessageFilter(nullptr, &Current);
  ::CoRegisterMessageFilter(Current, nullptr);
  if (Current)
    Current->Release(); // the runtime holds it again
  return Current;
}

TEST_F(MainWindowComFilter, RegisteredWhileTheWindowLivesAndRevokedWhenItCloses) {
  EXPECT_EQ(RegisteredFilter(), nullptr);
  Start(false);
  IMessageFilter* Filter = RegisteredFilter();
  ASSERT_NE(Filter, nullptr);
  EXPECT_EQ(Filter->RetryRejectedCall(nullptr, 0, SERVERCALL_RETRYLATER), 1000u);
  EXPECT_EQ(Filter->MessagePending(nullptr, 0, PENDINGTYPE_TOPLEVEL),
            static_cast<DWORD>(PENDINGMSG_WAITNOPROCESS));
  CloseProgram();
  EXPECT_EQ(RegisteredFilter(), nullptr);
}

} // namespace

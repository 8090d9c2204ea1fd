// The message filter of the user-interface thread: calls into a busy CAD are retried every second
// instead of failing, and window messages wait while a call is under way.
#pragma once

#include <cstdint>
#include <memory>

namespace platform {
class TMessageFilterRegistration;
}

// The runtime's codes the filter answers with and is asked about (SERVERCALL_ISHANDLED,
// SERVERCALL_REJECTED, SERVERCALL_RETRYLATER, PENDINGMSG_WAITNOPROCESS).
constexpr std::uint32_t ServerCallIsHandled = 0;
constexpr std::uint32_t ServerCallRejected = 1;
constexpr std::uint32_t ServerCallRetryLater = 2;
constexpr std::uint32_t PendingMsgWaitNoProcess = 1;

// The filter's decisions.
// Every incoming call is accepted.
std::uint32_t HandleInComingCall(std::uint32_t CallType, std::uint32_t TickCount);
// A callee that is busy (ServerCallRetryLater) is called again after 1000 ms, for as long as it
// stays busy; any other rejection cancels the call (all bits set).
std::uint32_t RetryRejectedCall(std::uint32_t TickCount, std::uint32_t RejectType);
// While a call waits for its answer, window messages are not dispatched.
std::uint32_t MessagePending(std::uint32_t TickCount, std::uint32_t PendingType);

class TMessageFilter {
public:
  TMessageFilter();
  // Revokes the filter if it is still registered.
  ~TMessageFilter();
  TMessageFilter(const TMessageFilter&) = delete;
  TMessageFilter& operator=(const TMessageFilter&) = delete;

  // Registers the filter for the calling thread, keeping the one registered before.
  void RegisterFilter();
  // Puts the filter registered before back in place; the runtime lets go of this one.
  void RevokeFilter();
  bool Registered() const { return FRegistration != nullptr; }

private:
  std::unique_ptr<platform::TMessageFilterRegistration> FRegistration;
};

#include "cad/MessageFilter.h"

#include "platform/Automation.h"

std::uint32_t HandleInComingCall(std::uint32_t, std::uint32_t) {
  return ServerCallIsHandled;
}

std::uint32_t RetryRejectedCall(std::uint32_t, std::uint32_t RejectType) {
  constexpr std::uint32_t RetryAfterMs = 1000;
  constexpr std::uint32_t Cancel = 0xFFFFFFFF;
  return RejectType == ServerCallRetryLater ? RetryAfterMs : Cancel;
}

std::uint32_t MessagePending(std::uint32_t, std::uint32_t) {
  return PendingMsgWaitNoProcess;
}

TMessageFilter::TMessageFilter() = default;

TMessageFilter::~TMessageFilter() = default;

void TMessageFilter::RegisterFilter() {
  FRegistration.reset();
  FRegistration = platform::AutomationRuntime().RegisterMessageFilter(
      {HandleInComingCall, RetryRejectedCall, MessagePending});
}

void TMessageFilter::RevokeFilter() {
  FRegistration.reset();
}

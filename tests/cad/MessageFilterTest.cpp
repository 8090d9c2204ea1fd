// The message filter's decisions, and its registration for the thread.
#include "RecordingCad.h"

#include "cad/MessageFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageFilter, AcceptsEveryCallRetriesABusyCalleeEverySecondAndKeepsMessagesWaiting) {
  for (std::uint32_t CallType : {1u, 2u, 3u, 4u})
    EXPECT_EQ(HandleInComingCall(CallType, 123), ServerCallIsHandled);
  struct TCase {
    std::uint32_t RejectType, TickCount, Answer;
  };
  for (const TCase Case :
       {TCase{ServerCallRetryLater, 0, 1000}, TCase{ServerCallRetryLater, 600000, 1000},
        TCase{ServerCallRejected, 0, 0xFFFFFFFF}, TCase{7, 0, 0xFFFFFFFF}})
    EXPECT_EQ(RetryRejectedCall(Case.TickCount, Case.RejectType), Case.Answer)
        << Case.RejectType << " after " << Case.TickCount << " ms";
  for (std::uint32_t PendingType : {1u, 2u})
    EXPECT_EQ(MessagePending(10, PendingType), PendingMsgWaitNoProcess);
}

TEST(MessageFilter, RegisteredWithItsDecisionsRevokedOnceAlsoWhenDestroyed) {
  TRecordingCad Cad;
  {
    TMessageFilter Filter;
    EXPECT_TRUE(Cad.Log.empty()) << "creating it registers nothing";
    Filter.RegisterFilter();
    ASSERT_TRUE(Cad.Filter);
    EXPECT_EQ(Cad.Filter->RetryRejectedCall(0, ServerCallRetryLater), 1000u);
    EXPECT_EQ(Cad.Filter->MessagePending(0, 1), PendingMsgWaitNoProcess);
    EXPECT_EQ(Cad.Filter->HandleInComingCall(1, 0), ServerCallIsHandled);
    Filter.RevokeFilter();
    EXPECT_FALSE(Cad.Filter);
    Filter.RevokeFilter();
    Filter.RegisterFilter();
  }
  EXPECT_EQ(Cad.Log, (std::vector<std::string>{
                         "CoRegisterMessageFilter(filter)", "CoRegisterMessageFilter(previous)",
                         "CoRegisterMessageFilter(filter)", "CoRegisterMessageFilter(previous)"}));
}

} // namespace

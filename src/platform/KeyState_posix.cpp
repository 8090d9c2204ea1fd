#include "platform/KeyState.h"

#include <atomic>

namespace platform {

namespace {
std::atomic<TModifierKeysQuery> Query{nullptr};
}

void InstallModifierKeysQuery(TModifierKeysQuery NewQuery) {
  Query = NewQuery;
}

TModifierKeys ModifierKeysDown() {
  const TModifierKeysQuery Current = Query;
  return Current ? Current() : TModifierKeys{};
}

} // namespace platform

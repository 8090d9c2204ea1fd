#include "platform/Desktop.h"

#include <atomic>

namespace platform {

namespace {
std::atomic<TDesktop*> Installed{nullptr};
}

TDesktop& Desktop() {
  TDesktop* Current = Installed;
  return Current ? *Current : SystemDesktop();
}

void InstallDesktop(TDesktop* NewDesktop) {
  Installed = NewDesktop;
}

} // namespace platform

#include "platform/Lock.h"

#include <windows.h>

namespace platform {

struct TCriticalSection::TImpl {
  CRITICAL_SECTION Section;
};

TCriticalSection::TCriticalSection() : FImpl(std::make_unique<TImpl>()) {
  ::InitializeCriticalSectionAndSpinCount(&FImpl->Section, 4000);
}
TCriticalSection::~TCriticalSection() {
  ::DeleteCriticalSection(&FImpl->Section);
}
void TCriticalSection::lock() {
  ::EnterCriticalSection(&FImpl->Section);
}
void TCriticalSection::unlock() {
  ::LeaveCriticalSection(&FImpl->Section);
}

} // namespace platform

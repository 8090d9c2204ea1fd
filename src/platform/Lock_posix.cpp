#include "platform/Lock.h"

#include <mutex>

namespace platform {

struct TCriticalSection::TImpl {
  std::mutex Mutex;
};

TCriticalSection::TCriticalSection() : FImpl(std::make_unique<TImpl>()) {}
TCriticalSection::~TCriticalSection() = default;
void TCriticalSection::lock() {
  FImpl->Mutex.lock();
}
void TCriticalSection::unlock() {
  FImpl->Mutex.unlock();
}

} // namespace platform

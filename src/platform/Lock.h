// A lock for short critical sections between threads of the process.
#pragma once

#include <memory>

namespace platform {

// Not recursive. Usable with std::lock_guard.
class TCriticalSection {
public:
  TCriticalSection();
  ~TCriticalSection();
  TCriticalSection(const TCriticalSection&) = delete;
  TCriticalSection& operator=(const TCriticalSection&) = delete;

  void lock();
  void unlock();

private:
  struct TImpl;
  std::unique_ptr<TImpl> FImpl;
};

} // namespace platform

#include "engine/PdfEngineInit.h"

#include "engine/PdfEngineApi.h"
#include "engine/PdfUnsupportedFeature.h"
#include "platform/Lock.h"

#include <atomic>
#include <mutex>

namespace {

struct TEngineSettings {
  std::string Directory;
  std::string LibraryPath;
  std::string ResourceDirectory;
};

TEngineSettings& Settings() {
  static TEngineSettings Instance;
  return Instance;
}

platform::TCriticalSection& EngineLock() {
  static platform::TCriticalSection Lock;
  return Lock;
}

std::atomic<bool> EngineInitialized{false};

} // namespace

void SetEngineDirectory(const std::string& Directory) {
  Settings().Directory = Directory;
}
const std::string& EngineDirectory() {
  return Settings().Directory;
}
void SetEngineLibraryPath(const std::string& Path) {
  Settings().LibraryPath = Path;
}
const std::string& EngineLibraryPath() {
  return Settings().LibraryPath;
}
void SetEngineResourceDirectory(const std::string& Directory) {
  Settings().ResourceDirectory = Directory;
}
const std::string& EngineResourceDirectory() {
  return Settings().ResourceDirectory;
}

void EnsureEngine() {
  if (EngineInitialized.load(std::memory_order_acquire))
    return;
  std::lock_guard<platform::TCriticalSection> Guard(EngineLock());
  if (EngineInitialized.load(std::memory_order_relaxed))
    return;
  const TEngineSettings& S = Settings();
  if (!S.LibraryPath.empty())
    LoadEngine(S.LibraryPath, S.ResourceDirectory);
  else
    LoadEngineFromDir(S.Directory, S.ResourceDirectory);
  RegisterUnsupportedFeatureHandler();
  EngineInitialized.store(true, std::memory_order_release);
}

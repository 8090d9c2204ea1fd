#include "TestFiles.h"

#include "platform/ExecutablePath.h"

#include <string>
#include <windows.h>

std::string Utf8(const std::filesystem::path& Path) {
  const std::u8string Text = Path.u8string();
  return {reinterpret_cast<const char*>(Text.data()), Text.size()};
}

std::filesystem::path PathFromUtf8(const std::string& Text) {
  return std::u8string(Text.begin(), Text.end());
}

std::filesystem::path ProbeLibraryPath() {
  return PathFromUtf8(platform::ExecutableDirectory()) / L"probe" / L"probe.dll";
}

TTempDirectory::TTempDirectory() {
  const auto Base = std::filesystem::temp_directory_path();
  for (unsigned N = ::GetCurrentProcessId();; ++N) {
    FPath = Base / (L"quolsa-test-" + std::to_wstring(N));
    if (std::filesystem::create_directory(FPath))
      return;
  }
}

TTempDirectory::~TTempDirectory() {
  std::error_code Ignored;
  std::filesystem::remove_all(FPath, Ignored);
}

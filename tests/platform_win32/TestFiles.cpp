#include "TestFiles.h"

#include <string>
#include <windows.h>

std::filesystem::path ExecutableDirectory() {
  std::wstring Buffer(32768, L'\0');
  DWORD Length = ::GetModuleFileNameW(nullptr, Buffer.data(), static_cast<DWORD>(Buffer.size()));
  Buffer.resize(Length);
  return std::filesystem::path(Buffer).parent_path();
}

std::string Utf8(const std::filesystem::path& Path) {
  const std::u8string Text = Path.u8string();
  return {reinterpret_cast<const char*>(Text.data()), Text.size()};
}

std::filesystem::path PathFromUtf8(const std::string& Text) {
  return std::u8string(Text.begin(), Text.end());
}

std::filesystem::path ProbeLibraryPath() {
  return ExecutableDirectory() / L"probe" / L"probe.dll";
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

// Files and folders the Windows platform tests work with.
#pragma once

#include <filesystem>
#include <string>

// A path as the program's UTF-8 text.
std::string Utf8(const std::filesystem::path& Path);
std::filesystem::path PathFromUtf8(const std::string& Text);

// The probe library built beside the tests.
std::filesystem::path ProbeLibraryPath();

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TTempDirectory {
public:
  TTempDirectory();
  ~TTempDirectory();
  TTempDirectory(const TTempDirectory&) = delete;
  TTempDirectory& operator=(const TTempDirectory&) = delete;

  const std::filesystem::path& Path() const { return FPath; }

private:
  std::filesystem::path FPath;
};

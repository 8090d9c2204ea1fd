// A fresh directory for one test, removed with everything in it afterwards.
#pragma once

#include <string>

class TTempDir {
public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  const std::string& Path() const { return FPath; }
  std::string operator/(const std::string& Name) const { return FPath + "/" + Name; }

private:
  std::string FPath;
};

// Test helpers for whole files.
std::string ReadFile(const std::string& FileName);
void WriteFile(const std::string& FileName, const std::string& Bytes);

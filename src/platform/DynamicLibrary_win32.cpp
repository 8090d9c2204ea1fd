#include "platform/DynamicLibrary.h"

#include "platform/WideString.h"

#include <windows.h>

namespace platform {

const char* const EngineLibraryFileName = "pdfium.dll";
const char PathDelimiter = '\\';

namespace {
thread_local int LastError = 0;
}

bool IsPathDelimiter(char C) {
  return C == '\\' || C == '/';
}

LibraryHandle LoadLibraryFile(const std::string& FileName) {
  UINT Previous = ::SetErrorMode(SEM_NOOPENFILEERRORBOX);
  HMODULE Module = ::LoadLibraryW(Utf8ToWide(FileName).c_str());
  if (!Module)
    LastError = static_cast<int>(::GetLastError());
  ::SetErrorMode(Previous);
  return reinterpret_cast<LibraryHandle>(Module);
}

int LastLibraryError() {
  return LastError;
}

void* FindLibrarySymbol(LibraryHandle Library, const char* Name) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(Library), Name));
}

void FreeLibraryHandle(LibraryHandle Library) {
  if (Library)
    ::FreeLibrary(static_cast<HMODULE>(Library));
}

std::string LibraryFilePath(LibraryHandle Library) {
  std::wstring Buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD Length = ::GetModuleFileNameW(static_cast<HMODULE>(Library), Buffer.data(),
                                        static_cast<DWORD>(Buffer.size()));
    if (Length == 0)
      return {};
    if (Length < Buffer.size()) {
      Buffer.resize(Length);
      return WideToUtf8(Buffer);
    }
    Buffer.resize(Buffer.size() * 2);
  }
}

bool LibraryFileIsLoaded(const std::string& FileName) {
  return ::GetModuleHandleW(Utf8ToWide(FileName).c_str()) != nullptr;
}

} // namespace platform

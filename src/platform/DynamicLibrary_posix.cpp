#include "platform/DynamicLibrary.h"

#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <unistd.h>

namespace platform {

const char* const EngineLibraryFileName = "libpdfium.so";
const char PathDelimiter = '/';

namespace {
thread_local int LastError = 0;

// dlopen sets no errno; derive one like the system would report for opening the file.
int ErrorForFailedLoad(const std::string& FileName) {
  if (FileName.find('/') == std::string::npos)
    return ENOENT; // not found on the search path
  int Fd = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (Fd < 0)
    return errno;
  ::close(Fd);
  return ENOEXEC; // the file exists but is no loadable library
}
} // namespace

bool IsPathDelimiter(char C) {
  return C == '/';
}

LibraryHandle LoadLibraryFile(const std::string& FileName) {
  void* Handle = ::dlopen(FileName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!Handle)
    LastError = ErrorForFailedLoad(FileName);
  return Handle;
}

int LastLibraryError() {
  return LastError;
}

void* FindLibrarySymbol(LibraryHandle Library, const char* Name) {
  return ::dlsym(Library, Name);
}

void FreeLibraryHandle(LibraryHandle Library) {
  if (Library)
    ::dlclose(Library);
}

std::string LibraryFilePath(LibraryHandle Library) {
  link_map* Map = nullptr;
  if (!Library || ::dlinfo(Library, RTLD_DI_LINKMAP, &Map) != 0 || !Map || !Map->l_name)
    return {};
  return Map->l_name;
}

bool LibraryFileIsLoaded(const std::string& FileName) {
  void* Handle = ::dlopen(FileName.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (Handle)
    ::dlclose(Handle);
  return Handle != nullptr;
}

} // namespace platform

// Loading shared libraries at run time.
#pragma once

#include <string>

namespace platform {

using LibraryHandle = void*;

// The engine library's file name on this system.
extern const char* const EngineLibraryFileName;

// The path delimiter of this system's file names.
extern const char PathDelimiter;

// True when C is a path delimiter on this system ('/' everywhere, '\\' also on Windows).
bool IsPathDelimiter(char C);

// Loads a library by file name (a bare name is searched for by the system). On failure returns null
// and keeps the operating-system error code for LastLibraryError(). On Windows the system's own
// "cannot open file" dialog box is suppressed for the call.
LibraryHandle LoadLibraryFile(const std::string& FileName);

// The error code of the last failed LoadLibraryFile on this thread.
int LastLibraryError();

// The exported symbol's address, or null.
void* FindLibrarySymbol(LibraryHandle Library, const char* Name);

void FreeLibraryHandle(LibraryHandle Library);

// The full path of the file the library was loaded from; empty if the system cannot tell.
std::string LibraryFilePath(LibraryHandle Library);

// True when the library file (a full path) is loaded into this process, by whomever.
bool LibraryFileIsLoaded(const std::string& FileName);

} // namespace platform

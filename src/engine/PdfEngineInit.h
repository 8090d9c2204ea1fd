// The engine's first-use initialisation and the settings it reads: where the engine library is.
#pragma once

#include <string>

// The directory the engine library is loaded from (the executable's directory followed by the
// engine's sub-directory); empty: the system searches for the library.
void SetEngineDirectory(const std::string& Directory);
const std::string& EngineDirectory();
// A full path of the engine library; when set it takes precedence over the directory.
void SetEngineLibraryPath(const std::string& Path);
const std::string& EngineLibraryPath();
// The directory handed to the engine for its embedded data; empty: derived by the loader.
void SetEngineResourceDirectory(const std::string& Directory);
const std::string& EngineResourceDirectory();

// Loads the engine library once per process and registers the unsupported-feature callback.
// Safe to call from several threads. A failed load raises the loader's error and is tried again
// by the next call.
void EnsureEngine();

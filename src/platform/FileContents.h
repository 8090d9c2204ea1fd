// Whole-file reading and writing by UTF-8 file name.
#pragma once

#include <optional>
#include <string>

namespace platform {

// The file's bytes; nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileContents(const std::string& FileName);

// Replaces the file's content by Bytes, creating the file when needed. False when the file cannot
// be opened for writing or a write fails.
bool WriteFileContents(const std::string& FileName, const std::string& Bytes);

// True when FileName names an existing file (not a directory), following symbolic links.
bool FileExists(const std::string& FileName);

} // namespace platform

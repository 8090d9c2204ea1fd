// Whole-file reading and writing by UTF-8 file name.
#pragma once

#include <optional>
#include <string>

namespace platform {

// The file's bytes; nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileContents(const std::string& FileName);

// The file's bytes; nothing when no file of that name exists. Raises EOSError when it exists but
// cannot be read.
std::optional<std::string> ReadExistingFileContents(const std::string& FileName);

// Replaces the file's content by Bytes in one step (TFileReplacement), creating the file when
// needed. Raises EOSError when it cannot be written; the file then keeps its old content.
void ReplaceFileContents(const std::string& FileName, const std::string& Bytes);
// The same, false instead of the error.
bool WriteFileContents(const std::string& FileName, const std::string& Bytes);

// True when FileName names an existing file (not a directory), following symbolic links.
bool FileExists(const std::string& FileName);

} // namespace platform

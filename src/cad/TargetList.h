// The target list file "TargetCAD_APIVersion.txt" beside the executable: one CAD target a line,
// display name, TAB, automation class name (ProgID). Read in the encoding its byte-order mark names
// (the system's 8-bit code page without one) and written back in the same one.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

enum TTargetListEncoding { tleSystem8Bit, tleUtf8, tleUtf16LE, tleUtf16BE };

struct TTargetListText {
  std::vector<std::string> Lines; // UTF-8, in the file's order
  TTargetListEncoding Encoding = tleSystem8Bit;
};

// A file could not be opened for reading or created for writing. The message names the file's
// full path and the system's reason.
class EFOpenError : public std::runtime_error {
public:
  EFOpenError(const std::string& FileName, const std::string& Reason);
};
class EFCreateError : public std::runtime_error {
public:
  EFCreateError(const std::string& FileName, const std::string& Reason);
};

// The lines of a target list file's bytes. CR LF, a lone CR and a lone LF each end a line; a
// break after the last line adds no empty line. Bytes that do not decode become U+FFFD.
TTargetListText ParseTargetList(std::string_view Bytes);

// The file's bytes: the encoding's byte-order mark (none for the 8-bit code page), then every line
// followed by CR LF. Characters the 8-bit code page lacks become its default character.
std::string FormatTargetList(const std::vector<std::string>& Lines, TTargetListEncoding Encoding);

// "TargetCAD_APIVersion.txt" in the executable's directory.
std::string TargetListFilePath(const std::string& ExecutableDirectory);

// The file's lines; nothing when it does not exist. A file that cannot be read raises EFOpenError.
std::optional<TTargetListText> ReadTargetListFile(const std::string& FileName);

// Replaces the file by the lines in one step: written beside it first, so a failure leaves the old
// file as it was. Raises EFCreateError.
void WriteTargetListFile(const std::string& FileName, const TTargetListText& Text);

// A line's two parts, split at its first TAB; a line without one is all ProgID.
struct TTargetEntry {
  std::string Name, ProgID;
};
TTargetEntry SplitTargetLine(const std::string& Line);
std::string JoinTargetLine(const std::string& Name, const std::string& ProgID);

// The first line that holds a TAB followed by ProgID (so a ProgID with a suffix matches too, and an
// empty ProgID matches any TAB); nothing when no line does.
std::optional<std::size_t> FindTargetLine(const std::vector<std::string>& Lines,
                                          const std::string& ProgID);

// The display name the main window's caption shows for ProgID: the part of the first line naming it
// before the TAB found there.
std::optional<std::string> CaptionNameOf(const std::vector<std::string>& Lines,
                                         const std::string& ProgID);

// The main window's caption for a target: the title, " [ ", the name, " ]".
std::string TargetCaption(const std::string& Title, const std::string& Name);

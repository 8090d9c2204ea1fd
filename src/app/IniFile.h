// Settings files of the INI kind: "[Section]" lines, "Key=Value" lines, and any other lines, which
// are kept as they are. Sections and keys are found without regard to letter case; the first
// section and the first key of a name count.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The text of one INI file, changed value by value with everything else kept.
class TIniDocument {
public:
  // Reads any line ending (CR LF, LF, a lone CR) and a UTF-8 byte-order mark.
  static TIniDocument Parse(const std::string& Text);
  // The file's text again: its own lines, line ends and byte-order mark, plus what was set.
  std::string Text() const;

  // The value after the "=", without surrounding blanks and without one pair of enclosing quotes;
  // nothing when the section or the key is missing.
  std::optional<std::string> Value(std::string_view Section, std::string_view Key) const;
  // Replaces the key's line by "Key=Value", or adds the line at the end of the section, or adds the
  // section at the end of the file. A value is single-line: it is cut at its first line break.
  void SetValue(std::string_view Section, std::string_view Key, std::string_view Value);

private:
  struct TLine {
    std::string Text;
    std::string Break; // "\r\n", "\n", "\r", or empty for a last line without one
  };
  // The line range [Header, End) of the first section of that name; nothing when missing.
  struct TSectionRange {
    size_t Header, End;
  };
  std::optional<TSectionRange> FindSection(std::string_view Section) const;
  std::optional<size_t> FindKey(const TSectionRange& Range, std::string_view Key) const;
  void Insert(size_t Position, std::string Text);

  std::string FByteOrderMark;
  std::string FLineBreak = "\r\n"; // for added lines: the file's first line end
  std::vector<TLine> FLines;
};

// A settings file could not be written.
class EIniFileException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// An INI file on disk. Every read reads the file and every write replaces it in one step, so a
// value written is in the file at once, and a write that fails leaves the file as it was.
class TIniFile {
public:
  explicit TIniFile(std::string FileName) : FFileName(std::move(FileName)) {}
  const std::string& FileName() const { return FFileName; }

  // The value, cut to its first 2047 characters, or Default when missing.
  std::string ReadString(std::string_view Section, std::string_view Key,
                         const std::string& Default) const;
  // The value as a decimal integer, or Default when missing or not one.
  int ReadInteger(std::string_view Section, std::string_view Key, int Default) const;
  // Raises EIniFileException "<file> に書き込めません" when the file cannot be read or written.
  void WriteString(std::string_view Section, std::string_view Key, std::string_view Value);
  void WriteInteger(std::string_view Section, std::string_view Key, int Value);

private:
  TIniDocument Load() const;
  std::string FFileName;
};

// Text as a decimal 32-bit integer (optional sign, digits only); nothing when it is not one.
std::optional<int> ParseInteger(std::string_view Text);

// Text cut to at most MaxUnits UTF-16 code units, never inside a character.
std::string TruncateToUtf16Units(const std::string& Text, size_t MaxUnits);

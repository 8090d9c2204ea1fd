#include "app/IniFile.h"

#include "platform/FileContents.h"
#include "platform/OsError.h"

#include <charconv>

namespace {

const std::string Utf8ByteOrderMark = "\xEF\xBB\xBF";

// Longest value a read returns, in characters, as the system's INI functions give it.
constexpr size_t MaxValueLength = 2047;

std::string_view Trim(std::string_view S) {
  const auto Blank = [](char C) { return C == ' ' || C == '\t'; };
  while (!S.empty() && Blank(S.front()))
    S.remove_prefix(1);
  while (!S.empty() && Blank(S.back()))
    S.remove_suffix(1);
  return S;
}

bool SameText(std::string_view A, std::string_view B) {
  if (A.size() != B.size())
    return false;
  for (size_t I = 0; I < A.size(); ++I) {
    char X = A[I], Y = B[I];
    if (X >= 'a' && X <= 'z')
      X = static_cast<char>(X - 'a' + 'A');
    if (Y >= 'a' && Y <= 'z')
      Y = static_cast<char>(Y - 'a' + 'A');
    if (X != Y)
      return false;
  }
  return true;
}

// The section name of a "[Name]" line.
std::optional<std::string_view> SectionName(std::string_view Line) {
  Line = Trim(Line);
  if (Line.empty() || Line.front() != '[')
    return std::nullopt;
  Line.remove_prefix(1);
  return Trim(Line.substr(0, Line.find(']')));
}

bool IsComment(std::string_view Line) {
  Line = Trim(Line);
  return !Line.empty() && (Line.front() == ';' || Line.front() == '#');
}

// Key and raw value of a "Key=Value" line.
std::optional<std::pair<std::string_view, std::string_view>> KeyLine(std::string_view Line) {
  if (IsComment(Line) || SectionName(Line))
    return std::nullopt;
  const size_t Equals = Line.find('=');
  if (Equals == std::string_view::npos)
    return std::nullopt;
  const std::string_view Key = Trim(Line.substr(0, Equals));
  if (Key.empty())
    return std::nullopt;
  return std::make_pair(Key, Trim(Line.substr(Equals + 1)));
}

std::string_view Unquote(std::string_view Value) {
  if (Value.size() >= 2 && (Value.front() == '"' || Value.front() == '\'') &&
      Value.back() == Value.front())
    return Value.substr(1, Value.size() - 2);
  return Value;
}

} // namespace

TIniDocument TIniDocument::Parse(const std::string& Text) {
  TIniDocument Doc;
  std::string_view Rest = Text;
  if (Rest.starts_with(Utf8ByteOrderMark)) {
    Doc.FByteOrderMark = Utf8ByteOrderMark;
    Rest.remove_prefix(Utf8ByteOrderMark.size());
  }
  bool BreakSeen = false;
  while (!Rest.empty()) {
    const size_t End = Rest.find_first_of("\r\n");
    TLine Line;
    Line.Text = std::string(Rest.substr(0, End));
    if (End == std::string_view::npos) {
      Rest = {};
    } else {
      const size_t BreakLength = Rest.substr(End).starts_with("\r\n") ? 2 : 1;
      Line.Break = std::string(Rest.substr(End, BreakLength));
      Rest.remove_prefix(End + BreakLength);
      if (!BreakSeen)
        Doc.FLineBreak = Line.Break;
      BreakSeen = true;
    }
    Doc.FLines.push_back(std::move(Line));
  }
  return Doc;
}

std::string TIniDocument::Text() const {
  std::string Result = FByteOrderMark;
  for (const TLine& Line : FLines)
    Result += Line.Text + Line.Break;
  return Result;
}

std::optional<TIniDocument::TSectionRange>
TIniDocument::FindSection(std::string_view Section) const {
  for (size_t I = 0; I < FLines.size(); ++I) {
    const auto Name = SectionName(FLines[I].Text);
    if (!Name || !SameText(*Name, Section))
      continue;
    size_t End = I + 1;
    while (End < FLines.size() && !SectionName(FLines[End].Text))
      ++End;
    return TSectionRange{I, End};
  }
  return std::nullopt;
}

std::optional<size_t> TIniDocument::FindKey(const TSectionRange& Range,
                                            std::string_view Key) const {
  for (size_t I = Range.Header + 1; I < Range.End; ++I) {
    const auto Line = KeyLine(FLines[I].Text);
    if (Line && SameText(Line->first, Key))
      return I;
  }
  return std::nullopt;
}

std::optional<std::string> TIniDocument::Value(std::string_view Section,
                                               std::string_view Key) const {
  const auto Range = FindSection(Section);
  if (!Range)
    return std::nullopt;
  const auto Index = FindKey(*Range, Key);
  if (!Index)
    return std::nullopt;
  return std::string(Unquote(KeyLine(FLines[*Index].Text)->second));
}

void TIniDocument::Insert(size_t Position, std::string Text) {
  // The line before gets a line end if it was the file's unterminated last line.
  if (Position > 0 && FLines[Position - 1].Break.empty())
    FLines[Position - 1].Break = FLineBreak;
  FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(Position),
                TLine{std::move(Text), FLineBreak});
}

void TIniDocument::SetValue(std::string_view Section, std::string_view Key,
                            std::string_view Value) {
  Value = Value.substr(0, Value.find_first_of("\r\n"));
  std::string Line = std::string(Key) + "=" + std::string(Value);
  const auto Range = FindSection(Section);
  if (!Range) {
    Insert(FLines.size(), "[" + std::string(Section) + "]");
    Insert(FLines.size(), std::move(Line));
    return;
  }
  if (const auto Index = FindKey(*Range, Key)) {
    FLines[*Index].Text = std::move(Line);
    return;
  }
  // After the section's last non-blank line, so blank lines before the next section stay there.
  size_t Position = Range->End;
  while (Position > Range->Header + 1 && Trim(FLines[Position - 1].Text).empty())
    --Position;
  Insert(Position, std::move(Line));
}

TIniDocument TIniFile::Load() const {
  return TIniDocument::Parse(platform::ReadFileContents(FFileName).value_or(std::string()));
}

std::string TIniFile::ReadString(std::string_view Section, std::string_view Key,
                                 const std::string& Default) const {
  const auto Value = Load().Value(Section, Key);
  return TruncateToUtf16Units(Value ? *Value : Default, MaxValueLength);
}

int TIniFile::ReadInteger(std::string_view Section, std::string_view Key, int Default) const {
  return ParseInteger(ReadString(Section, Key, {})).value_or(Default);
}

void TIniFile::WriteString(std::string_view Section, std::string_view Key, std::string_view Value) {
  const auto CannotWrite = [this] { return EIniFileException(FFileName + " に書き込めません"); };
  // A file that is there but cannot be read is not rewritten from nothing.
  std::optional<std::string> Old;
  try {
    Old = platform::ReadExistingFileContents(FFileName);
  } catch (const platform::EOSError&) {
    throw CannotWrite();
  }
  TIniDocument Doc = TIniDocument::Parse(Old.value_or(std::string()));
  Doc.SetValue(Section, Key, Value);
  if (!platform::WriteFileContents(FFileName, Doc.Text()))
    throw CannotWrite();
}

void TIniFile::WriteInteger(std::string_view Section, std::string_view Key, int Value) {
  WriteString(Section, Key, std::to_string(Value));
}

std::optional<int> ParseInteger(std::string_view Text) {
  if (Text.starts_with('+')) {
    Text.remove_prefix(1);
    if (Text.starts_with('-'))
      return std::nullopt;
  }
  int Result = 0;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Result);
  if (Error != std::errc() || End != Text.data() + Text.size())
    return std::nullopt;
  return Result;
}

std::string TruncateToUtf16Units(const std::string& Text, size_t MaxUnits) {
  size_t Units = 0;
  for (size_t I = 0; I < Text.size();) {
    const unsigned char Lead = static_cast<unsigned char>(Text[I]);
    const size_t Bytes = Lead < 0x80 ? 1 : Lead < 0xE0 ? 2 : Lead < 0xF0 ? 3 : 4;
    const size_t CharUnits = Bytes == 4 ? 2 : 1; // four-byte characters are surrogate pairs
    if (Units + CharUnits > MaxUnits)
      return Text.substr(0, I);
    Units += CharUnits;
    I += Bytes;
  }
  return Text;
}

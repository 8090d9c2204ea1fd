// The INI reader and writer. The input is a file's text, then, after a zero byte, values to set:
// section, key and value, each ended by a zero byte. The text must come back byte for byte; after
// the values are set, the text written must parse again to the same text, every value set must
// read back, and values not set must stay as they were.
#include "FuzzSupport.h"

#include "app/IniFile.h"

#include <map>
#include <string_view>

namespace {

// Names the file can hold as they are: one line, no surrounding blanks; a section name without
// "]", a key without "=" that does not start like a comment or a section.
bool IsPlainName(std::string_view Name, bool Section) {
  if (Name.find_first_of("\r\n") != std::string_view::npos || TrimBlanks(Name) != Name)
    return false;
  if (Section)
    return Name.find(']') == std::string_view::npos;
  return !Name.empty() && Name.find('=') == std::string_view::npos &&
         std::string_view(";#[").find(Name.front()) == std::string_view::npos;
}

std::string Upper(std::string_view S) {
  std::string U(S);
  for (char& C : U)
    if (C >= 'a' && C <= 'z')
      C = static_cast<char>(C - 'a' + 'A');
  return U;
}

const std::pair<const char*, const char*> SettingsKeys[] = {
    {"Form", "Left"},    {"Form", "Top"},   {"Form", "Width"}, {"Form", "Height"},
    {"PDF", "FileName"}, {"PDF", "PageNo"}, {"PDF", "Scale"},  {"Target", "ProgID"}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::vector<std::string> Parts = SplitAtZeros(Data, Size);
  TIniDocument Doc = TIniDocument::Parse(Parts[0]);
  FuzzCheck(Doc.Text() == Parts[0], "the text comes back byte for byte");

  std::map<std::pair<std::string, std::string>, std::optional<std::string>> Before;
  for (const auto& [Section, Key] : SettingsKeys)
    Before[{Upper(Section), Upper(Key)}] = Doc.Value(Section, Key);

  // Names that are not plain stand for other names when read back; only the text is checked then.
  bool Plain = true;
  std::map<std::pair<std::string, std::string>, std::string> Set; // by names in capitals
  for (std::size_t I = 1; I + 2 < Parts.size(); I += 3) {
    const std::string &Section = Parts[I], &Key = Parts[I + 1], &Value = Parts[I + 2];
    Doc.SetValue(Section, Key, Value);
    Plain = Plain && IsPlainName(Section, true) && IsPlainName(Key, false);
    Set[{Upper(Section), Upper(Key)}] = AsRead(Value);
  }

  const std::string Written = Doc.Text();
  const TIniDocument Again = TIniDocument::Parse(Written);
  FuzzCheck(Again.Text() == Written, "the written text comes back byte for byte");
  if (!Plain)
    return 0;
  for (const auto& [Name, Value] : Set)
    FuzzCheck(Again.Value(Name.first, Name.second) == Value, "a value set reads back");
  for (const auto& [Name, Value] : Before)
    if (!Set.count(Name))
      FuzzCheck(Again.Value(Name.first, Name.second) == Value, "a value not set stays");
  return 0;
}

#include "cad/TargetList.h"

#include "platform/FileContents.h"
#include "platform/FilePath.h"
#include "platform/OsError.h"
#include "platform/TextEncoding.h"

using platform::TTextEncoding;

namespace {

struct TByteOrderMark {
  std::string_view Bytes;
  TTargetListEncoding Encoding;
};
constexpr TByteOrderMark ByteOrderMarks[] = {
    {"\xEF\xBB\xBF", tleUtf8}, {"\xFF\xFE", tleUtf16LE}, {"\xFE\xFF", tleUtf16BE}};

TTextEncoding EncodingOf(TTargetListEncoding Encoding) {
  switch (Encoding) {
  case tleUtf8:
    return TTextEncoding::UTF8();
  case tleUtf16LE:
    return TTextEncoding::UTF16LE();
  case tleUtf16BE:
    return TTextEncoding::UTF16BE();
  case tleSystem8Bit:
    break;
  }
  return TTextEncoding::System8Bit();
}

std::string_view MarkOf(TTargetListEncoding Encoding) {
  for (const TByteOrderMark& Mark : ByteOrderMarks)
    if (Mark.Encoding == Encoding)
      return Mark.Bytes;
  return {};
}

std::vector<std::string> SplitLines(const std::string& Text) {
  std::vector<std::string> Lines;
  std::size_t Start = 0;
  while (Start < Text.size()) {
    const std::size_t Break = Text.find_first_of("\r\n", Start);
    if (Break == std::string::npos) {
      Lines.push_back(Text.substr(Start));
      break;
    }
    Lines.push_back(Text.substr(Start, Break - Start));
    Start = Break + (Text.compare(Break, 2, "\r\n") == 0 ? 2 : 1);
  }
  return Lines;
}

} // namespace

EFOpenError::EFOpenError(const std::string& FileName, const std::string& Reason)
    : std::runtime_error("ファイル \"" + FileName + "\" を開けません。" + Reason) {}

EFCreateError::EFCreateError(const std::string& FileName, const std::string& Reason)
    : std::runtime_error("ファイル \"" + FileName + "\" を作成できません。" + Reason) {}

TTargetListText ParseTargetList(std::string_view Bytes) {
  TTargetListText Result;
  for (const TByteOrderMark& Mark : ByteOrderMarks)
    if (Bytes.starts_with(Mark.Bytes)) {
      Result.Encoding = Mark.Encoding;
      Bytes.remove_prefix(Mark.Bytes.size());
      break;
    }
  // Half a UTF-16 code unit at the end is no character.
  if (Result.Encoding == tleUtf16LE || Result.Encoding == tleUtf16BE)
    Bytes = Bytes.substr(0, Bytes.size() & ~std::size_t{1});
  Result.Lines = SplitLines(EncodingOf(Result.Encoding).Decode(Bytes));
  return Result;
}

std::string FormatTargetList(const std::vector<std::string>& Lines, TTargetListEncoding Encoding) {
  std::string Text;
  for (const std::string& Line : Lines)
    Text += Line + "\r\n";
  return std::string(MarkOf(Encoding)) + EncodingOf(Encoding).Encode(Text);
}

std::string TargetListFilePath(const std::string& ExecutableDirectory) {
  return platform::IncludeTrailingDelimiter(ExecutableDirectory) + "TargetCAD_APIVersion.txt";
}

std::optional<TTargetListText> ReadTargetListFile(const std::string& FileName) {
  std::optional<std::string> Bytes;
  try {
    Bytes = platform::ReadExistingFileContents(FileName);
  } catch (const platform::EOSError& E) {
    throw EFOpenError(FileName, platform::SysErrorMessage(E.Code));
  }
  if (!Bytes)
    return std::nullopt;
  return ParseTargetList(*Bytes);
}

void WriteTargetListFile(const std::string& FileName, const TTargetListText& Text) {
  const std::string Bytes = FormatTargetList(Text.Lines, Text.Encoding);
  try {
    platform::ReplaceFileContents(FileName, Bytes);
  } catch (const platform::EOSError& E) {
    throw EFCreateError(FileName, platform::SysErrorMessage(E.Code));
  }
}

TTargetEntry SplitTargetLine(const std::string& Line) {
  const std::size_t Tab = Line.find('\t');
  if (Tab == std::string::npos)
    return {"", Line};
  return {Line.substr(0, Tab), Line.substr(Tab + 1)};
}

std::string JoinTargetLine(const std::string& Name, const std::string& ProgID) {
  return Name + "\t" + ProgID;
}

std::optional<std::size_t> FindTargetLine(const std::vector<std::string>& Lines,
                                          const std::string& ProgID) {
  for (std::size_t I = 0; I < Lines.size(); ++I)
    if (Lines[I].find("\t" + ProgID) != std::string::npos)
      return I;
  return std::nullopt;
}

std::optional<std::string> CaptionNameOf(const std::vector<std::string>& Lines,
                                         const std::string& ProgID) {
  const std::optional<std::size_t> Index = FindTargetLine(Lines, ProgID);
  if (!Index)
    return std::nullopt;
  const std::string& Line = Lines[*Index];
  return Line.substr(0, Line.find("\t" + ProgID));
}

std::string TargetCaption(const std::string& Title, const std::string& Name) {
  return Title + " [ " + Name + " ]";
}

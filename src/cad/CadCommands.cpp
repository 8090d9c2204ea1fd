#include "cad/CadCommands.h"

#include "cad/CadConnection.h"
#include "cad/TargetProgID.h"
#include "platform/FileContents.h"
#include "platform/FilePath.h"
#include "platform/UserLocale.h"

#include <charconv>

const char* const ImportCommandName = "importpdf";
const char* const QuolsaCommandName = "quolsa";
const char* const PdfLineCommandName = "pdfline";
const char* const LineAlignCommandName = "lnalp";
const char* const CircleCutCommandName = "crcut";
const char* const OneLineCommandName = "oneline";
const char* const TextLinesCommandName = "txlines";

namespace {

// The path as the inside of a LISP string.
std::string LispStringBody(const std::string& Text) {
  std::string Result;
  for (char C : Text) {
    if (C == '\\' || C == '"')
      Result += '\\';
    Result += C;
  }
  return Result;
}

bool IsDigit(char C) {
  return C >= '0' && C <= '9';
}

} // namespace

std::string LispFilePath(const std::string& ExecutableDirectory) {
  return platform::IncludeTrailingDelimiter(ExecutableDirectory) + "quolsa.lsp";
}

std::string CommandText(const std::string& LispFile, const std::string& CommandName) {
  return "(load \"" + LispStringBody(LispFile) + "\")(princ)\r" + CommandName + "\r";
}

bool IsBricsCADTarget(const std::string& ProgID) {
  std::string Upper = ProgID;
  for (char& C : Upper)
    if (C >= 'a' && C <= 'z')
      C = static_cast<char>(C - 'a' + 'A');
  return Upper.find("BRICSCAD") != std::string::npos;
}

std::optional<double> TextToFloat(const std::string& Text, const std::string& DecimalSeparator) {
  std::size_t I = 0;
  const auto SkipBlanks = [&] {
    while (I < Text.size() && Text[I] == ' ')
      ++I;
  };
  // The number in the form the standard conversion reads.
  std::string Plain;
  const auto TakeDigits = [&] {
    const std::size_t Start = I;
    while (I < Text.size() && IsDigit(Text[I]))
      Plain += Text[I++];
    return I > Start;
  };
  const auto TakeSign = [&] {
    if (I < Text.size() && (Text[I] == '+' || Text[I] == '-'))
      if (Text[I++] == '-')
        Plain += '-';
  };

  SkipBlanks();
  TakeSign();
  bool Digits = TakeDigits();
  if (!DecimalSeparator.empty() &&
      Text.compare(I, DecimalSeparator.size(), DecimalSeparator) == 0) {
    I += DecimalSeparator.size();
    Plain += '.';
    Digits = TakeDigits() || Digits;
  }
  if (!Digits)
    return std::nullopt;
  if (I < Text.size() && (Text[I] == 'e' || Text[I] == 'E')) {
    ++I;
    Plain += 'e';
    TakeSign();
    if (!TakeDigits())
      return std::nullopt;
  }
  SkipBlanks();
  if (I != Text.size())
    return std::nullopt;

  double Value = 0;
  const auto [End, Error] = std::from_chars(Plain.data(), Plain.data() + Plain.size(), Value);
  if (Error != std::errc() || End != Plain.data() + Plain.size())
    return std::nullopt;
  return Value;
}

double ImportScale(const std::string& ScaleText) {
  return TextToFloat(ScaleText, platform::UserDecimalSeparator()).value_or(DefaultImportScale);
}

void ImportPdf(const TImportInputs& Inputs) {
  if (!platform::FileExists(Inputs.PdfPath) || !IsTargetCADRunning())
    return;
  TTargetCAD Cad = AttachTargetCAD();
  // For other targets the import only brings the CAD to the front.
  if (!IsBricsCADTarget(TargetProgID))
    return;
  std::string Path = Inputs.PdfPath;
  Cad.SetVariable("users5", platform::TTextByRef{&Path});
  Cad.SetVariable("useri5", Inputs.PageNumber);
  Cad.SetVariable("userr5", ImportScale(Inputs.ScaleText));
  if (!platform::FileExists(Inputs.LispFile))
    return;
  Cad.SendCommand(CommandText(Inputs.LispFile, ImportCommandName));
}

void RunCleanUpCommand(const std::string& CommandName, const std::string& LispFile) {
  if (!platform::FileExists(LispFile))
    return;
  const std::string Text = CommandText(LispFile, CommandName);
  if (!IsTargetCADRunning())
    return;
  AttachTargetCAD().SendCommand(Text);
}

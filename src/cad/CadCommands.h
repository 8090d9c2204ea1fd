// The commands sent to the CAD: the PDF import, which hands over file, page and scale in three user
// variables first, and the clean-up commands. Each loads the LISP file beside the executable and
// then names its command on the CAD's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The CAD-side commands.
extern const char* const ImportCommandName;    // "importpdf"
extern const char* const QuolsaCommandName;    // "quolsa"
extern const char* const PdfLineCommandName;   // "pdfline"
extern const char* const LineAlignCommandName; // "lnalp"
extern const char* const CircleCutCommandName; // "crcut"
extern const char* const OneLineCommandName;   // "oneline"
extern const char* const TextLinesCommandName; // "txlines"

// The scale handed over when the scale box holds no number.
constexpr double DefaultImportScale = 25.4;

// The LISP file "quolsa.lsp" in the executable's directory.
std::string LispFilePath(const std::string& ExecutableDirectory);

// The command-line text that loads LispFile and then runs CommandName: "(load "<path>")(princ)",
// a carriage return, the name, a carriage return. Backslashes and double quotes of the path are
// escaped, so the path stays one LISP string.
std::string CommandText(const std::string& LispFile, const std::string& CommandName);

// True for the targets the import hands its variables to: "BRICSCAD" anywhere in the class name,
// ignoring the case of ASCII letters.
bool IsBricsCADTarget(const std::string& ProgID);

// A number written with DecimalSeparator: blanks around it, a sign, digits with one separator, an
// exponent; nothing when the text is anything else or out of range.
std::optional<double> TextToFloat(const std::string& Text, const std::string& DecimalSeparator);

// The scale box's number in the user's number format, else DefaultImportScale.
double ImportScale(const std::string& ScaleText);

struct TImportInputs {
  std::string PdfPath;     // the shown file, as in the file-name field
  std::int32_t PageNumber; // the shown page, from 1
  std::string ScaleText;   // the scale box's text
  std::string LispFile;
};

// "PDFIMPORT": with the PDF present and the target running, attaches to the CAD; for a BricsCAD
// target sets "users5", "useri5" and "userr5" and, when the LISP file is there, runs "importpdf".
// Missing pieces end the command silently; CAD errors raise.
void ImportPdf(const TImportInputs& Inputs);

// "QUOLSA" and the menu's commands: with the LISP file present and the target running, attaches to
// the CAD and runs CommandName. Missing pieces end the command silently; CAD errors raise.
void RunCleanUpCommand(const std::string& CommandName, const std::string& LispFile);

// The target list reader and writer. The input is a file's bytes. Its lines, written back in the
// encoding read, must read back as the same lines in the same encoding (after the first writing,
// which may put the code page's default character where a byte did not decode), and the line model
// must find every target it lists.
#include "FuzzSupport.h"

#include "cad/TargetList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const TTargetListText Read =
      ParseTargetList(std::string_view(reinterpret_cast<const char*>(Data), Size));
  const TTargetListText Once = ParseTargetList(FormatTargetList(Read.Lines, Read.Encoding));
  FuzzCheck(Once.Encoding == Read.Encoding, "the file reads back in its encoding");
  FuzzCheck(Once.Lines.size() == Read.Lines.size(), "the file reads back with as many lines");
  const TTargetListText Twice = ParseTargetList(FormatTargetList(Once.Lines, Once.Encoding));
  FuzzCheck(Twice.Encoding == Once.Encoding && Twice.Lines == Once.Lines,
            "lines written read back the same");

  for (const std::string& Line : Once.Lines) {
    const TTargetEntry Entry = SplitTargetLine(Line);
    FuzzCheck(JoinTargetLine(Entry.Name, Entry.ProgID) == Line ||
                  Line.find('\t') == std::string::npos,
              "a line split at its TAB joins again");
    if (Line.find('\t') != std::string::npos)
      FuzzCheck(FindTargetLine(Once.Lines, Entry.ProgID).has_value(), "a listed target is found");
  }
  return 0;
}

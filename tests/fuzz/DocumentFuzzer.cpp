// Document loading through the binding from bytes, as the viewer reads a document: open, every
// page's size, the page drawn small, its text and web links, close. One document object serves
// every input, as the viewer's one document serves every file. Only the document layer's own error
// may come out.
#include "FuzzSupport.h"

#include "DocumentWalk.h"
#include "platform/ExecutablePath.h"

namespace {

// Enough pages to reach every kind of page object; a damaged page tree can claim a million.
constexpr int MaxPages = 8;

TPdfDocument& Document() {
  static TPdfDocument* const Instance = [] {
    SetEngineDirectory(platform::ExecutableDirectory() + "/PDFium/x64");
    // Lives until the process ends, as the engine does.
    static TPdfDocument Document;
    return &Document;
  }();
  return *Instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TPdfDocument& Doc = Document();
  try {
    Doc.LoadFromBytes(std::vector<std::uint8_t>(Data, Data + Size));
    ReadEveryPage(Doc, MaxPages);
  } catch (const EPdfException&) {
  }
  Doc.Close();
  FuzzCheck(!Doc.Active() && Doc.PageCount() == 0, "a closed document holds nothing");
  return 0;
}

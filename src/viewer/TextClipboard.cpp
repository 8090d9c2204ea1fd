#include "viewer/TextClipboard.h"

#include "engine/PdfUnicode.h"

#include <wx/clipbrd.h>

namespace {

// The clipboard is open while this lives.
class TOpenClipboard {
public:
  TOpenClipboard() : FOpen(wxTheClipboard->Open()) {}
  ~TOpenClipboard() {
    if (FOpen)
      wxTheClipboard->Close();
  }
  TOpenClipboard(const TOpenClipboard&) = delete;
  TOpenClipboard& operator=(const TOpenClipboard&) = delete;
  bool IsOpen() const { return FOpen; }

private:
  bool FOpen;
};

} // namespace

bool SetClipboardText(std::u16string_view Text) {
  TOpenClipboard Clipboard;
  if (!Clipboard.IsOpen())
    return false;
  // The clipboard owns the data object from here on.
  return wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(Utf16ToUtf8(Text))));
}

std::optional<std::u16string> ClipboardText() {
  TOpenClipboard Clipboard;
  if (!Clipboard.IsOpen() ||
      (!wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && !wxTheClipboard->IsSupported(wxDF_TEXT)))
    return std::nullopt;
  wxTextDataObject Data;
  if (!wxTheClipboard->GetData(Data))
    return std::nullopt;
  return Utf8ToUtf16(Data.GetText().utf8_string());
}

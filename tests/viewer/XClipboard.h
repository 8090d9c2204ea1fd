// The X clipboard as other programs see it, through the xclip tool: what a user pasting into an
// editor would get, and contents another program offers.
#pragma once

#include <string>
#include <sys/types.h>

// The clipboard's text as UTF-8; empty when it holds none. The toolkit's events are handled
// meanwhile, so a window of this process that owns the clipboard can answer.
std::string ReadXClipboard();

// Another program owns the clipboard while this lives, offering Data as the given type.
class TXClipboardOwner {
public:
  explicit TXClipboardOwner(const std::string& Data, const std::string& Type = "UTF8_STRING");
  ~TXClipboardOwner();
  TXClipboardOwner(const TXClipboardOwner&) = delete;
  TXClipboardOwner& operator=(const TXClipboardOwner&) = delete;

private:
  pid_t FPid = -1;
};

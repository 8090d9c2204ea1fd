// The system clipboard's Unicode text, over the toolkit's clipboard.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Makes Text the clipboard's only content; false when the clipboard cannot be opened.
bool SetClipboardText(std::u16string_view Text);

// The clipboard's text (Unicode or plain); nothing when it holds no text or cannot be opened.
std::optional<std::u16string> ClipboardText();

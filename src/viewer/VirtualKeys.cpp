#include "viewer/VirtualKeys.h"

#include <wx/defs.h>

#include <utility>

namespace {

// Keys whose toolkit code is not their virtual-key code. The keypad's navigation keys (Num Lock
// off) are the same keys as the navigation block's.
constexpr std::pair<int, std::uint16_t> SpecialKeys[] = {
    {WXK_BACK, vkBack},
    {WXK_TAB, vkTab},
    {WXK_RETURN, vkReturn},
    {WXK_ESCAPE, vkEscape},
    {WXK_SPACE, vkSpace},
    {WXK_DELETE, vkDelete},
    {WXK_CANCEL, 0x03},
    {WXK_CLEAR, 0x0C},
    {WXK_SHIFT, vkShift},
    {WXK_ALT, vkMenu},
    {WXK_CONTROL, vkControl},
    {WXK_RAW_CONTROL, vkControl},
    {WXK_PAUSE, 0x13},
    {WXK_CAPITAL, 0x14},
    {WXK_END, vkEnd},
    {WXK_HOME, vkHome},
    {WXK_LEFT, vkLeft},
    {WXK_UP, vkUp},
    {WXK_RIGHT, vkRight},
    {WXK_DOWN, vkDown},
    {WXK_SELECT, 0x29},
    {WXK_PRINT, 0x2A},
    {WXK_EXECUTE, 0x2B},
    {WXK_SNAPSHOT, 0x2C},
    {WXK_INSERT, vkInsert},
    {WXK_HELP, 0x2F},
    {WXK_MULTIPLY, 0x6A},
    {WXK_ADD, 0x6B},
    {WXK_SEPARATOR, 0x6C},
    {WXK_SUBTRACT, 0x6D},
    {WXK_DECIMAL, 0x6E},
    {WXK_DIVIDE, 0x6F},
    {WXK_NUMLOCK, 0x90},
    {WXK_SCROLL, 0x91},
    {WXK_PAGEUP, vkPrior},
    {WXK_PAGEDOWN, vkNext},
    {WXK_NUMPAD_SPACE, vkSpace},
    {WXK_NUMPAD_TAB, vkTab},
    {WXK_NUMPAD_ENTER, vkReturn},
    {WXK_NUMPAD_HOME, vkHome},
    {WXK_NUMPAD_LEFT, vkLeft},
    {WXK_NUMPAD_UP, vkUp},
    {WXK_NUMPAD_RIGHT, vkRight},
    {WXK_NUMPAD_DOWN, vkDown},
    {WXK_NUMPAD_PAGEUP, vkPrior},
    {WXK_NUMPAD_PAGEDOWN, vkNext},
    {WXK_NUMPAD_END, vkEnd},
    {WXK_NUMPAD_BEGIN, 0x0C},
    {WXK_NUMPAD_INSERT, vkInsert},
    {WXK_NUMPAD_DELETE, vkDelete},
    {WXK_NUMPAD_MULTIPLY, 0x6A},
    {WXK_NUMPAD_ADD, 0x6B},
    {WXK_NUMPAD_SEPARATOR, 0x6C},
    {WXK_NUMPAD_SUBTRACT, 0x6D},
    {WXK_NUMPAD_DECIMAL, 0x6E},
    {WXK_NUMPAD_DIVIDE, 0x6F},
    {WXK_WINDOWS_LEFT, 0x5B},
    {WXK_WINDOWS_RIGHT, 0x5C},
    {WXK_WINDOWS_MENU, 0x5D},
    // Punctuation keys by their unshifted character on a US keyboard.
    {';', 0xBA},
    {'=', 0xBB},
    {',', 0xBC},
    {'-', 0xBD},
    {'.', 0xBE},
    {'/', 0xBF},
    {'`', 0xC0},
    {'[', 0xDB},
    {'\\', 0xDC},
    {']', 0xDD},
    {'\'', 0xDE},
};

} // namespace

std::uint16_t VirtualKeyOf(int Code) {
  if ((Code >= '0' && Code <= '9') || (Code >= 'A' && Code <= 'Z'))
    return static_cast<std::uint16_t>(Code);
  if (Code >= 'a' && Code <= 'z')
    return static_cast<std::uint16_t>(Code - 'a' + 'A');
  if (Code >= WXK_NUMPAD0 && Code <= WXK_NUMPAD9)
    return static_cast<std::uint16_t>(0x60 + Code - WXK_NUMPAD0);
  if (Code >= WXK_F1 && Code <= WXK_F24)
    return static_cast<std::uint16_t>(vkF1 + Code - WXK_F1);
  if (Code >= WXK_NUMPAD_F1 && Code <= WXK_NUMPAD_F4)
    return static_cast<std::uint16_t>(vkF1 + Code - WXK_NUMPAD_F1);
  for (const auto& [Toolkit, Virtual] : SpecialKeys)
    if (Toolkit == Code)
      return Virtual;
  return vkNone;
}

std::intptr_t KeyMessageData(bool AltDown, bool Release) {
  std::intptr_t Data = 1;
  if (AltDown)
    Data |= std::intptr_t(1) << 29;
  if (Release)
    Data |= std::intptr_t(3) << 30;
  return Data;
}

// The keys of the engine's form layer and of the viewer's key table are Windows virtual-key codes;
// the toolkit's key codes are turned into them in one table, so the same keys work on every system.
#pragma once

#include <cstdint>

enum TVirtualKey : std::uint16_t {
  vkNone = 0,
  vkBack = 0x08,
  vkTab = 0x09,
  vkReturn = 0x0D,
  vkShift = 0x10,
  vkControl = 0x11,
  vkMenu = 0x12,
  vkEscape = 0x1B,
  vkSpace = 0x20,
  vkPrior = 0x21,
  vkNext = 0x22,
  vkEnd = 0x23,
  vkHome = 0x24,
  vkLeft = 0x25,
  vkUp = 0x26,
  vkRight = 0x27,
  vkDown = 0x28,
  vkInsert = 0x2D,
  vkDelete = 0x2E,
  vkA = 0x41,
  vkC = 0x43,
  vkV = 0x56,
  vkX = 0x58,
  vkF1 = 0x70,
};

// The virtual-key code of a toolkit key code of a key-down or key-up event (a wxKeyCode, or the
// upper-case letter, digit or unshifted punctuation of the key); vkNone for keys without one.
std::uint16_t VirtualKeyOf(int ToolkitKeyCode);

// The key message data the form layer reads with a key: a repeat count of 1, bit 29 while Alt is
// held, and bits 30 and 31 for a release.
std::intptr_t KeyMessageData(bool AltDown, bool Release);

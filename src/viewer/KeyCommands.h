// What a key press does in the viewer: the viewer's own key table (scrolling, page turns, copy and
// select all), and the editing keys of a focused form field (its clipboard and select all).
// Keys are virtual-key codes (VirtualKeys.h).
#pragma once

#include "engine/PdfShiftState.h"
#include "viewer/ScrollBarModel.h"

#include <cstdint>

enum TKeyCommandKind {
  kcNone,
  kcScroll,    // by DX, DY
  kcNextPage,  // the next page, shown at its top
  kcPrevPage,  // the previous page, shown at its bottom
  kcFirstPage, // the first page at its top
  kcLastPage,  // the last page at the bottom
  kcCopy,      // the selection to the clipboard, when there is one
  kcSelectAll,
};

struct TKeyCommand {
  TKeyCommandKind Kind = kcNone;
  int DX = 0;
  int DY = 0;
  bool operator==(const TKeyCommand&) const = default;
};

// What the viewer's key table reads besides the key.
struct TKeyContext {
  bool AllowUserPageChange = true;
  bool AllowUserTextSelection = true;
  TScrollBarModel HorzBar;
  TScrollBarModel VertBar;
};

// The viewer's command for a key the form filler did not take. Shift holds ssShift, ssCtrl and
// ssAlt as they were at the key press. A hidden scroll bar cannot be read: the rows that read it
// do nothing. A key with a command is used up, also when the command finds nothing to do.
TKeyCommand ViewerKeyCommand(std::uint16_t Key, TShiftState Shift, const TKeyContext& Context);

enum TFormEditCommand { fecNone, fecCopy, fecCut, fecPaste, fecSelectAll };

// The editing keys of a focused form field, which the control carries out on the field with the
// clipboard: Ctrl+C and Ctrl+Insert copy, Ctrl+X and Shift+Delete cut, Ctrl+V and Shift+Insert
// paste, Ctrl+A selects all; no other modifier may be held.
TFormEditCommand FormEditCommand(std::uint16_t Key, TShiftState Shift);

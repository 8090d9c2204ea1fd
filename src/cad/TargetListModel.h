// The target dialog's list: the file's lines in sorted order, the selected line, and the encoding
// the file was last read in, which a save writes it back in.
#pragma once

#include "cad/TargetList.h"

#include <string>
#include <vector>

// Where Line goes in Lines sorted as the user's locale sorts, ignoring case: after the lines that
// sort equal to it.
std::size_t SortedInsertPosition(const std::vector<std::string>& Lines, const std::string& Line);

// The line selected after removing the one at Removed, with Left lines remaining: the one now at
// its place, else the one before it; -1 when the list is empty.
int SelectionAfterDelete(int Removed, int Left);

class TTargetListModel {
public:
  explicit TTargetListModel(std::string FileName) : FFileName(std::move(FileName)) {}

  const std::string& FileName() const { return FFileName; }
  const std::vector<std::string>& Lines() const { return FText.Lines; }
  // The selected line's position; -1 when none is selected.
  int ItemIndex() const { return FItemIndex; }
  // -1 clears the selection.
  void Select(int Index);

  // Replaces the lines by the file's, sorted, and clears the selection. False, with nothing
  // changed, when the file does not exist; EFOpenError when it cannot be read.
  bool Load();
  // Adds the line at its sorted place and selects the first line equal to it apart from case.
  void Add(const std::string& Line);
  // Replaces the selected line, in place. False, with nothing changed, when none is selected.
  bool Change(const std::string& Line);
  // Removes the selected line and selects a neighbour (SelectionAfterDelete). False, with nothing
  // changed, when none is selected.
  bool Delete();
  // Writes all lines to the file in the encoding last read; EFCreateError when it cannot.
  void Save() const;

private:
  std::string FFileName;
  TTargetListText FText;
  int FItemIndex = -1;
};

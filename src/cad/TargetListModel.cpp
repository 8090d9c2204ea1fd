#include "cad/TargetListModel.h"

#include "platform/UserLocale.h"

#include <algorithm>

std::size_t SortedInsertPosition(const std::vector<std::string>& Lines, const std::string& Line) {
  const auto Place = std::upper_bound(Lines.begin(), Lines.end(), Line,
                                      [](const std::string& A, const std::string& B) {
                                        return platform::CompareTextAsUser(A, B) < 0;
                                      });
  return static_cast<std::size_t>(Place - Lines.begin());
}

int SelectionAfterDelete(int Removed, int Left) {
  return Left == 0 ? -1 : std::min(Removed, Left - 1);
}

void TTargetListModel::Select(int Index) {
  FItemIndex = Index >= 0 && Index < static_cast<int>(Lines().size()) ? Index : -1;
}

bool TTargetListModel::Load() {
  std::optional<TTargetListText> Read = ReadTargetListFile(FFileName);
  if (!Read)
    return false;
  FText.Encoding = Read->Encoding;
  FText.Lines.clear();
  for (const std::string& Line : Read->Lines)
    FText.Lines.insert(FText.Lines.begin() + SortedInsertPosition(FText.Lines, Line), Line);
  FItemIndex = -1;
  return true;
}

void TTargetListModel::Add(const std::string& Line) {
  std::vector<std::string>& Lines = FText.Lines;
  Lines.insert(Lines.begin() + SortedInsertPosition(Lines, Line), Line);
  const auto Equal = std::find_if(Lines.begin(), Lines.end(), [&](const std::string& L) {
    return platform::CompareTextAsUser(L, Line) == 0;
  });
  Select(static_cast<int>(Equal - Lines.begin()));
}

bool TTargetListModel::Change(const std::string& Line) {
  if (FItemIndex < 0)
    return false;
  FText.Lines[FItemIndex] = Line;
  return true;
}

bool TTargetListModel::Delete() {
  if (FItemIndex < 0)
    return false;
  FText.Lines.erase(FText.Lines.begin() + FItemIndex);
  Select(SelectionAfterDelete(FItemIndex, static_cast<int>(FText.Lines.size())));
  return true;
}

void TTargetListModel::Save() const {
  WriteTargetListFile(FFileName, FText);
}

#include "viewer/ScrollBarModel.h"

#include <algorithm>

void TScrollBarModel::SetRange(int Maximum, int Page) {
  FShown = true;
  FMaximum = std::max(Maximum, 0);
  FPage = std::clamp(Page, 0, FMaximum + 1);
  SetPosition(FPosition);
}

int TScrollBarModel::SetPosition(int Value) {
  FPosition = std::clamp(Value, 0, LastPosition());
  return FPosition;
}

int TScrollBarModel::LastPosition() const {
  return std::max(FMaximum - std::max(FPage - 1, 0), 0);
}

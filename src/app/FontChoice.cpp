#include "app/FontChoice.h"

std::string ChooseFaceName(const std::function<bool(const std::string&)>& Available) {
  static const char* const Faces[] = {"Tahoma",           "IPAPGothic",         "IPAGothic",
                                      "Noto Sans CJK JP", "Source Han Sans JP", "TakaoPGothic",
                                      "VL PGothic",       "Droid Sans Japanese"};
  for (const char* Face : Faces)
    if (Available(Face))
      return Face;
  return {};
}

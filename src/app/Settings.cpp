#include "app/Settings.h"

const char* const DefaultPageNo = "1";
const char* const DefaultScale = "25.4";

TSettings ReadSettings(const TIniFile& Ini, const TSettings& Defaults) {
  TSettings S = Defaults;
  S.Left = Ini.ReadInteger("Form", "Left", Defaults.Left);
  S.Top = Ini.ReadInteger("Form", "Top", Defaults.Top);
  S.FileName = Ini.ReadString("PDF", "FileName", Defaults.FileName);
  S.PageNo = Ini.ReadString("PDF", "PageNo", Defaults.PageNo);
  S.Scale = Ini.ReadString("PDF", "Scale", Defaults.Scale);
  S.ProgID = Ini.ReadString("Target", "ProgID", Defaults.ProgID);
  return S;
}

void WriteSettings(TIniFile& Ini, const TSettings& Values) {
  Ini.WriteInteger("Form", "Width", Values.Width);
  Ini.WriteInteger("Form", "Height", Values.Height);
  Ini.WriteInteger("Form", "Left", Values.Left);
  Ini.WriteInteger("Form", "Top", Values.Top);
  Ini.WriteString("PDF", "FileName", Values.FileName);
  Ini.WriteString("PDF", "PageNo", Values.PageNo);
  Ini.WriteString("PDF", "Scale", Values.Scale);
  Ini.WriteString("Target", "ProgID", Values.ProgID);
}

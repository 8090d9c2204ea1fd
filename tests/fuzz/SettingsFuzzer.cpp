// The settings as start-up reads them from a file of any content, and as the program's end writes
// them back: every value read is within the length a read allows, and what is written reads back
// the same.
#include "FuzzSupport.h"

#include "app/Settings.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

// A file of this process's own, in memory where the system has a file system there.
const std::string& SettingsFile() {
  static const std::string Name = [] {
    namespace fs = std::filesystem;
    std::error_code Error;
    const fs::path Dir =
        fs::is_directory("/dev/shm", Error) ? fs::path("/dev/shm") : fs::temp_directory_path();
    return (Dir / ("quolsa-settings-fuzz-" + std::to_string(std::random_device()()) + ".ini"))
        .string();
  }();
  return Name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string& Name = SettingsFile();
  std::ofstream(Name, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));
  TSettings Defaults;
  Defaults.Left = 533;
  Defaults.Top = 418;
  Defaults.PageNo = DefaultPageNo;
  Defaults.Scale = DefaultScale;
  Defaults.ProgID = "BricscadApp.AcadApplication";

  TIniFile Ini(Name);
  const TSettings Read = ReadSettings(Ini, Defaults);
  for (const std::string* Value : {&Read.FileName, &Read.PageNo, &Read.Scale, &Read.ProgID})
    FuzzCheck(TruncateToUtf16Units(*Value, 2047) == *Value, "a value read is within the limit");

  WriteSettings(Ini, Read);
  const TSettings Again = ReadSettings(Ini, Defaults);
  FuzzCheck(Again.Left == Read.Left && Again.Top == Read.Top, "the position reads back");
  FuzzCheck(Again.FileName == AsRead(Read.FileName), "the file name reads back");
  FuzzCheck(Again.PageNo == AsRead(Read.PageNo), "the page number reads back");
  FuzzCheck(Again.Scale == AsRead(Read.Scale), "the scale reads back");
  FuzzCheck(Again.ProgID == AsRead(Read.ProgID), "the target reads back");
  std::remove(Name.c_str());
  return 0;
}

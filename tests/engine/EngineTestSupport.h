// What the engine tests share: the engine beside the test executable, the fixture files, and
// looks at the process's open files and mappings.
#pragma once

#include "engine/PdfEngineCore.h"
#include "platform/ProcessResources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// The path of a committed fixture file.
std::string TestData(const std::string& Name);

// Points the document layer at the engine beside the test executable.
void UseTestEngine();

// Every test that opens documents derives from this; members of derived fixtures see the engine.
class TEngineTest : public ::testing::Test {
protected:
  TEngineTest() { UseTestEngine(); }
};

std::vector<std::uint8_t> ReadFileBytes(const std::string& Path);

// Lines of /proc/self/maps that map the file Path.
int MappingCount(const std::string& Path);

// What a failed or finished load may leave behind: no open file, no mapping of the file.
struct TProcessFiles {
  explicit TProcessFiles(const std::string& Path)
      : Path(Path), Files(platform::OpenHandleCount()), Mappings(MappingCount(Path)) {}
  bool Unchanged() const {
    return platform::OpenHandleCount() == Files && MappingCount(Path) == Mappings;
  }
  std::string Path;
  int Files;
  int Mappings;
};

// A directory of its own for files a test writes; removed with the object.
class TScratchDir {
public:
  TScratchDir();
  ~TScratchDir();
  std::string File(const std::string& Name) const { return (FPath / Name).string(); }

private:
  std::filesystem::path FPath;
};

// The names of the files in Dir, sorted.
std::vector<std::string> FileNames(const std::string& Dir);

// Document saved to bytes and opened again from them.
std::unique_ptr<TPdfDocument> SavedAndOpenedAgain(TPdfDocument& Document);

// Writes the one-page test document with an unreferenced stream object of PaddingSize zero bytes
// in front of the page objects, so the file can be made large without the engine reading it. The
// zeros are skipped over, not written, so a file of gigabytes costs no disk space.
void WritePaddedPdf(const std::string& Path, std::uint64_t PaddingSize);

// Pixel channels of a surface pixel (bytes blue, green, red, alpha).
struct TRgba {
  explicit TRgba(std::uint32_t Pixel)
      : R((Pixel >> 16) & 0xFF), G((Pixel >> 8) & 0xFF), B(Pixel & 0xFF), A(Pixel >> 24) {}
  int R, G, B, A;
};
std::ostream& operator<<(std::ostream& Out, const TRgba& P);

// The test page (200 x 300 points) drawn at its size in points, turned as given: where the centre
// of its square, page point (50, 230), lands.
struct TRotationCase {
  TPdfPageRotation Rotation;
  int Width, Height;
  TPoint Square;
};
inline constexpr TRotationCase RotationCases[] = {
    {prNormal, 200, 300, {50, 70}},
    {pr90Clockwise, 300, 200, {230, 50}},
    {pr180, 200, 300, {150, 230}},
    {pr90CounterClockwide, 300, 200, {70, 150}},
};

// The test page's colours.
bool IsBlack(std::uint32_t Pixel);
bool IsWhite(std::uint32_t Pixel);

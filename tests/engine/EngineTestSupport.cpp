#include "EngineTestSupport.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

std::string TestData(const std::string& Name) {
  return std::string(QUOLSA_TEST_DATA) + "/" + Name;
}

void UseTestEngine() {
  const fs::path Exe = fs::read_symlink("/proc/self/exe");
  SetEngineDirectory((Exe.parent_path() / "PDFium" / "x64").string());
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& Path) {
  std::ifstream In(Path, std::ios::binary);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

int MappingCount(const std::string& Path) {
  const std::string Real = fs::weakly_canonical(Path).string();
  std::ifstream Maps("/proc/self/maps");
  int Count = 0;
  for (std::string Line; std::getline(Maps, Line);)
    if (Line.size() >= Real.size() &&
        Line.compare(Line.size() - Real.size(), Real.size(), Real) == 0)
      ++Count;
  return Count;
}

TScratchDir::TScratchDir() {
  std::random_device Random;
  FPath = fs::temp_directory_path() /
          ("quolsa-engine-" + std::to_string(::getpid()) + "-" + std::to_string(Random()));
  fs::create_directories(FPath);
}

TScratchDir::~TScratchDir() {
  std::error_code Ignored;
  fs::remove_all(FPath, Ignored);
}

std::vector<std::string> FileNames(const std::string& Dir) {
  std::vector<std::string> Names;
  for (const auto& Entry : fs::directory_iterator(Dir))
    Names.push_back(Entry.path().filename().string());
  std::sort(Names.begin(), Names.end());
  return Names;
}

std::unique_ptr<TPdfDocument> SavedAndOpenedAgain(TPdfDocument& Document) {
  std::vector<std::uint8_t> Bytes;
  Document.SaveToBytes(Bytes);
  auto Again = std::make_unique<TPdfDocument>();
  Again->LoadFromBytes(std::move(Bytes));
  return Again;
}

void WritePaddedPdf(const std::string& Path, std::uint64_t PaddingSize) {
  std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
  std::vector<std::uint64_t> Offsets;
  auto Object = [&](const std::string& Body) {
    Offsets.push_back(static_cast<std::uint64_t>(Out.tellp()));
    Out << Offsets.size() << " 0 obj\n" << Body << "\nendobj\n";
  };
  Out << "%PDF-1.7\n";
  Offsets.push_back(static_cast<std::uint64_t>(Out.tellp()));
  Out << "1 0 obj\n<< /Length " << PaddingSize << " >>\nstream\n";
  Out.seekp(static_cast<std::streamoff>(PaddingSize), std::ios::cur);
  Out << "\nendstream\nendobj\n";
  Object("<< /Type /Catalog /Pages 3 0 R >>");
  Object("<< /Type /Pages /Kids [4 0 R] /Count 1 >>");
  Object("<< /Type /Page /Parent 3 0 R /MediaBox [0 0 200 300] /Contents 5 0 R >>");
  const std::string Square = "0 0 0 rg 20 200 60 60 re f\n";
  Object("<< /Length " + std::to_string(Square.size()) + " >>\nstream\n" + Square + "endstream");
  const std::uint64_t Xref = static_cast<std::uint64_t>(Out.tellp());
  Out << "xref\n0 " << Offsets.size() + 1 << "\n0000000000 65535 f \n";
  for (std::uint64_t Offset : Offsets) {
    std::string Number = std::to_string(Offset);
    Out << std::string(10 - Number.size(), '0') << Number << " 00000 n \n";
  }
  Out << "trailer\n<< /Size " << Offsets.size() + 1 << " /Root 2 0 R >>\nstartxref\n"
      << Xref << "\n%%EOF\n";
}

std::ostream& operator<<(std::ostream& Out, const TRgba& P) {
  return Out << "rgba(" << P.R << ", " << P.G << ", " << P.B << ", " << P.A << ")";
}

bool IsBlack(std::uint32_t Pixel) {
  const TRgba P(Pixel);
  return P.R < 16 && P.G < 16 && P.B < 16 && P.A == 255;
}

bool IsWhite(std::uint32_t Pixel) {
  const TRgba P(Pixel);
  return P.R > 240 && P.G > 240 && P.B > 240 && P.A == 255;
}

// Damaged copies of a real multi-page document, cut short and with bytes changed: every load either
// opens a document whose pages all draw and read, or raises the document layer's own error; the
// same document object then loads a good file, and nothing of the damaged loads stays open.
#include "EngineTestSupport.h"

#include "DocumentWalk.h"
#include "platform/ProcessResources.h"

#include <fstream>
#include <functional>
#include <random>
#include <set>

namespace {

struct TDamagedCopy {
  std::string Name;
  std::vector<std::uint8_t> Bytes;
};

// Twenty cuts spread through the file, and twenty copies with a few bytes changed at fixed seeds.
std::vector<TDamagedCopy> DamagedCopies(const std::vector<std::uint8_t>& Good) {
  std::vector<TDamagedCopy> Copies;
  constexpr int Cuts = 20;
  for (int K = 1; K <= Cuts; ++K) {
    const std::size_t Length = Good.size() * K / (Cuts + 1);
    Copies.push_back({"cut at " + std::to_string(Length),
                      std::vector<std::uint8_t>(Good.begin(), Good.begin() + Length)});
  }
  for (std::uint32_t Seed = 1; Seed <= 20; ++Seed) {
    std::mt19937 Random(Seed);
    TDamagedCopy Copy{"seed " + std::to_string(Seed), Good};
    for (std::uint32_t N = 0; N < 1 + Seed % 8; ++N)
      Copy.Bytes[Random() % Copy.Bytes.size()] ^= static_cast<std::uint8_t>(1 + Random() % 255);
    Copies.push_back(std::move(Copy));
  }
  return Copies;
}

// The messages the document layer raises for engine failures.
std::set<std::string> EngineMessages() {
  std::set<std::string> Messages;
  for (unsigned long Code = 0; Code <= 7; ++Code)
    Messages.insert(EngineErrorMessage(Code));
  return Messages;
}

struct TLoadPath {
  const char* Name;
  std::function<void(TPdfDocument&, const std::string& Path, std::vector<std::uint8_t> Bytes)> Load;
};

const TLoadPath LoadPaths[] = {
    {"mapped file",
     [](TPdfDocument& D, const std::string& P, auto) { D.LoadFromFile(P, "", dloMMF); }},
    {"file in memory",
     [](TPdfDocument& D, const std::string& P, auto) { D.LoadFromFile(P, "", dloMemory); }},
    {"file on demand",
     [](TPdfDocument& D, const std::string& P, auto) { D.LoadFromFile(P, "", dloOnDemand); }},
    {"bytes", [](TPdfDocument& D, const std::string&, auto B) { D.LoadFromBytes(std::move(B)); }},
};

class DamagedFile : public TEngineTest {};

TEST_F(DamagedFile, OpensCleanlyOrRaisesAndLeavesNothingBehind) {
  const std::string GoodPath = TestData("drawing.pdf");
  const std::vector<std::uint8_t> Good = ReadFileBytes(GoodPath);
  const std::set<std::string> Messages = EngineMessages();
  TScratchDir Dir;
  const std::string Path = Dir.File("damaged.pdf");

  TPdfDocument Document;
  // The good file once, so that the engine's first-use files and caches are in the figures.
  Document.LoadFromFile(GoodPath);
  ReadEveryPage(Document);
  const int Handles = platform::OpenHandleCount();
  const int Mappings = platform::FileMappingCount();

  int Opened = 0, Raised = 0;
  for (const TDamagedCopy& Copy : DamagedCopies(Good)) {
    std::ofstream(Path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(Copy.Bytes.data()),
               static_cast<std::streamsize>(Copy.Bytes.size()));
    for (const TLoadPath& Load : LoadPaths) {
      const std::string Case = Copy.Name + ", " + Load.Name;
      try {
        Load.Load(Document, Path, Copy.Bytes);
        ReadEveryPage(Document);
        ++Opened;
      } catch (const EPdfException& E) {
        EXPECT_EQ(Messages.count(E.what()), 1u) << Case << ": " << E.what();
        ++Raised;
      } catch (const std::exception& E) {
        ADD_FAILURE() << Case << ": not the document layer's error: " << E.what();
      }
      Document.LoadFromFile(GoodPath);
      EXPECT_EQ(Document.PageCount(), 8) << Case;
      ReadEveryPage(Document, 1);
      EXPECT_EQ(platform::OpenHandleCount(), Handles) << Case;
      EXPECT_EQ(platform::FileMappingCount(), Mappings) << Case;
    }
  }
  // Both outcomes occur, so both were checked.
  EXPECT_GT(Opened, 0);
  EXPECT_GT(Raised, 0);
  std::cout << Opened << " damaged loads opened, " << Raised << " raised\n";
}

} // namespace

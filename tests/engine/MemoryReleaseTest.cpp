// A closed document holds no memory: the backing store of every load that copies the document is
// given back by Close and by a failed load, not when the document object goes.
#include "EngineTestSupport.h"

#include "platform/ProcessResources.h"

#include <functional>

// The sanitizer keeps freed blocks back from the system to catch late uses; this test measures
// what the program gives back, so that holding is off here.
extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=0";
}

namespace {

constexpr std::uint64_t MB = 1 << 20;
constexpr std::uint64_t DocumentSize = 120 * MB;
// What may stay resident after Close: the engine's own caches and the allocator's spare room.
constexpr std::uint64_t Slack = 16 * MB;

class MemoryRelease : public TEngineTest {
protected:
  MemoryRelease() { WritePaddedPdf(FPath, DocumentSize); }
  TScratchDir FDir;
  std::string FPath = FDir.File("large.pdf");
};

struct TCase {
  const char* Name;
  bool Opens; // false: the load fails
  bool Holds; // the open document holds the file's bytes in memory of its own
  std::function<void(TPdfDocument&, const std::string& Path)> Load;
};

const TCase Cases[] = {
    {"bytes, not a PDF", false, false, // a failed load has closed the document already
     [](TPdfDocument& D, const std::string&) {
       D.LoadFromBytes(std::vector<std::uint8_t>(DocumentSize, 'x'));
     }},
    {"bytes", true, true,
     [](TPdfDocument& D, const std::string& P) { D.LoadFromBytes(ReadFileBytes(P)); }},
    {"file into memory", true, true,
     [](TPdfDocument& D, const std::string& P) { D.LoadFromFile(P, "", dloMemory); }},
    {"stream", true, true,
     [](TPdfDocument& D, const std::string& P) {
       TPdfFileStream Stream(P, fsmOpenRead);
       D.LoadFromStream(Stream);
     }},
    {"mapped file", true, false,
     [](TPdfDocument& D, const std::string& P) {
       D.LoadFromFile(P, "", dloMMF);
       D.Pages(0);
     }},
};

TEST_F(MemoryRelease, CloseAndFailedLoadsGiveTheBackingStoreBack) {
  TPdfDocument Document;
  // Engine start-up and first-use caches before the first figure.
  Document.LoadFromFile(TestData("text.pdf"));
  Document.Close();
  for (const TCase& C : Cases) {
    const std::uint64_t Base = platform::ResidentBytes();
    try {
      C.Load(Document, FPath);
      EXPECT_TRUE(C.Opens) << C.Name << ": opened";
    } catch (const EPdfException&) {
      EXPECT_FALSE(C.Opens) << C.Name << ": failed";
    }
    const std::uint64_t Held = platform::ResidentBytes();
    if (C.Holds) {
      EXPECT_GT(Held, Base + DocumentSize - Slack) << C.Name << ": the bytes are not resident";
    }
    Document.Close();
    const std::uint64_t After = platform::ResidentBytes();
    std::cout << C.Name << ": resident " << Base / MB << " MB, loaded " << Held / MB
              << " MB, closed " << After / MB << " MB\n";
    EXPECT_LT(After, Base + Slack) << C.Name;
  }
}

} // namespace

#include "TestDocuments.h"

#include "engine/PdfDocument.h"
#include "engine/PdfEngineInit.h"
#include "platform/ExecutablePath.h"
#include "platform/FilePath.h"

std::string Fixture(const std::string& Name) {
  return std::string(QUOLSA_TEST_DATA) + "/" + Name;
}

void MakeBlankDocument(const std::string& Path, int Pages) {
  SetEngineDirectory(platform::ExtractFilePath(platform::ExecutablePath()) + "PDFium/x64");
  TPdfDocument Document;
  Document.NewDocument();
  for (int I = 0; I < Pages; ++I)
    Document.NewPage();
  Document.SaveToFile(Path);
}

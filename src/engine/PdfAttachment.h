// The embedded files of a document: the list, and one attachment with its content.
#pragma once

#include "engine/PdfEngineTypes.h"
#include "platform/TextEncoding.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TPdfDocument;
class TPdfStream;

// The engine's object type codes, unchanged.
enum TPdfObjectType {
  otUnknown,
  otBoolean,
  otNumber,
  otString,
  otName,
  otArray,
  otDictinary,
  otStream,
  otNullObj,
  otReference
};

// One embedded file. A small value: copies refer to the same engine attachment, and it owns
// nothing. Valid while its document stays open and the attachment is not deleted; every operation
// first raises "PDF document is not open" when its document is closed.
class TPdfAttachment {
public:
  TPdfAttachment() = default;
  TPdfAttachment(TPdfDocument* ADocument, FPDF_ATTACHMENT AHandle)
      : FDocument(ADocument), FHandle(AHandle) {}

  FPDF_ATTACHMENT Handle() const { return FHandle; }
  TPdfDocument* Document() const { return FDocument; }

  std::string AttachmentName() const; // UTF-8
  // About an entry of the attachment's parameters (Key in UTF-8).
  bool HasKey(const std::string& Key) const;
  TPdfObjectType GetValueType(const std::string& Key) const;

  bool HasContent() const;
  // In bytes; 0 when the engine reports none.
  int ContentLength() const;

  // Stores Count bytes as the file content; failure: "Cannot set the PDF attachment content".
  void SetContent(const void* ABytes, int Count);
  // Count bytes from Index: Index must lie inside the array and Index + Count must not pass its
  // end (EPdfArgumentOutOfRange "Index" / "Count"); Count 0 stores empty content.
  void SetContent(const std::vector<std::uint8_t>& ABytes, std::int64_t Index, int Count);
  // The whole array; an empty one raises the "Index" error.
  void SetContent(const std::vector<std::uint8_t>& ABytes);
  // The string's bytes unchanged.
  void SetContent(std::string_view Value);
  // The UTF-8 text in Encoding.
  void SetContent(std::string_view Value, platform::TTextEncoding Encoding);
  // The bytes from the stream's position to its end; the stream ends up at its end.
  void LoadFromStream(TPdfStream& Stream);
  void LoadFromFile(const std::string& FileName);

  void GetContent(std::vector<std::uint8_t>& ABytes) const;
  // The bytes unchanged.
  void GetContent(std::string& Value) const;
  // The content decoded from Encoding, as UTF-8.
  void GetContent(std::string& Value, platform::TTextEncoding Encoding) const;
  // Buffer must hold ContentLength bytes.
  void GetContent(void* Buffer) const;
  std::vector<std::uint8_t> GetContentAsBytes() const;
  std::string GetContentAsRawByteString() const;
  std::string
  GetContentAsString(platform::TTextEncoding Encoding = platform::TTextEncoding::UTF8()) const;

  // Writes the content at the stream's position.
  void SaveToStream(TPdfStream& Stream) const;
  // Creates or replaces the file; an existing file stays as it was when writing fails.
  void SaveToFile(const std::string& FileName) const;

private:
  void CheckOpen() const;
  // The content into a byte container, emptied when there is none.
  template <typename TBytes> void ReadContent(TBytes& Bytes) const;
  // Copies Length bytes of content into Buffer; false when the engine failed.
  bool CopyContent(void* Buffer, int Length) const;

  TPdfDocument* FDocument = nullptr;
  FPDF_ATTACHMENT FHandle = nullptr;
};

// The embedded files of a document; every operation first raises "PDF document is not open" when
// the document is closed.
class TPdfAttachmentList {
public:
  explicit TPdfAttachmentList(TPdfDocument* ADocument) : FDocument(ADocument) {}
  TPdfAttachmentList(const TPdfAttachmentList&) = delete;
  TPdfAttachmentList& operator=(const TPdfAttachmentList&) = delete;

  int Count() const;
  // EPdfArgumentOutOfRange "Index" when there is none.
  TPdfAttachment Items(int Index) const;
  // A new embedded file named Name (UTF-8), whose content SetContent then stores; failure:
  // "Cannot add the PDF attachment "Name"".
  TPdfAttachment Add(const std::string& Name);
  // Failure: "Cannot delete the PDF attachment Index".
  void Delete(int Index);

private:
  FPDF_DOCUMENT OpenHandle() const;

  TPdfDocument* FDocument;
};

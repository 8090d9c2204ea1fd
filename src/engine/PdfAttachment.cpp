#include "engine/PdfAttachment.h"

#include "engine/PdfDocument.h"
#include "engine/PdfEngineApi.h"
#include "engine/PdfException.h"
#include "engine/PdfStream.h"
#include "engine/PdfUnicode.h"

#include <limits>

namespace {

constexpr const char* CannotSetContentMessage = "Cannot set the PDF attachment content";
constexpr std::int64_t MaxContentLength = std::numeric_limits<int>::max();

// UTF-8 and UTF-16 little-endian are converted here; other encodings by the system's converter.
std::string EncodeText(std::string_view Utf8Text, platform::TTextEncoding Encoding) {
  if (Encoding == platform::TTextEncoding::UTF8())
    return std::string(Utf8Text);
  if (Encoding == platform::TTextEncoding::UTF16LE()) {
    const std::u16string Text = Utf8ToUtf16(Utf8Text);
    std::string Bytes;
    Bytes.reserve(Text.size() * 2);
    for (char16_t C : Text) {
      Bytes += static_cast<char>(C & 0xFF);
      Bytes += static_cast<char>(C >> 8);
    }
    return Bytes;
  }
  return Encoding.Encode(Utf8Text);
}

std::string DecodeText(std::string_view Bytes, platform::TTextEncoding Encoding) {
  if (Encoding == platform::TTextEncoding::UTF16LE()) {
    // A last odd byte is no character.
    std::u16string Text(Bytes.size() / 2, u'\0');
    for (std::size_t I = 0; I < Text.size(); ++I)
      Text[I] = static_cast<char16_t>(static_cast<unsigned char>(Bytes[2 * I]) |
                                      static_cast<unsigned char>(Bytes[2 * I + 1]) << 8);
    return Utf16ToUtf8(Text);
  }
  if (Encoding == platform::TTextEncoding::UTF8())
    return Utf16ToUtf8(Utf8ToUtf16(Bytes)); // invalid bytes become U+FFFD
  return Encoding.Decode(Bytes);
}

} // namespace

void TPdfAttachment::CheckOpen() const {
  if (FDocument)
    FDocument->RequireOpen();
}

std::string TPdfAttachment::AttachmentName() const {
  CheckOpen();
  const unsigned long Length = FPDFAttachment_GetName(FHandle, nullptr, 0);
  if (Length <= 2)
    return {};
  // Room for the terminator the engine writes as well.
  std::u16string Name((Length + 1) / 2, u'\0');
  FPDFAttachment_GetName(FHandle, Name.data(), Length);
  Name.resize(Length / 2 - 1);
  return Utf16ToUtf8(Name);
}

bool TPdfAttachment::HasKey(const std::string& Key) const {
  CheckOpen();
  return FPDFAttachment_HasKey(FHandle, Key.c_str()) != 0;
}

TPdfObjectType TPdfAttachment::GetValueType(const std::string& Key) const {
  CheckOpen();
  const int Type = FPDFAttachment_GetValueType(FHandle, Key.c_str());
  return Type >= otUnknown && Type <= otReference ? static_cast<TPdfObjectType>(Type) : otUnknown;
}

bool TPdfAttachment::HasContent() const {
  CheckOpen();
  unsigned long Length = 0;
  return FPDFAttachment_GetFile(FHandle, nullptr, 0, &Length) != 0;
}

int TPdfAttachment::ContentLength() const {
  CheckOpen();
  unsigned long Length = 0;
  if (!FPDFAttachment_GetFile(FHandle, nullptr, 0, &Length))
    return 0;
  return Length > static_cast<unsigned long>(MaxContentLength) ? 0 : static_cast<int>(Length);
}

bool TPdfAttachment::CopyContent(void* Buffer, int Length) const {
  unsigned long Copied = 0;
  return FPDFAttachment_GetFile(FHandle, Buffer, static_cast<unsigned long>(Length), &Copied) !=
             0 &&
         Copied == static_cast<unsigned long>(Length);
}

void TPdfAttachment::SetContent(const void* ABytes, int Count) {
  CheckOpen();
  if (Count < 0)
    throw EPdfArgumentOutOfRange("Count", Count);
  if (!FPDFAttachment_SetFile(FHandle, FDocument ? FDocument->Handle() : nullptr, ABytes,
                              static_cast<unsigned long>(Count)))
    throw EPdfException(CannotSetContentMessage);
}

void TPdfAttachment::SetContent(const std::vector<std::uint8_t>& ABytes, std::int64_t Index,
                                int Count) {
  const auto Length = static_cast<std::int64_t>(ABytes.size());
  if (Index < 0 || Index >= Length)
    throw EPdfArgumentOutOfRange("Index", Index);
  if (Count < 0 || Index + Count > Length)
    throw EPdfArgumentOutOfRange("Count", Count);
  SetContent(ABytes.data() + Index, Count);
}

void TPdfAttachment::SetContent(const std::vector<std::uint8_t>& ABytes) {
  if (static_cast<std::int64_t>(ABytes.size()) > MaxContentLength)
    throw EPdfArgumentOutOfRange("Count", static_cast<std::int64_t>(ABytes.size()));
  SetContent(ABytes, 0, static_cast<int>(ABytes.size()));
}

void TPdfAttachment::SetContent(std::string_view Value) {
  if (static_cast<std::int64_t>(Value.size()) > MaxContentLength)
    throw EPdfArgumentOutOfRange("Count", static_cast<std::int64_t>(Value.size()));
  SetContent(Value.data(), static_cast<int>(Value.size()));
}

void TPdfAttachment::SetContent(std::string_view Value, platform::TTextEncoding Encoding) {
  SetContent(std::string_view(EncodeText(Value, Encoding)));
}

void TPdfAttachment::LoadFromStream(TPdfStream& Stream) {
  CheckOpen();
  const std::int64_t Position = Stream.Position();
  const std::int64_t Count = std::max<std::int64_t>(Stream.Size() - Position, 0);
  if (Count > MaxContentLength)
    throw EPdfException(CannotSetContentMessage);
  if (auto* Memory = dynamic_cast<TPdfMemoryStream*>(&Stream)) {
    SetContent(Count ? Memory->Memory() + Position : nullptr, static_cast<int>(Count));
    Memory->Seek(Position + Count);
    return;
  }
  std::vector<std::uint8_t> Block(static_cast<std::size_t>(Count));
  Stream.ReadBuffer(Block.data(), Block.size());
  SetContent(Block.data(), static_cast<int>(Count));
}

void TPdfAttachment::LoadFromFile(const std::string& FileName) {
  TPdfFileStream File(FileName, fsmOpenRead);
  LoadFromStream(File);
}

template <typename TBytes> void TPdfAttachment::ReadContent(TBytes& Bytes) const {
  const int Length = ContentLength();
  Bytes.clear();
  if (Length <= 0)
    return;
  Bytes.resize(static_cast<std::size_t>(Length));
  if (!CopyContent(Bytes.data(), Length))
    Bytes.clear();
}

void TPdfAttachment::GetContent(std::vector<std::uint8_t>& ABytes) const {
  ReadContent(ABytes);
}

void TPdfAttachment::GetContent(std::string& Value) const {
  ReadContent(Value);
}

void TPdfAttachment::GetContent(std::string& Value, platform::TTextEncoding Encoding) const {
  std::string Bytes;
  GetContent(Bytes);
  Value = Bytes.empty() ? std::string() : DecodeText(Bytes, Encoding);
}

void TPdfAttachment::GetContent(void* Buffer) const {
  const int Length = ContentLength();
  if (Length > 0)
    CopyContent(Buffer, Length);
}

std::vector<std::uint8_t> TPdfAttachment::GetContentAsBytes() const {
  std::vector<std::uint8_t> Result;
  GetContent(Result);
  return Result;
}

std::string TPdfAttachment::GetContentAsRawByteString() const {
  std::string Result;
  GetContent(Result);
  return Result;
}

std::string TPdfAttachment::GetContentAsString(platform::TTextEncoding Encoding) const {
  std::string Result;
  GetContent(Result, Encoding);
  return Result;
}

void TPdfAttachment::SaveToStream(TPdfStream& Stream) const {
  const int Length = ContentLength();
  if (Length <= 0)
    return;
  if (auto* Memory = dynamic_cast<TPdfMemoryStream*>(&Stream)) {
    const std::int64_t Position = Memory->Position();
    if (Memory->Size() < Position + Length)
      Memory->SetSize(Position + Length);
    CopyContent(Memory->Memory() + Position, Length);
    Memory->Seek(Position + Length);
    return;
  }
  std::vector<std::uint8_t> Block(static_cast<std::size_t>(Length));
  CopyContent(Block.data(), Length);
  Stream.WriteBuffer(Block.data(), Block.size());
}

void TPdfAttachment::SaveToFile(const std::string& FileName) const {
  CheckOpen();
  TPdfFileStream File(FileName, fsmReplace);
  SaveToStream(File);
  File.Commit();
}

FPDF_DOCUMENT TPdfAttachmentList::OpenHandle() const {
  FDocument->RequireOpen();
  return FDocument->Handle();
}

int TPdfAttachmentList::Count() const {
  return FPDFDoc_GetAttachmentCount(OpenHandle());
}

TPdfAttachment TPdfAttachmentList::Items(int Index) const {
  FPDF_ATTACHMENT Handle = FPDFDoc_GetAttachment(OpenHandle(), Index);
  if (!Handle)
    throw EPdfArgumentOutOfRange("Index", Index);
  return {FDocument, Handle};
}

TPdfAttachment TPdfAttachmentList::Add(const std::string& Name) {
  const std::u16string EngineName = Utf8ToUtf16(Name);
  FPDF_ATTACHMENT Handle = FPDFDoc_AddAttachment(OpenHandle(), EngineName.c_str());
  if (!Handle)
    throw EPdfException("Cannot add the PDF attachment \"" + Name + "\"");
  return {FDocument, Handle};
}

void TPdfAttachmentList::Delete(int Index) {
  if (!FPDFDoc_DeleteAttachment(OpenHandle(), Index))
    throw EPdfException("Cannot delete the PDF attachment " + std::to_string(Index));
}

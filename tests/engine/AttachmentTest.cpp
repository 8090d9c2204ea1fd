// Embedded files: the list, content in every form, encodings, streams and the errors.
#include "EngineTestSupport.h"

#include "platform/OsError.h"

#include <functional>

namespace {

using platform::TTextEncoding;

// The content of the embedded file in attachment.pdf.
const std::string NotesContent("Notes of the drawing\r\n\0\xff", 24);

std::vector<std::uint8_t> BytesOf(std::string_view Text) {
  return {Text.begin(), Text.end()};
}

template <typename TException> std::string MessageOf(const std::function<void()>& Operation) {
  try {
    Operation();
  } catch (const TException& E) {
    return E.what();
  }
  return "no error";
}

class Attachments : public TEngineTest {
protected:
  // A new document with one attachment "a.bin" and no content yet.
  TPdfAttachment NewAttachment() {
    EXPECT_TRUE(Document.NewDocument());
    return Document.Attachments().Add("a.bin");
  }
  TPdfDocument Document;
};

TEST_F(Attachments, EmbeddedFileOfAFileIsListedAndRead) {
  Document.LoadFromFile(TestData("attachment.pdf"));
  TPdfAttachmentList& List = Document.Attachments();
  ASSERT_EQ(List.Count(), 1);
  const TPdfAttachment Notes = List.Items(0);
  EXPECT_EQ(Notes.Document(), &Document);
  EXPECT_EQ(Notes.AttachmentName(), "notes.txt");
  EXPECT_TRUE(Notes.HasContent());
  EXPECT_EQ(Notes.ContentLength(), 24);
  EXPECT_EQ(Notes.GetContentAsRawByteString(), NotesContent);
  EXPECT_TRUE(Notes.HasKey("Size"));
  EXPECT_EQ(Notes.GetValueType("Size"), otNumber);
  EXPECT_EQ(Notes.GetValueType("ModDate"), otString);
  EXPECT_FALSE(Notes.HasKey("CheckSum"));
}

TEST_F(Attachments, ContentInEveryFormReadsBackInEveryForm) {
  TPdfAttachment A = NewAttachment();
  EXPECT_EQ(A.AttachmentName(), "a.bin");
  EXPECT_FALSE(A.HasContent());
  EXPECT_EQ(A.ContentLength(), 0);
  EXPECT_EQ(A.GetContentAsString(), "");
  EXPECT_TRUE(A.GetContentAsBytes().empty());

  const std::vector<std::uint8_t> Array = BytesOf("0123456789");
  struct TCase {
    const char* Name;
    std::function<void()> Set;
    std::string Expected;
  };
  const TCase Cases[] = {
      {"pointer", [&] { A.SetContent("raw\0bytes", 9); }, std::string("raw\0bytes", 9)},
      {"array part", [&] { A.SetContent(Array, 2, 3); }, "234"},
      {"array part to the end", [&] { A.SetContent(Array, 7, 3); }, "789"},
      {"array part of nothing", [&] { A.SetContent(Array, 9, 0); }, ""},
      {"whole array", [&] { A.SetContent(Array); }, "0123456789"},
      {"8-bit string", [&] { A.SetContent(std::string_view("\x80\xff\x01")); }, "\x80\xff\x01"},
      {"empty 8-bit string", [&] { A.SetContent(std::string_view()); }, ""},
      {"text, UTF-8", [&] { A.SetContent("Grüße", TTextEncoding::UTF8()); },
       "Gr\xC3\xBC\xC3\x9F"
       "e"},
      {"text, UTF-16", [&] { A.SetContent("A\xE2\x82\xAC", TTextEncoding::UTF16LE()); },
       std::string("A\0\xAC\x20", 4)},
      {"empty text, UTF-16", [&] { A.SetContent("", TTextEncoding::UTF16LE()); }, ""},
      {"text, Shift_JIS", [&] { A.SetContent("\xE6\x97\xA5\xE6\x9C\xAC", TTextEncoding(932)); },
       "\x93\xFA\x96\x7B"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Case.Set();
    EXPECT_TRUE(A.HasContent());
    EXPECT_EQ(A.ContentLength(), static_cast<int>(Case.Expected.size()));
    EXPECT_EQ(A.GetContentAsRawByteString(), Case.Expected);
    EXPECT_EQ(A.GetContentAsBytes(), BytesOf(Case.Expected));
    std::vector<std::uint8_t> Bytes{1, 2};
    A.GetContent(Bytes);
    EXPECT_EQ(Bytes, BytesOf(Case.Expected));
    std::string Raw = "old";
    A.GetContent(Raw);
    EXPECT_EQ(Raw, Case.Expected);
    std::string Buffer(Case.Expected.size() + 1, '#');
    A.GetContent(Buffer.data());
    EXPECT_EQ(Buffer, Case.Expected + "#");
  }
}

TEST_F(Attachments, TextReadsBackInItsEncoding) {
  TPdfAttachment A = NewAttachment();
  A.SetContent("日本語の図面", TTextEncoding(932));
  EXPECT_EQ(A.GetContentAsString(TTextEncoding(932)), "日本語の図面");
  A.SetContent("Grüße €", TTextEncoding::UTF16LE());
  EXPECT_EQ(A.ContentLength(), 14);
  EXPECT_EQ(A.GetContentAsString(TTextEncoding::UTF16LE()), "Grüße €");
  std::string Text = "old";
  A.GetContent(Text, TTextEncoding::UTF16LE());
  EXPECT_EQ(Text, "Grüße €");
  // Six bytes are three UTF-16 characters; an odd last byte is none.
  A.SetContent(std::string_view("a\0b\0c\0d", 7));
  EXPECT_EQ(A.GetContentAsString(TTextEncoding::UTF16LE()), "abc");
  A.SetContent(std::string_view("caf\xC3\xA9 \xFF"));
  EXPECT_EQ(A.GetContentAsString(), "caf\xC3\xA9 \xEF\xBF\xBD");
  EXPECT_EQ(A.GetContentAsString(TTextEncoding(1252)), "caf\xC3\x83\xC2\xA9 \xC3\xBF");
}

TEST_F(Attachments, StreamsAndFiles) {
  TScratchDir Dir;
  TPdfAttachment A = NewAttachment();

  TPdfMemoryStream Memory(BytesOf("skip|memory content"));
  Memory.Seek(5);
  A.LoadFromStream(Memory);
  EXPECT_EQ(Memory.Position(), Memory.Size());
  EXPECT_EQ(A.GetContentAsRawByteString(), "memory content");
  // At its end, a stream holds no content.
  A.LoadFromStream(Memory);
  EXPECT_TRUE(A.HasContent());
  EXPECT_EQ(A.ContentLength(), 0);

  {
    TPdfFileStream File(Dir.File("in.bin"), fsmCreate);
    File.WriteBuffer("file|content", 12);
    File.Seek(5);
    A.LoadFromStream(File);
    EXPECT_EQ(File.Position(), 12);
  }
  EXPECT_EQ(A.GetContentAsRawByteString(), "content");
  A.LoadFromFile(Dir.File("in.bin"));
  EXPECT_EQ(A.GetContentAsRawByteString(), "file|content");
  EXPECT_THROW(A.LoadFromFile(Dir.File("missing.bin")), platform::EOSError);

  // Written at the stream's position: into the memory stream's own bytes, or through a file.
  TPdfMemoryStream Out(BytesOf("0123456789"));
  Out.Seek(2);
  A.SaveToStream(Out);
  EXPECT_EQ(Out.Position(), 14);
  EXPECT_EQ(Out.Bytes(), BytesOf("01file|content"));
  A.SetContent(std::string_view("ab"));
  Out.Seek(0);
  A.SaveToStream(Out);
  EXPECT_EQ(Out.Position(), 2);
  EXPECT_EQ(Out.Bytes(), BytesOf("ab"
                                 "file|content"));

  A.SaveToFile(Dir.File("out.bin"));
  EXPECT_EQ(ReadFileBytes(Dir.File("out.bin")), BytesOf("ab"));
  A.SetContent(std::string_view("x"));
  A.SaveToFile(Dir.File("out.bin"));
  EXPECT_EQ(ReadFileBytes(Dir.File("out.bin")), BytesOf("x"));
  // Empty content writes nothing.
  A.SetContent(std::string_view());
  Out.Seek(1);
  A.SaveToStream(Out);
  EXPECT_EQ(Out.Position(), 1);
  EXPECT_EQ(Out.Size(), 14);
}

TEST_F(Attachments, AddAndDelete) {
  ASSERT_TRUE(Document.NewDocument());
  TPdfAttachmentList& List = Document.Attachments();
  EXPECT_EQ(List.Count(), 0);
  List.Add("first.txt").SetContent(std::string_view("1"));
  List.Add("図面.txt").SetContent(std::string_view("2"));
  ASSERT_EQ(List.Count(), 2);
  EXPECT_EQ(List.Items(1).AttachmentName(), "図面.txt");
  List.Delete(0);
  ASSERT_EQ(List.Count(), 1);
  EXPECT_EQ(List.Items(0).AttachmentName(), "図面.txt");
  EXPECT_EQ(List.Items(0).GetContentAsRawByteString(), "2");
}

TEST_F(Attachments, Errors) {
  TPdfAttachment A = NewAttachment();
  TPdfAttachmentList& List = Document.Attachments();
  const std::vector<std::uint8_t> Five = BytesOf("12345");
  struct TCase {
    const char* Name;
    std::function<void()> Operation;
    std::string Message;
  };
  const TCase Cases[] = {
      {"no item", [&] { List.Items(1); }, "Function argument \"Index\" (1) out of range"},
      {"negative item", [&] { List.Items(-1); }, "Function argument \"Index\" (-1) out of range"},
      {"name taken", [&] { List.Add("a.bin"); }, "Cannot add the PDF attachment \"a.bin\""},
      {"empty name", [&] { List.Add(""); }, "Cannot add the PDF attachment \"\""},
      {"delete nothing", [&] { List.Delete(3); }, "Cannot delete the PDF attachment 3"},
      {"empty array", [&] { A.SetContent(std::vector<std::uint8_t>()); },
       "Function argument \"Index\" (0) out of range"},
      {"index past the array", [&] { A.SetContent(Five, 5, 0); },
       "Function argument \"Index\" (5) out of range"},
      {"count past the array", [&] { A.SetContent(Five, 2, 4); },
       "Function argument \"Count\" (4) out of range"},
      {"negative count", [&] { A.SetContent("x", -1); },
       "Function argument \"Count\" (-1) out of range"},
      {"no attachment", [&] { TPdfAttachment().SetContent("x", 1); },
       "Cannot set the PDF attachment content"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    EXPECT_EQ(MessageOf<EPdfException>(Case.Operation), Case.Message);
  }
  EXPECT_EQ(List.Count(), 1);
  EXPECT_FALSE(A.HasContent());
}

TEST_F(Attachments, ClosedDocumentRaisesOnEveryOperation) {
  TPdfAttachment A = NewAttachment();
  Document.Close();
  TPdfAttachmentList& List = Document.Attachments();
  TPdfMemoryStream Stream;
  const std::function<void()> Operations[] = {
      [&] { List.Count(); },
      [&] { List.Items(0); },
      [&] { List.Add("b"); },
      [&] { List.Delete(0); },
      [&] { A.AttachmentName(); },
      [&] { A.HasKey("Size"); },
      [&] { A.HasContent(); },
      [&] { A.ContentLength(); },
      [&] { A.SetContent("x", 1); },
      [&] { A.GetContentAsBytes(); },
      [&] { A.LoadFromStream(Stream); },
      [&] { A.SaveToStream(Stream); },
  };
  for (std::size_t I = 0; I < std::size(Operations); ++I)
    EXPECT_EQ(MessageOf<EPdfException>(Operations[I]), "PDF document is not open") << I;
}

TEST_F(Attachments, SavedDocumentKeepsTheAttachmentByteForByte) {
  std::string Content(70000, '\0');
  for (std::size_t I = 0; I < Content.size(); ++I)
    Content[I] = static_cast<char>((I * 7919) >> 3);
  Document.LoadFromFile(TestData("attachment.pdf"));
  Document.Attachments().Add("plan.bin").SetContent(std::string_view(Content));
  const std::unique_ptr<TPdfDocument> Again = SavedAndOpenedAgain(Document);
  TPdfAttachmentList& List = Again->Attachments();
  ASSERT_EQ(List.Count(), 2);
  EXPECT_EQ(List.Items(0).AttachmentName(), "notes.txt");
  EXPECT_EQ(List.Items(0).GetContentAsRawByteString(), NotesContent);
  EXPECT_EQ(List.Items(1).AttachmentName(), "plan.bin");
  EXPECT_EQ(List.Items(1).GetContentAsRawByteString(), Content);
}

} // namespace

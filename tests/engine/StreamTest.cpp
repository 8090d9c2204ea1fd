// Byte streams: the growable memory stream and the file stream.
#include "EngineTestSupport.h"

#include "platform/OsError.h"

#include <cerrno>
#include <cstring>

namespace {

TEST(MemoryStream, GrowsAsItIsWrittenAndReadsBack) {
  TPdfMemoryStream S;
  S.WriteBuffer("hello", 5);
  EXPECT_EQ(S.Size(), 5);
  EXPECT_EQ(S.Position(), 5);
  S.Seek(8); // writing past the end fills the gap with zeros
  S.WriteBuffer("!", 1);
  EXPECT_EQ(S.Size(), 9);
  EXPECT_EQ(S.Bytes(), (std::vector<std::uint8_t>{'h', 'e', 'l', 'l', 'o', 0, 0, 0, '!'}));
  S.Seek(3);
  char Two[2];
  S.ReadBuffer(Two, 2);
  EXPECT_EQ(std::string(Two, 2), "lo");
  char Rest[10];
  EXPECT_EQ(S.Read(Rest, 10), 4u);
  EXPECT_EQ(S.Read(Rest, 10), 0u);
  EXPECT_THROW(S.Seek(-1), EStreamError);
}

TEST(MemoryStream, ShortReadRaisesTheReadError) {
  TPdfMemoryStream S(std::vector<std::uint8_t>{1, 2, 3});
  std::uint8_t Buffer[4];
  try {
    S.ReadBuffer(Buffer, 4);
    ADD_FAILURE() << "no error";
  } catch (const EStreamError& E) {
    EXPECT_STREQ(E.what(), "Stream read error");
  }
}

TEST(MemoryStream, SizeAndMemoryForDirectWriting) {
  TPdfMemoryStream S;
  S.SetSize(4);
  std::memcpy(S.Memory(), "abcd", 4);
  S.SetSize(2);
  EXPECT_EQ(S.Size(), 2);
  EXPECT_EQ(S.TakeBytes(), (std::vector<std::uint8_t>{'a', 'b'}));
  EXPECT_EQ(S.Size(), 0);
  EXPECT_EQ(S.Position(), 0);
}

TEST(FileStream, WritesCreatesAndReads) {
  TScratchDir Dir;
  const std::string Path = Dir.File("stream.bin");
  {
    TPdfFileStream Out(Path, fsmCreate);
    Out.WriteBuffer("0123456789", 10);
    EXPECT_EQ(Out.Size(), 10);
  }
  {
    TPdfFileStream Out(Path, fsmCreate); // an existing file is emptied
    Out.WriteBuffer("abcdef", 6);
  }
  TPdfFileStream In(Path, fsmOpenRead);
  EXPECT_EQ(In.Size(), 6);
  In.Seek(2);
  char Buffer[8];
  EXPECT_EQ(In.Read(Buffer, 8), 4u);
  EXPECT_EQ(std::string(Buffer, 4), "cdef");
  EXPECT_EQ(In.Position(), 6);
  EXPECT_THROW(In.ReadBuffer(Buffer, 1), EStreamError);
}

TEST(FileStream, ReplacingStreamTakesTheFilesPlaceOnlyWhenCommitted) {
  TScratchDir Dir;
  const std::string Path = Dir.File("target.bin");
  {
    TPdfFileStream Out(Path, fsmCreate);
    Out.WriteBuffer("old", 3);
  }
  {
    TPdfFileStream Out(Path, fsmReplace);
    Out.WriteBuffer("new content", 11);
    // Until committed, the file keeps its old content.
    EXPECT_EQ(ReadFileBytes(Path), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
  }
  EXPECT_EQ(ReadFileBytes(Path), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
  EXPECT_EQ(FileNames(Dir.File("")), std::vector<std::string>{"target.bin"});
  {
    TPdfFileStream Out(Path, fsmReplace);
    Out.WriteBuffer("new", 3);
    Out.Commit();
    Out.Commit(); // nothing more
  }
  EXPECT_EQ(ReadFileBytes(Path), (std::vector<std::uint8_t>{'n', 'e', 'w'}));
  EXPECT_EQ(FileNames(Dir.File("")), std::vector<std::string>{"target.bin"});
  // A new file as well; a name a stale temporary file holds is passed over.
  { TPdfFileStream(Dir.File("fresh.bin.~0.tmp"), fsmCreate).WriteBuffer("stale", 5); }
  {
    TPdfFileStream Out(Dir.File("fresh.bin"), fsmReplace);
    Out.WriteBuffer("fresh", 5);
    Out.Commit();
  }
  EXPECT_EQ(ReadFileBytes(Dir.File("fresh.bin")),
            (std::vector<std::uint8_t>{'f', 'r', 'e', 's', 'h'}));
  EXPECT_EQ(ReadFileBytes(Dir.File("fresh.bin.~0.tmp")).size(), 5u);
}

TEST(FileStream, ReplacingFailsWithTheSystemErrorAndLeavesNothingBehind) {
  TScratchDir Dir;
  // A directory cannot be replaced by a file: refused before anything is written.
  std::filesystem::create_directory(Dir.File("folder"));
  EXPECT_THROW(TPdfFileStream(Dir.File("folder"), fsmReplace), platform::EOSError);
  EXPECT_TRUE(std::filesystem::is_directory(Dir.File("folder")));
  EXPECT_EQ(FileNames(Dir.File("")), std::vector<std::string>{"folder"});
  EXPECT_THROW(TPdfFileStream(Dir.File("missing/file.bin"), fsmReplace), platform::EOSError);
}

TEST(FileStream, MissingFileRaisesTheSystemError) {
  try {
    TPdfFileStream In(TestData("no-such-file.bin"), fsmOpenRead);
    ADD_FAILURE() << "no error";
  } catch (const platform::EOSError& E) {
    EXPECT_EQ(E.Code, ENOENT);
  }
}

} // namespace

// Operating-system errors on Windows: GetLastError codes and the system's own texts for them.
#include "platform/OsError.h"
#include "platform/DynamicLibrary.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(OsErrorWin32, TheSystemsTextComesWithoutTrailingLineBreakOrFullStop) {
  for (int Code :
       {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_MOD_NOT_FOUND, ERROR_BAD_EXE_FORMAT}) {
    SCOPED_TRACE(Code);
    const std::string Text = platform::SysErrorMessage(Code);
    ASSERT_FALSE(Text.empty());
    EXPECT_NE(Text.back(), '.');
    EXPECT_GT(static_cast<unsigned char>(Text.back()), ' ');
    EXPECT_EQ(Text.find('\n'), std::string::npos);
  }
  EXPECT_NE(platform::SysErrorMessage(ERROR_FILE_NOT_FOUND),
            platform::SysErrorMessage(ERROR_ACCESS_DENIED));
}

TEST(OsErrorWin32, ACodeTheSystemDoesNotKnowHasNoText) {
  EXPECT_EQ(platform::SysErrorMessage(0x2000FFFF), "");
}

TEST(OsErrorWin32, TheLastErrorIsTheThreadsGetLastError) {
  ::SetLastError(ERROR_INVALID_HANDLE);
  EXPECT_EQ(platform::LastOSErrorCode(), ERROR_INVALID_HANDLE);
}

// What the engine loader raises when the library cannot be loaded: the code, the system's text
// and the file name.
TEST(OsErrorWin32, AFailedLoadBecomesAnErrorNamingTheFile) {
  const std::string FileName = "C:\\quolsa-missing\\pdfium.dll";
  ASSERT_EQ(platform::LoadLibraryFile(FileName), nullptr);
  try {
    platform::RaiseOSError(platform::LastLibraryError(), ".\n\n" + FileName);
  } catch (const platform::EOSError& E) {
    EXPECT_EQ(E.Code, ERROR_MOD_NOT_FOUND);
    EXPECT_EQ(std::string(E.what()), "システム エラー。コード: 126。\r\n" +
                                         platform::SysErrorMessage(ERROR_MOD_NOT_FOUND) +
                                         ".\n\nC:\\quolsa-missing\\pdfium.dll");
    return;
  }
  FAIL() << "no EOSError";
}

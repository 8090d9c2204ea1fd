#include "app/ErrorDisplay.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ErrorDisplay, FullStopAddedUnlessTheLastCharacterIsAtMostAFullStop) {
  struct TCase {
    const char *Message, *Shown;
  } Cases[] = {
      {"File is not a PDF document or is corrupted", "File is not a PDF document or is corrupted."},
      {"Done.", "Done."},
      {"Stop!", "Stop!"},
      {"a,", "a,"},
      {"(x)", "(x)"},
      {"value -", "value -"},
      {"path/", "path/."}, // '/' comes after '.'
      {"page 3", "page 3."},
      {"/tmp/q.ini に書き込めません", "/tmp/q.ini に書き込めません."},
      {"終わり。", "終わり。."}, // an ideographic full stop is not '.'
      {"trailing blank ", "trailing blank "},
      {"", ""},
  };
  for (const TCase& C : Cases)
    EXPECT_EQ(ErrorDisplayText(C.Message), C.Shown) << '"' << C.Message << '"';
}

struct TShown {
  std::string Text, Caption;
  TMessageIcon Icon;
};

class MessageBoxes : public ::testing::Test {
protected:
  void SetUp() override {
    ApplicationTitle = "QUOLSA Ver.0.92";
    FPrevious =
        SetMessageBoxFunction([this](const std::string& T, const std::string& C, TMessageIcon I) {
          Shown.push_back({T, C, I});
        });
  }
  void TearDown() override { SetMessageBoxFunction(std::move(FPrevious)); }
  std::vector<TShown> Shown;

private:
  TMessageBoxFunction FPrevious;
};

TEST_F(MessageBoxes, ExceptionsShowTheirMessageWithTheStopIcon) {
  try {
    throw std::runtime_error("Symbol \"FPDF_InitLibrary\" was not found in libpdfium.so");
  } catch (...) {
    ShowCurrentException();
  }
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, "Symbol \"FPDF_InitLibrary\" was not found in libpdfium.so.");
  EXPECT_EQ(Shown[0].Caption, "QUOLSA Ver.0.92");
  EXPECT_EQ(Shown[0].Icon, miStop);
}

TEST_F(MessageBoxes, AbortShowsNothing) {
  try {
    throw EAbort();
  } catch (...) {
    ShowCurrentException();
  }
  EXPECT_TRUE(Shown.empty());
}

TEST_F(MessageBoxes, PlainMessageHasNoIconAndNoAddedFullStop) {
  ShowPlainMessage("PDFium.DLL が見つかりません.");
  ShowPlainMessage("no stop");
  ASSERT_EQ(Shown.size(), 2u);
  EXPECT_EQ(Shown[0].Text, "PDFium.DLL が見つかりません.");
  EXPECT_EQ(Shown[0].Icon, miNone);
  EXPECT_EQ(Shown[1].Text, "no stop");
  EXPECT_EQ(Shown[1].Caption, "QUOLSA Ver.0.92");
}

} // namespace

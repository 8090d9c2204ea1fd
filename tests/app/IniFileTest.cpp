#include "app/IniFile.h"

#include "TempDir.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

const std::string HandWritten = "\xEF\xBB\xBF"
                                "; settings of QUOLSA\n"
                                "\n"
                                "[form]\n"
                                "  left = 40  \n"
                                "TOP=\t7\n"
                                "# Width=1\n"
                                "\n"
                                "[Other]\n"
                                "Left=999\n"
                                "Key = \"quoted value\"\n"
                                "Empty=\n"
                                "[PDF]\r\n"
                                "FileName = C:\\Data\\plan a.pdf\r\n"
                                "Scale='25.4'";

TEST(IniDocument, TextComesBackByteForByte) {
  for (const std::string& Text : {HandWritten, std::string(), std::string("a\r\n\r\nb"),
                                  std::string("x\ry\n"), std::string("[S]\nk=v\n\n\n")})
    EXPECT_EQ(TIniDocument::Parse(Text).Text(), Text);
}

TEST(IniDocument, FindsValuesLikeTheSystemsIniFunctions) {
  const TIniDocument Doc = TIniDocument::Parse(HandWritten);
  struct TCase {
    const char *Section, *Key;
    std::optional<std::string> Expected;
  } Cases[] = {
      {"Form", "Left", "40"},   // letter case of section and key, blanks around "="
      {"FORM", "top", "7"},     // a tab before the value
      {"Other", "Left", "999"}, // the same key in another section
      {"Other", "Key", "quoted value"},
      {"Other", "Empty", ""},                      // present but empty is not missing
      {"PDF", "FileName", "C:\\Data\\plan a.pdf"}, // after a CR LF line end
      {"PDF", "Scale", "25.4"},                    // single quotes, last line without a line end
      {"Form", "Width", std::nullopt},             // only in a comment
      {"Target", "ProgID", std::nullopt},
      {"settings of QUOLSA", "x", std::nullopt},
  };
  for (const TCase& C : Cases)
    EXPECT_EQ(Doc.Value(C.Section, C.Key), C.Expected) << C.Section << "/" << C.Key;
}

TEST(IniDocument, FirstSectionAndFirstKeyOfANameCount) {
  const TIniDocument Doc = TIniDocument::Parse("[A]\nk=1\nK=2\n[a]\nk=3\nj=4\n");
  EXPECT_EQ(Doc.Value("A", "k"), "1");
  EXPECT_EQ(Doc.Value("A", "j"), std::nullopt);
}

TEST(IniDocument, ChangesOnlyTheLinesOfTheValuesSet) {
  TIniDocument Doc = TIniDocument::Parse(HandWritten);
  Doc.SetValue("Form", "Left", "12");      // replaced where it stands
  Doc.SetValue("Form", "Width", "549");    // added after the section's last line, before the blanks
  Doc.SetValue("PDF", "PageNo", "3");      // added to a last line without a line end
  Doc.SetValue("Target", "ProgID", "X.Y"); // a new section at the end
  EXPECT_EQ(Doc.Text(), "\xEF\xBB\xBF"
                        "; settings of QUOLSA\n"
                        "\n"
                        "[form]\n"
                        "Left=12\n"
                        "TOP=\t7\n"
                        "# Width=1\n"
                        "Width=549\n"
                        "\n"
                        "[Other]\n"
                        "Left=999\n"
                        "Key = \"quoted value\"\n"
                        "Empty=\n"
                        "[PDF]\r\n"
                        "FileName = C:\\Data\\plan a.pdf\r\n"
                        "Scale='25.4'\n"
                        "PageNo=3\n"
                        "[Target]\n"
                        "ProgID=X.Y\n");
}

TEST(IniDocument, NewFileGetsCrLfLinesInTheOrderOfWriting) {
  TIniDocument Doc;
  Doc.SetValue("Form", "Left", "1");
  Doc.SetValue("PDF", "FileName", "");
  Doc.SetValue("Form", "Top", "2");
  EXPECT_EQ(Doc.Text(), "[Form]\r\nLeft=1\r\nTop=2\r\n[PDF]\r\nFileName=\r\n");
}

TEST(IniDocument, AValueCannotAddLinesToTheFile) {
  TIniDocument Doc;
  Doc.SetValue("PDF", "FileName", "/tmp/a\n[Target]\nProgID=Other.App.pdf");
  EXPECT_EQ(Doc.Text(), "[PDF]\r\nFileName=/tmp/a\r\n");
  EXPECT_EQ(Doc.Value("Target", "ProgID"), std::nullopt);
}

TEST(IniFile, ReadsDefaultsFromAMissingFile) {
  TTempDir Dir;
  const TIniFile Ini(Dir / "none.ini");
  EXPECT_EQ(Ini.ReadString("PDF", "Scale", "25.4"), "25.4");
  EXPECT_EQ(Ini.ReadInteger("Form", "Left", -3), -3);
}

TEST(IniFile, IntegersThatAreNotNumbersGiveTheDefault) {
  struct TCase {
    const char* Stored;
    int Expected;
  } Cases[] = {{"120", 120},
               {"-35", -35},
               {"+7", 7},
               {" 8 ", 8},
               {"", -1},
               {"abc", -1},
               {"12px", -1},
               {"1.5", -1},
               {"2147483647", 2147483647},
               {"2147483648", -1},
               {"-2147483648", INT_MIN},
               {"0x10", -1},
               {"+-3", -1},
               {"- 3", -1}};
  TTempDir Dir;
  TIniFile Ini(Dir / "q.ini");
  for (const TCase& C : Cases) {
    WriteFile(Ini.FileName(), std::string("[Form]\nLeft=") + C.Stored + "\n");
    EXPECT_EQ(Ini.ReadInteger("Form", "Left", -1), C.Expected) << '"' << C.Stored << '"';
  }
  WriteFile(Ini.FileName(), "[Form]\n");
  EXPECT_EQ(Ini.ReadInteger("Form", "Left", 77), 77);
}

TEST(IniFile, StringsAreReadUpTo2047Characters) {
  TTempDir Dir;
  TIniFile Ini(Dir / "q.ini");
  const std::string Long(3000, 'a');
  WriteFile(Ini.FileName(), "[PDF]\nFileName=" + Long + "\n");
  EXPECT_EQ(Ini.ReadString("PDF", "FileName", ""), std::string(2047, 'a'));

  // 2046 units, then a character of two units that does not fit and must not be split.
  const std::string Clef = "\xF0\x9D\x84\x9E";
  WriteFile(Ini.FileName(), "[PDF]\nFileName=" + std::string(2046, 'b') + Clef + "x\n");
  EXPECT_EQ(Ini.ReadString("PDF", "FileName", ""), std::string(2046, 'b'));

  const std::string Japanese = "図面"; // three bytes but one unit each
  std::string Text;
  for (int I = 0; I < 1100; ++I)
    Text += Japanese;
  WriteFile(Ini.FileName(), "[PDF]\nFileName=" + Text + "\n");
  EXPECT_EQ(Ini.ReadString("PDF", "FileName", ""), Text.substr(0, 2047 * 3));
}

TEST(IniFile, EveryWriteIsInTheFileAtOnce) {
  TTempDir Dir;
  TIniFile Ini(Dir / "q.ini");
  Ini.WriteString("PDF", "FileName", "a.pdf");
  EXPECT_EQ(ReadFile(Ini.FileName()), "[PDF]\r\nFileName=a.pdf\r\n");
  Ini.WriteInteger("Form", "Left", -20);
  EXPECT_EQ(ReadFile(Ini.FileName()), "[PDF]\r\nFileName=a.pdf\r\n[Form]\r\nLeft=-20\r\n");
  EXPECT_EQ(Ini.ReadInteger("Form", "Left", 0), -20);
}

TEST(IniFile, AFailedWriteNamesTheFile) {
  TTempDir Dir;
  TIniFile Ini(Dir / "missing-dir/q.ini");
  try {
    Ini.WriteString("PDF", "FileName", "a.pdf");
    FAIL() << "no error";
  } catch (const EIniFileException& E) {
    EXPECT_EQ(std::string(E.what()), Dir / "missing-dir/q.ini" + " に書き込めません");
  }
}

} // namespace

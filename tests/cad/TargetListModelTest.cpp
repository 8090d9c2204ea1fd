// The target dialog's list: sorted without regard to case, the selection after each change, and
// what each change saves.
#include "cad/TargetListModel.h"
#include "TempDir.h"
#include "platform/FileContents.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

class TargetListModel : public ::testing::Test {
protected:
  std::string FileName() const { return TargetListFilePath(Dir.Path()); }
  std::string Saved() const { return platform::ReadFileContents(FileName()).value_or("(none)"); }
  TTargetListModel Loaded(const std::string& Bytes) {
    EXPECT_TRUE(platform::WriteFileContents(FileName(), Bytes));
    TTargetListModel Model(FileName());
    EXPECT_TRUE(Model.Load());
    return Model;
  }
  TTempDir Dir;
};

TEST_F(TargetListModel, LoadingSortsWithoutRegardToCaseAndClearsTheSelection) {
  TTargetListModel Model = Loaded("zeta\tZ\r\nBeta\tB\r\nalpha\tA\r\nApple\tP\r\n");
  EXPECT_EQ(Model.Lines(), (Lines{"alpha\tA", "Apple\tP", "Beta\tB", "zeta\tZ"}));
  EXPECT_EQ(Model.ItemIndex(), -1);
  Model.Select(2);
  EXPECT_EQ(Model.ItemIndex(), 2);
  Model.Select(4);
  EXPECT_EQ(Model.ItemIndex(), -1);
}

TEST_F(TargetListModel, MissingFileChangesNothing) {
  TTargetListModel Model(FileName());
  Model.Add("A\tB");
  EXPECT_FALSE(Model.Load());
  EXPECT_EQ(Model.Lines(), Lines{"A\tB"});
  EXPECT_EQ(Model.ItemIndex(), 0);
}

TEST_F(TargetListModel, AddingALineEqualApartFromCaseKeepsBothAndSelectsTheFirst) {
  TTargetListModel Model = Loaded("b\tX\r\nBricsCAD\tBricscadApp.AcadApplication\r\n");
  Model.Add("BRICSCAD\tBRICSCADAPP.ACADAPPLICATION");
  EXPECT_EQ(Model.Lines(), (Lines{"b\tX", "BricsCAD\tBricscadApp.AcadApplication",
                                  "BRICSCAD\tBRICSCADAPP.ACADAPPLICATION"}));
  EXPECT_EQ(Model.ItemIndex(), 1);
  Model.Add("\t"); // both fields empty
  EXPECT_EQ(Model.Lines().front(), "\t");
  EXPECT_EQ(Model.ItemIndex(), 0);
  Model.Save();
  EXPECT_EQ(Saved(), "\t\r\nb\tX\r\nBricsCAD\tBricscadApp.AcadApplication\r\n"
                     "BRICSCAD\tBRICSCADAPP.ACADAPPLICATION\r\n");
}

TEST_F(TargetListModel, ChangedLineKeepsItsPlaceAndTheSaveKeepsTheEncoding) {
  TTargetListModel Model = Loaded("\xEF\xBB\xBF"
                                  "a\t1\nb\t2\nc\t3\n");
  Model.Select(0);
  EXPECT_TRUE(Model.Change("z\t9"));
  EXPECT_EQ(Model.Lines(), (Lines{"z\t9", "b\t2", "c\t3"}));
  EXPECT_EQ(Model.ItemIndex(), 0);
  Model.Save();
  EXPECT_EQ(Saved(), "\xEF\xBB\xBF"
                     "z\t9\r\nb\t2\r\nc\t3\r\n");
  ASSERT_TRUE(Model.Load());
  EXPECT_EQ(Model.Lines(), (Lines{"b\t2", "c\t3", "z\t9"})) << "loading sorts again";
}

TEST_F(TargetListModel, AfterADeleteTheLineNowInItsPlaceOrTheOneBeforeIsSelected) {
  struct TCase {
    int Removed, Left, Selected;
  };
  for (const TCase Case : {TCase{0, 2, 0}, TCase{1, 2, 1}, TCase{2, 2, 1}, TCase{0, 1, 0},
                           TCase{1, 1, 0}, TCase{0, 0, -1}})
    EXPECT_EQ(SelectionAfterDelete(Case.Removed, Case.Left), Case.Selected)
        << Case.Removed << " of " << Case.Left + 1;

  TTargetListModel Model = Loaded("a\t1\r\nb\t2\r\nc\t3\r\n");
  Model.Select(2);
  EXPECT_TRUE(Model.Delete());
  EXPECT_EQ(Model.Lines(), (Lines{"a\t1", "b\t2"}));
  EXPECT_EQ(Model.ItemIndex(), 1);
  Model.Select(0);
  EXPECT_TRUE(Model.Delete());
  EXPECT_EQ(Model.ItemIndex(), 0);
  EXPECT_TRUE(Model.Delete());
  EXPECT_EQ(Model.ItemIndex(), -1);
  Model.Save();
  EXPECT_EQ(Saved(), "");
}

TEST_F(TargetListModel, WithoutASelectionChangeAndDeleteDoNothing) {
  TTargetListModel Model = Loaded("a\t1\r\nb\t2\r\n");
  EXPECT_FALSE(Model.Change("x\ty"));
  EXPECT_FALSE(Model.Delete());
  EXPECT_EQ(Model.Lines(), (Lines{"a\t1", "b\t2"}));
}

} // namespace

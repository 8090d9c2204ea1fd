// The structure tree of a tagged page through the engine's own functions, attribute values of
// every kind included: the import table declares them as the engine has them.
#include "EngineTestSupport.h"

#include "engine/PdfAttachment.h"
#include "engine/PdfPage.h"

#include <map>

namespace {

struct TStructTreeClose {
  void operator()(FPDF_STRUCTTREE Tree) const { FPDF_StructTree_Close(Tree); }
};
using TStructTree = std::unique_ptr<std::remove_pointer_t<FPDF_STRUCTTREE>, TStructTreeClose>;

// Text the engine hands out as UTF-16 in two calls: the size in bytes, then the text.
template <typename TGet> std::u16string Utf16Of(TGet Get) {
  unsigned long Size = 0;
  if (!Get(nullptr, 0, &Size) || Size < 2)
    return u"(none)";
  std::u16string Text(Size / 2, u'\0');
  Get(Text.data(), Size, &Size);
  Text.resize(Size / 2 - 1); // without the terminator
  return Text;
}

std::string TypeOf(FPDF_STRUCTELEMENT Element) {
  const unsigned long Size = FPDF_StructElement_GetType(Element, nullptr, 0);
  std::u16string Text(Size / 2, u'\0');
  FPDF_StructElement_GetType(Element, Text.data(), Size);
  return Utf16ToUtf8(Text.substr(0, Text.size() - 1));
}

// The names of an attribute object's entries, each with the type of its value.
std::map<std::string, int> EntriesOf(FPDF_STRUCTELEMENT_ATTR Attribute) {
  std::map<std::string, int> Entries;
  for (int I = 0; I < FPDF_StructElement_Attr_GetCount(Attribute); ++I) {
    char Name[64] = {};
    unsigned long Size = 0;
    EXPECT_TRUE(FPDF_StructElement_Attr_GetName(Attribute, I, Name, sizeof Name, &Size));
    Entries[Name] =
        FPDF_StructElement_Attr_GetType(FPDF_StructElement_Attr_GetValue(Attribute, Name));
  }
  return Entries;
}

float NumberOf(FPDF_STRUCTELEMENT_ATTR_VALUE Value) {
  float Number = -1;
  EXPECT_TRUE(FPDF_StructElement_Attr_GetNumberValue(Value, &Number));
  return Number;
}

std::u16string StringOf(FPDF_STRUCTELEMENT_ATTR_VALUE Value) {
  return Utf16Of([&](void* Buffer, unsigned long Length, unsigned long* Size) {
    return FPDF_StructElement_Attr_GetStringValue(Value, Buffer, Length, Size);
  });
}

class StructTree : public TEngineTest {
protected:
  void SetUp() override {
    FDocument.LoadFromFile(TestData("tagged.pdf"));
    FTree.reset(FPDF_StructTree_GetForPage(FDocument.Pages(0)->Handle()));
    ASSERT_TRUE(FTree);
    ASSERT_EQ(FPDF_StructTree_CountChildren(FTree.get()), 1);
    FRoot = FPDF_StructTree_GetChildAtIndex(FTree.get(), 0);
    ASSERT_EQ(FPDF_StructElement_CountChildren(FRoot), 2);
  }
  FPDF_STRUCTELEMENT Child(int Index) { return FPDF_StructElement_GetChildAtIndex(FRoot, Index); }

  TPdfDocument FDocument;
  TStructTree FTree;
  FPDF_STRUCTELEMENT FRoot = nullptr;
};

TEST_F(StructTree, ElementsOfThePage) {
  EXPECT_EQ(TypeOf(FRoot), "Document");
  EXPECT_EQ(TypeOf(Child(0)), "P");
  EXPECT_EQ(TypeOf(Child(1)), "Figure");
  EXPECT_EQ(FPDF_StructElement_GetParent(Child(1)), FRoot);
  EXPECT_EQ(FPDF_StructElement_GetMarkedContentID(Child(0)), 0);
  EXPECT_EQ(FPDF_StructElement_GetMarkedContentID(Child(1)), 1);
  EXPECT_EQ(Utf16Of([&](void* Buffer, unsigned long Length, unsigned long* Size) {
              *Size = FPDF_StructElement_GetAltText(Child(1), Buffer, Length);
              return true;
            }),
            u"A square");
}

TEST_F(StructTree, AttributeValuesOfEveryKind) {
  ASSERT_EQ(FPDF_StructElement_GetAttributeCount(Child(0)), 1);
  FPDF_STRUCTELEMENT_ATTR Layout = FPDF_StructElement_GetAttributeAtIndex(Child(0), 0);
  EXPECT_EQ(EntriesOf(Layout),
            (std::map<std::string, int>{
                {"O", otName}, {"Placement", otName}, {"SpaceBefore", otNumber}}));
  EXPECT_FLOAT_EQ(NumberOf(FPDF_StructElement_Attr_GetValue(Layout, "SpaceBefore")), 12.5f);
  EXPECT_EQ(StringOf(FPDF_StructElement_Attr_GetValue(Layout, "Placement")), u"Block");

  ASSERT_EQ(FPDF_StructElement_GetAttributeCount(Child(1)), 2);
  FPDF_STRUCTELEMENT_ATTR Own = FPDF_StructElement_GetAttributeAtIndex(Child(1), 1);
  EXPECT_EQ(EntriesOf(Own), (std::map<std::string, int>{{"O", otName},
                                                        {"Checked", otBoolean},
                                                        {"Count", otNumber},
                                                        {"Label", otString},
                                                        {"Code", otString}}));
  FPDF_BOOL Checked = 0;
  EXPECT_TRUE(FPDF_StructElement_Attr_GetBooleanValue(
      FPDF_StructElement_Attr_GetValue(Own, "Checked"), &Checked));
  EXPECT_TRUE(Checked);
  EXPECT_FLOAT_EQ(NumberOf(FPDF_StructElement_Attr_GetValue(Own, "Count")), 3);
  EXPECT_EQ(StringOf(FPDF_StructElement_Attr_GetValue(Own, "Label")), u"Plan A");
  // A string's raw bytes: two calls, the size first.
  FPDF_STRUCTELEMENT_ATTR_VALUE Code = FPDF_StructElement_Attr_GetValue(Own, "Code");
  unsigned long Size = 0;
  ASSERT_TRUE(FPDF_StructElement_Attr_GetBlobValue(Code, nullptr, 0, &Size));
  std::vector<std::uint8_t> Bytes(Size);
  ASSERT_TRUE(FPDF_StructElement_Attr_GetBlobValue(Code, Bytes.data(), Size, &Size));
  EXPECT_EQ(Bytes, (std::vector<std::uint8_t>{0x00, 0xFF, 0x10}));

  // A value of one kind does not read as another; a missing name has no value.
  float Number = -1;
  EXPECT_FALSE(FPDF_StructElement_Attr_GetNumberValue(
      FPDF_StructElement_Attr_GetValue(Own, "Label"), &Number));
  EXPECT_EQ(FPDF_StructElement_Attr_GetValue(Own, "Missing"), nullptr);
  EXPECT_EQ(FPDF_StructElement_Attr_GetType(nullptr), otUnknown);
}

TEST_F(StructTree, NestedValuesOfAnArray) {
  FPDF_STRUCTELEMENT_ATTR Layout = FPDF_StructElement_GetAttributeAtIndex(Child(1), 0);
  FPDF_STRUCTELEMENT_ATTR_VALUE Box = FPDF_StructElement_Attr_GetValue(Layout, "BBox");
  ASSERT_EQ(FPDF_StructElement_Attr_GetType(Box), otArray);
  ASSERT_EQ(FPDF_StructElement_Attr_CountChildren(Box), 4);
  std::vector<float> Corners;
  for (int I = 0; I < 4; ++I)
    Corners.push_back(NumberOf(FPDF_StructElement_Attr_GetChildAtIndex(Box, I)));
  EXPECT_EQ(Corners, (std::vector<float>{20, 200, 80, 260}));
  EXPECT_EQ(FPDF_StructElement_Attr_GetChildAtIndex(Box, 4), nullptr);
  EXPECT_EQ(FPDF_StructElement_Attr_CountChildren(FPDF_StructElement_Attr_GetValue(Layout, "O")),
            -1);
}

} // namespace

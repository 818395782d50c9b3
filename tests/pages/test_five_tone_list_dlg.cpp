// The encode/decode dialog driven by real keys, clicks and double-clicks: every
// cell in view, the cells Space cycles, what the editor takes, the Tab chain,
// the entry an edit reaches whatever moved the grid, Esc in a cell, the bytes
// OK packs and the ways out that restore everything.
#include "test_five_tone_support.h"

namespace five_tone_test {
namespace {

class FiveToneListDlgTest : public FiveToneTest {
 protected:
  CFiveToneEncodeList& Enc() { return TheModel().fiveToneEncode; }
  CFiveToneDecodeList& Dec() { return TheModel().fiveToneDecode; }
  static CMSFlexGrid& Encode(CWnd& d) { return GridOf(d, IDC_FT_ENCODE_GRID); }
  static CMSFlexGrid& Decode(CWnd& d) { return GridOf(d, IDC_FT_DECODE_GRID); }
  static CMSFlexGrid& Special(CWnd& d) { return GridOf(d, IDC_FT_SPECIAL_GRID); }
  // The texts a cell shows after each Space.
  static std::vector<std::string> Cycle(CMSFlexGrid& grid, int row, int col, int times) {
    ClickCell(grid, row, col);
    std::vector<std::string> shown{grid.GetTextMatrix(row, col)};
    for (int i = 0; i < times; ++i) {
      Key(Qt::Key_Space);
      shown.push_back(grid.GetTextMatrix(row, col));
    }
    return shown;
  }
  // A model whose lists are unpacked from `image`, as the dialog opens them.
  static std::unique_ptr<CEditModel> Fresh(const std::vector<std::uint8_t>& image) {
    auto m = std::make_unique<CEditModel>();
    std::copy(image.begin(), image.end(), m->image.begin());
    m->fiveToneEncode.UnpackFromImage(m->image.data());
    m->fiveToneDecode.UnpackFromImage(m->image.data());
    return m;
  }
  // `image` with the lists of `m` packed into it.
  static std::vector<std::uint8_t> WithLists(CEditModel& m, std::vector<std::uint8_t> image) {
    m.fiveToneEncode.PackToImage(image.data());
    m.fiveToneDecode.PackToImage(image.data());
    return image;
  }
};

// One edit of a cell: the keys typed on it and the text the editor keeps of
// them (0-9 and A-E, at most 5, for a code; letters, digits and blanks, at most
// 8, for a tag), or the number of Spaces.
struct CellEdit {
  int grid;
  long row;
  long col;
  const char* typed;
  const char* kept;
  int spaces;
};
const CellEdit kCellEdits[] = {
    {IDC_FT_ENCODE_GRID, 2, 1, "#F12a#F34567", "12a34", 0},  // "#" and "F" open no editor
    {IDC_FT_ENCODE_GRID, 5, 2, "Ab 9-XYZWV", "Ab 9XYZW", 0},
    {IDC_FT_ENCODE_GRID, 3, 3, nullptr, nullptr, 2},    {IDC_FT_ENCODE_GRID, 3, 4, nullptr, nullptr, 1},
    {IDC_FT_ENCODE_GRID, 7, 5, nullptr, nullptr, 1},    {IDC_FT_ENCODE_GRID, 9, 10, nullptr, nullptr, 1},
    {IDC_FT_DECODE_GRID, 2, 1, "9", "9", 0},            {IDC_FT_DECODE_GRID, 6, 2, "TAG 4", "TAG 4", 0},
    {IDC_FT_DECODE_GRID, 4, 3, nullptr, nullptr, 3},    {IDC_FT_DECODE_GRID, 4, 4, nullptr, nullptr, 1},
    {IDC_FT_DECODE_GRID, 5, 5, nullptr, nullptr, 1},    {IDC_FT_DECODE_GRID, 6, 6, nullptr, nullptr, 1},
    {IDC_FT_SPECIAL_GRID, 2, 1, "E1", "E1", 0},
};

// Every kind of cell edited by real input: each edit sets the modified flag.
// OK packs the lists byte for byte as the lists' own operations pack the same
// edits (encode and decode rows are entries 0.., STUN/KILL/REVIVE 5..7); at the
// dialog's size every cell of the three grids shows, before and after. Esc on
// a grid, the Cancel button, or the window closed while a code is being typed
// leave the lists, the image and the modified flag as they were. F1 asks the
// owner for help.
TEST_F(FiveToneListDlgTest, EditsSetTheModifiedFlagOkPacksThemByteForByteAndTheOtherWaysOutRestore) {
  const std::vector<std::uint8_t> original(RadioImage(), RadioImage() + kImageBufferSize);
  const auto everyCellShown = [](CWnd& d) {
    for (int id : {IDC_FT_ENCODE_GRID, IDC_FT_DECODE_GRID, IDC_FT_SPECIAL_GRID}) {
      EXPECT_TRUE(grid_test::AllCellsShown(GridOf(d, id))) << id;
    }
  };
  for (int way : {1, 2, 3, 0}) {  // 0: OK
    SCOPED_TRACE(way);
    const INT_PTR result = Run<CFiveToneListDlg>([&](CFiveToneListDlg& d) {
      everyCellShown(d);
      for (const CellEdit& e : kCellEdits) {
        SCOPED_TRACE(std::to_string(e.grid) + " " + std::to_string(e.row) + "," + std::to_string(e.col));
        g_bModified = 0;
        ClickCell(GridOf(d, e.grid), e.row, e.col);
        if (e.typed) {
          Type(e.typed);
          EXPECT_EQ(d.GetDlgItemText(IDC_FT_LIST_EDIT), e.kept);
          Key(Qt::Key_Return);
        }
        for (int i = 0; i < e.spaces; ++i) Key(Qt::Key_Space);
        EXPECT_EQ(g_bModified, 1u);
      }
      Key(Qt::Key_F1);
      everyCellShown(d);
      if (way == 0) {
        FocusOn(d, IDOK);
        Key(Qt::Key_Return);
        return;
      }
      ClickCell(Decode(d), 3, 1);
      Type("56");  // in the editor, not yet stored
      if (way == 1) {
        Key(Qt::Key_Return);
        Key(Qt::Key_Escape);
      }
      if (way == 2) Click(d.GetDlgItem(IDCANCEL));
      if (way == 3) d.GetSafeHwnd()->close();
    });
    EXPECT_EQ(result, way == 0 ? IDOK : IDCANCEL);
    if (way == 0) break;
    EXPECT_EQ(g_bModified, 0u);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), RadioImage()));
    // The lists are what the image holds: they pack as lists fresh from the image do.
    EXPECT_EQ(WithLists(TheModel(), original), WithLists(*Fresh(original), original));
  }
  EXPECT_EQ(host.helpIds, (std::vector<int>{0, 0, 0, 0}));
  auto expected = Fresh(original);
  for (const CellEdit& e : kCellEdits) {
    const int entry = static_cast<int>(e.grid == IDC_FT_SPECIAL_GRID ? e.row + kNamedDecodeCount : e.row - 2);
    const auto edit = [&](auto& list) {
      if (e.typed) list.SetCellText(entry, static_cast<int>(e.col), e.kept);
      for (int i = 0; i < e.spaces; ++i) list.CycleField(entry, static_cast<int>(e.col));
    };
    if (e.grid == IDC_FT_ENCODE_GRID) edit(expected->fiveToneEncode);
    else edit(expected->fiveToneDecode);
  }
  EXPECT_FALSE(std::equal(original.begin(), original.end(), RadioImage()));
  EXPECT_EQ(std::vector<std::uint8_t>(RadioImage(), RadioImage() + kImageBufferSize),
            WithLists(*expected, original));
}

TEST_F(FiveToneListDlgTest, SpaceCyclesTheFieldsAndATagsEditorTakesOnlyAscii) {
  Run<CFiveToneListDlg>([&](CFiveToneListDlg& d) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Cycle(Encode(d), 2, 3, 4), (V{" Close", "Null ", "Open ", " Close", "Null "}));  // stored 3 first
    EXPECT_EQ(Cycle(Decode(d), 2, 3, 8), (V{"D", "E", "F", "G", "Disable", "A", "B", "C", "D"}));
    EXPECT_EQ(Cycle(Decode(d), 2, 4, 2), (V{"Single", "Repeat", "Single"}));
    EXPECT_EQ(Dec().GetRec(0).beepMode, 3);
    // A flag: the check mark while clear, "-" while set.
    EXPECT_TRUE(Encode(d).HasCellPicture(3, 4));
    EXPECT_EQ(Cycle(Encode(d), 3, 4, 1), (V{"", "-"}));
    EXPECT_FALSE(Encode(d).HasCellPicture(3, 4));
    // A double click cycles too; on the headings nothing changes.
    DoubleClickCell(Encode(d), 3, 5);
    EXPECT_EQ(Enc().GetRec(1).firstToneExt, 0);
    g_bModified = 0;
    DoubleClickCell(Encode(d), 0, 3);
    DoubleClickCell(Decode(d), 1, 6);
    ClickCell(Special(d), 1, 1);
    Key(Qt::Key_Space);
    EXPECT_EQ(g_bModified, 0u);
    EXPECT_FALSE(EditorShown(d, IDC_FT_LIST_EDIT));

    // A tag's editor drops what is not ASCII.
    ClickCell(Encode(d), 5, 2);
    Type("Ab");
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_Eacute, QStringLiteral("\u00E9"),
                        Qt::NoModifier);
    EXPECT_EQ(d.GetDlgItemText(IDC_FT_LIST_EDIT), "Ab");
    Key(Qt::Key_Escape);
    FocusOn(d, IDOK);
    Key(Qt::Key_Return);
  });
}

TEST_F(FiveToneListDlgTest, TabLeadsToTheFirstCodesAndEditsReachTheEntryOfTheRowShown) {
  const INT_PTR result = Run<CFiveToneListDlg>([&](CFiveToneListDlg& d) {
    // The dialog opens on the encode grid, its heading row current: nothing to act on.
    EXPECT_EQ(FocusedId(), IDC_FT_ENCODE_GRID);
    Type("5 ");
    EXPECT_EQ(g_bModified, 0u);
    EXPECT_FALSE(EditorShown(d, IDC_FT_LIST_EDIT));

    // Tab: Cancel, Encode 1 Code, Decode 1 Code, STUN.
    FocusOn(d, IDCANCEL);
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), IDC_FT_ENCODE_GRID);
    EXPECT_EQ(Encode(d).GetRow(), 2);
    EXPECT_EQ(Encode(d).GetCol(), 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), IDC_FT_DECODE_GRID);
    Type("1a");
    Key(Qt::Key_Return);
    EXPECT_EQ(Dec().GetRec(0).FormatCode(), "1A   ");
    EXPECT_EQ(Decode(d).GetTextMatrix(2, 1), "1A   ");  // the cell shows the record

    // Tab to STUN, whose cell is current already.
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), IDC_FT_SPECIAL_GRID);
    Type("4");
    Key(Qt::Key_Return);
    EXPECT_EQ(Dec().GetRec(5).FormatCode(), "4    ");
    EXPECT_EQ(Dec().GetRec(7).FormatCode(), "345  ");

    // Esc in the editor puts that cell back; the other edits and the dialog stay.
    ClickCell(Encode(d), 3, 2);
    Type("XY");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(EditorShown(d, IDC_FT_LIST_EDIT));
    EXPECT_EQ(Encode(d).GetTextMatrix(3, 2), "ENC1    ");
    EXPECT_EQ(Dec().GetRec(0).FormatCode(), "1A   ");
    EXPECT_TRUE(d.IsWindowVisible());
    Key(Qt::Key_Return);  // Enter on a grid does not close the dialog
    Key(Qt::Key_Escape);  // the editor is open again: this closes it
    FocusOn(d, IDOK);
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(result, IDOK);
}

}  // namespace
}  // namespace five_tone_test

// The common/system dialog driven by real keys: every control into its field,
// with the modified flag, and OK packing byte for byte what the model's fields
// pack; Enter toggling a check box; the delays' decimals, limits, empty text
// and keys; a code no entry has; Cancel and Esc leaving records and
// g_bModified as they were; F1 going to the owner's help.
#include "test_five_tone_support.h"

namespace five_tone_test {
namespace {

std::string Shown(CWnd& dlg, int id) {
  std::string text;
  dlg.SendDlgItemMessage(id, CB_GETLBTEXT, dlg.SendDlgItemMessage(id, CB_GETCURSEL), reinterpret_cast<LPARAM>(&text));
  return text;
}

// Every field the dialog shows, as the record holds it now.
std::vector<std::uint32_t> Values() {
  std::vector<std::uint32_t> v;
  for (const Binding& b : FiveToneSystemBindings()) v.push_back(b.field.Get(TheModel()));
  return v;
}
// The record is what the image holds: unpacking the image changes nothing.
void ExpectRecordIsTheImage() {
  const std::vector<std::uint32_t> now = Values();
  TheModel().fiveToneSystem.UnpackFromImage(RadioImage());
  EXPECT_EQ(Values(), now);
}

// A delay typed over its text (empty: Enter, then Delete) and what it stores
// (tens of ms) and shows; Enter stores it and keeps the focus there, the text
// selected for the next value.
struct DelayEdit {
  int id;
  const char* typed;
  std::uint32_t stored;
  const char* shown;
};
const DelayEdit kDelayEdits[] = {{IDC_FT_LEAD_IN_DELAY, "1234", 123, "1230 ms"},
                                 {IDC_FT_LEAD_OUT_DELAY, "9999", 250, "2500 ms"},
                                 {IDC_FT_EXTENDED_FIRST_TONE, "", 0, "   0 ms"},
                                 {IDC_FT_EXTENDED_FIRST_TONE, "25.9", 2, "  20 ms"}};

using FiveToneDlgTest = FiveToneTest;

// Every control edited by real input, one after the other: each edit stores
// its field at once and sets the modified flag (Enter on a check box toggles
// it and closes nothing; a delay passed through unchanged stores nothing).
// Esc, Cancel and closing the window, with a delay typed and not yet stored,
// leave the record, the image and the modified flag as they were; OK packs the
// record into the image exactly as the model's own fields pack the same values.
// Tone table 6 and channel switch 3 are in no list: their controls show the
// default entry (as the sheet prints it) and, left alone, keep the code. F1
// asks the owner for help.
TEST_F(FiveToneDlgTest, EveryEditSetsTheModifiedFlagOkPacksByteForByteAndTheOtherWaysOutRestore) {
  RadioImage()[kSystem + 14] = static_cast<std::uint8_t>((RadioImage()[kSystem + 14] & 0x8F) | 0x60);
  RadioImage()[kSystem + 13] |= 0xC0;
  const std::vector<std::uint8_t> original(RadioImage(), RadioImage() + kImageBufferSize);
  std::vector<std::pair<Field, std::uint32_t>> stored;
  for (int way : {0, 1, 2, 3}) {  // Esc, Cancel, closed, OK
    SCOPED_TRACE(way);
    const std::uint32_t modifiedBefore = way % 2;
    g_bModified = modifiedBefore;
    stored.clear();
    TheModel().fiveToneSystem.SetGroupTone(3);  // a stale record: the dialog starts from the image
    const INT_PTR result = Run<CFiveToneDlg>([&](CFiveToneDlg& d) {
      EXPECT_EQ(Shown(d, IDC_FT_GROUP_TONE), "Tone 9");  // byte 23,682 of the image is 0x91
      EXPECT_EQ(Shown(d, IDC_FT_TONE_TABLE), "ZVEI");
      EXPECT_EQ(Shown(d, IDC_FT_CHANNEL_SW), "Null");
      Key(Qt::Key_F1);
      for (const DelayEdit& e : kDelayEdits) {
        FocusOn(d, e.id);
        Key(Qt::Key_Tab);
      }
      EXPECT_EQ(g_bModified, modifiedBefore);
      for (const Binding& b : FiveToneSystemBindings()) {
        if (!d.GetDlgItem(b.id)->IsWindowVisible() || b.kind == BindKind::Number) continue;  // hidden: kept
        if (b.kind == BindKind::Combo && b.list->Find(b.field.Get(TheModel())) < 0) continue;  // in no list: kept
        SCOPED_TRACE(b.id);
        g_bModified = 0;
        FocusOn(d, b.id);
        std::uint32_t expected = b.field.Get(TheModel()) ^ 1;
        if (b.kind == BindKind::Combo) {
          // The entry above the one shown, or below the first.
          const int shown = b.list->PositionOf(b.field.Get(TheModel()));
          EXPECT_EQ(Shown(d, b.id), b.list->TextAt(shown));
          Key(shown == 0 ? Qt::Key_Down : Qt::Key_Up);
          expected = b.list->CodeAt(shown == 0 ? 1 : shown - 1);
        } else {
          EXPECT_EQ(d.IsDlgButtonChecked(b.id), b.field.Get(TheModel()));
          Key(Qt::Key_Return);
          EXPECT_EQ(d.IsDlgButtonChecked(b.id), expected);
        }
        EXPECT_EQ(b.field.Get(TheModel()), expected);
        EXPECT_EQ(g_bModified, 1u);
        stored.emplace_back(b.field, expected);
      }
      for (const DelayEdit& e : kDelayEdits) {
        SCOPED_TRACE(e.typed);
        g_bModified = 0;
        FocusOn(d, e.id);
        if (*e.typed) {
          Type(e.typed);
        } else {
          Key(Qt::Key_Return);  // an edit of the whole text
          Key(Qt::Key_Delete);
        }
        Key(Qt::Key_Return);
        EXPECT_EQ(d.GetDlgItemText(e.id), e.shown);
        EXPECT_EQ(FocusedId(), e.id);
        EXPECT_EQ(static_cast<CEdit*>(d.GetDlgItem(e.id))->GetSel(), DWORD(std::strlen(e.shown)) << 16);
        const Binding& b = *FindBinding(FiveToneSystemBindings(), e.id);
        EXPECT_EQ(b.field.Get(TheModel()), e.stored);
        EXPECT_EQ(g_bModified, 1u);
        stored.emplace_back(b.field, e.stored);
      }
      EXPECT_TRUE(d.IsWindowVisible());
      FocusOn(d, way == 3 ? IDOK : IDC_FT_LEAD_IN_DELAY);
      if (way != 3) Type("70");  // typed and not yet stored
      if (way == 0) FocusOn(d, IDC_FT_MONITOR_SW);  // an edit takes Esc itself
      if (way == 0) Key(Qt::Key_Escape);
      if (way == 1) Click(d.GetDlgItem(IDCANCEL));
      if (way == 2) d.GetSafeHwnd()->close();
      if (way == 3) Key(Qt::Key_Return);
    });
    EXPECT_EQ(result, way == 3 ? IDOK : IDCANCEL);
    ExpectRecordIsTheImage();
    if (way == 3) break;
    EXPECT_TRUE(std::equal(original.begin(), original.end(), RadioImage()));
    EXPECT_EQ(g_bModified, modifiedBefore);
  }
  EXPECT_EQ(host.helpIds, (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(kToneTableNo.Get(TheModel()), 6u);
  // The same values stored through the model's fields into the image as it was.
  auto expected = std::make_unique<CEditModel>();
  std::copy(original.begin(), original.end(), expected->image.begin());
  expected->fiveToneSystem.UnpackFromImage(expected->image.data());
  for (const auto& [field, code] : stored) field.Set(*expected, 0, code);
  expected->fiveToneSystem.PackToImage(expected->image.data());
  EXPECT_FALSE(std::equal(original.begin(), original.end(), RadioImage()));
  EXPECT_TRUE(std::equal(expected->image.begin(), expected->image.end(), RadioImage()));
}

// Keys on a delay that shows its value, as on every commit edit:
// Esc puts an edit's text back and stores nothing, the dialog staying open;
// Enter and an accepted blank start an edit (Enter of the text cut to four
// characters, selected); Enter or a double click at the end of an edit stores
// it and keeps the focus. Each row: the keys ('\r' Enter, '\x1b' Esc, '\x01' a
// double click), what the cell then shows, whether it is editing and its
// selection (-1: the edit's own double click chose it), the value stored at
// once and once the focus has gone on (g_bModified set where it changed).
constexpr std::uint8_t kDelayBefore = 123;  // "1230 ms"
struct DelayKeys {
  const char* name;
  const char* keys;
  const char* shown;
  bool editing;
  int selStart, selEnd;
  std::uint32_t stored, storedAfterTab;
};
const DelayKeys kDelayKeys[] = {{"Esc", "500\x1b", "1230 ms", false, 0, 7, 123, 123},
                                {"Enter", "\r", "1230", true, 0, 4, 123, 123},
                                {"blank", " ", " ", true, 1, 1, 123, 0},
                                {"Enter at the end", "\r70\r", "  70 ms", false, 0, 7, 7, 7},
                                {"double click at the end", "\r70\x01", "  70 ms", false, -1, -1, 7, 7}};

TEST_F(FiveToneDlgTest, DelaysTakeKeysAsEveryCommitEditDoes) {
  for (const DelayKeys& k : kDelayKeys) {
    SCOPED_TRACE(k.name);
    std::fill_n(RadioImage() + kSystem + 6, 3, kDelayBefore);  // the three delays
    const INT_PTR result = Run<CFiveToneDlg>([&](CFiveToneDlg& d) {
      for (int id : {IDC_FT_EXTENDED_FIRST_TONE, IDC_FT_LEAD_IN_DELAY, IDC_FT_LEAD_OUT_DELAY}) {
        SCOPED_TRACE(id);
        const Field& field = FindBinding(FiveToneSystemBindings(), id)->field;
        auto& cell = *static_cast<CEdit*>(d.GetDlgItem(id));
        g_bModified = 0;
        FocusOn(d, id);
        EXPECT_TRUE(cell.GetStyle() & ES_READONLY);
        for (const char* c = k.keys; *c; ++c) {
          if (*c == '\r') Key(Qt::Key_Return);
          else if (*c == '\x1b') Key(Qt::Key_Escape);
          else if (*c == '\x01') DoubleClick(cell.GetSafeHwnd(), QPoint(4, 4));
          else Type(std::string(1, *c).c_str());
        }
        EXPECT_EQ(cell.GetWindowText(), k.shown);
        EXPECT_EQ(!(cell.GetStyle() & ES_READONLY), k.editing);
        EXPECT_TRUE(k.selStart < 0 || cell.GetSel() == (DWORD(k.selEnd) << 16 | DWORD(k.selStart))) << cell.GetSel();
        EXPECT_EQ(field.Get(TheModel()), k.stored);
        EXPECT_EQ(FocusedId(), id);
        EXPECT_TRUE(d.IsWindowVisible());
        Key(Qt::Key_Tab);
        ASSERT_TRUE(PumpUntil([&] { return FocusedId() != id; }));
        EXPECT_EQ(field.Get(TheModel()), k.storedAfterTab);
        EXPECT_EQ(cell.GetWindowText(), DelayText(k.storedAfterTab));
        EXPECT_EQ(g_bModified, k.storedAfterTab != kDelayBefore ? 1u : 0u);
      }
      Click(d.GetDlgItem(IDCANCEL));
    });
    EXPECT_EQ(result, IDCANCEL);
  }
}

}  // namespace
}  // namespace five_tone_test

// The common/system dialog driven by real keys: every list into its field's
// bits, the delays, Enter on a check box, OK packing 23,680..23,695 and keeping
// every bit no control owns, Cancel and Esc leaving records and g_bModified as
// they were, F1 going to the owner's help.
#include "test_five_tone_support.h"

namespace five_tone_test {
namespace {

// The dialog's lists, from its binding table.
std::vector<const Binding*> Lists() {
  std::vector<const Binding*> lists;
  for (const Binding& b : FiveToneSystemBindings()) {
    if (b.kind == BindKind::Combo && b.id != IDC_FT_BEEP_REPEAT) lists.push_back(&b);  // the hidden one aside
  }
  return lists;
}

// The bits of 23,680..23,695 that the dialog owns.
constexpr std::uint8_t kOwned[16] = {0xFF, 0xFF, 0xFF, 0x05, 0xFF, 0xFF, 0xFF, 0xFF,
                                     0xFF, 0x00, 0xF0, 0x00, 0x8B, 0xCC, 0x7F, 0x1F};

std::string Shown(CWnd& dlg, int id) {
  std::string text;
  dlg.SendDlgItemMessage(id, CB_GETLBTEXT, dlg.SendDlgItemMessage(id, CB_GETCURSEL), reinterpret_cast<LPARAM>(&text));
  return text;
}

// Every field the dialog shows, as the record holds it now.
std::vector<std::uint32_t> Values() {
  std::vector<std::uint32_t> v;
  for (const Binding& b : FiveToneSystemBindings()) v.push_back(b.field.Get(TheModel()));
  for (const Field* f : {&kExtendedFirstTone, &kLeadInDelay, &kLeadOutDelay}) v.push_back(f->Get(TheModel()));
  return v;
}
// The record is what the image holds: unpacking the image changes nothing.
void ExpectRecordIsTheImage() {
  const std::vector<std::uint32_t> now = Values();
  TheModel().fiveToneSystem.UnpackFromImage(RadioImage());
  EXPECT_EQ(Values(), now);
}

using FiveToneDlgTest = FiveToneTest;

TEST_F(FiveToneDlgTest, ListsDelaysAndChecksGoIntoTheirFieldsAndOkPacksOnlyTheirBits) {
  const std::vector<std::uint8_t> before = ImageBytes(kSystem, kSystem + 16);
  TheModel().fiveToneSystem.SetGroupTone(3);  // a stale record: the dialog starts from the image
  const INT_PTR result = Run<CFiveToneDlg>([&](CFiveToneDlg& d) {
    EXPECT_EQ(Shown(d, IDC_FT_GROUP_TONE), "Tone 9");  // byte 23,682 of the image is 0x91
    for (const Binding* l : Lists()) {
      SCOPED_TRACE(l->id);
      // The entry above the one shown (a code in no entry shows the default), or below the first.
      const int shown = l->list->PositionOf(l->field.Get(TheModel()));
      EXPECT_EQ(Shown(d, l->id), l->list->TextAt(shown));
      g_bModified = 0;
      FocusOn(d, l->id);
      Key(shown == 0 ? Qt::Key_Down : Qt::Key_Up);
      EXPECT_EQ(l->field.Get(TheModel()), l->list->CodeAt(shown == 0 ? 1 : shown - 1));
      EXPECT_EQ(g_bModified, 1u);
    }
    struct Delay {
      int id;
      const char* typed;
      std::uint32_t stored;
      const char* shown;
    };
    const Delay delays[] = {{IDC_FT_LEAD_IN_DELAY, "1234", 123, "1230 ms"},
                            {IDC_FT_LEAD_OUT_DELAY, "9999", 250, "2500 ms"},
                            {IDC_FT_EXTENDED_FIRST_TONE, "25.9", 2, "  20 ms"}};
    for (const Delay& dl : delays) {
      FocusOn(d, dl.id);
      Type(dl.typed);
      Key(Qt::Key_Tab);  // leaving the field commits it
      EXPECT_EQ(d.GetDlgItemText(dl.id), dl.shown);
    }
    FocusOn(d, IDC_FT_EXTENDED_FIRST_TONE);
    Key(Qt::Key_Return);  // editing with the text selected
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);  // an empty field is 0
    EXPECT_EQ(d.GetDlgItemText(IDC_FT_EXTENDED_FIRST_TONE), "   0 ms");
    EXPECT_EQ(kLeadInDelay.Get(TheModel()), 123u);
    EXPECT_EQ(kLeadOutDelay.Get(TheModel()), 250u);

    // Enter on a check box toggles it, as a click does, and keeps the dialog open.
    const int box = kFtDecodeCodeIds[2];
    const UINT checked = d.IsDlgButtonChecked(box);
    EXPECT_EQ(kDecodeDigitUsed[2].Get(TheModel()), checked == BST_CHECKED ? 1u : 0u);
    FocusOn(d, box);
    Key(Qt::Key_Return);
    EXPECT_NE(d.IsDlgButtonChecked(box), checked);
    EXPECT_EQ(kDecodeDigitUsed[2].Get(TheModel()), checked == BST_CHECKED ? 0u : 1u);
    Click(d.GetDlgItem(kFtDisplayDigitIds[0]));
    EXPECT_EQ(kDisplayDigitUsed[0].Get(TheModel()), d.IsDlgButtonChecked(kFtDisplayDigitIds[0]));
    FocusOn(d, IDC_FT_TONE_TABLE);
    Key(Qt::Key_Return);  // on a list: nothing
    FocusOn(d, IDOK);
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(result, IDOK);
  const std::vector<std::uint8_t> after = ImageBytes(kSystem, kSystem + 16);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(after[i] & ~kOwned[i], before[i] & ~kOwned[i]) << 23680 + i;
  ExpectRecordIsTheImage();
  EXPECT_EQ(after[2] >> 4, 8);  // group tone 9 moved up to 8
  EXPECT_EQ(after[6], 0);
  EXPECT_EQ(after[7], 123);
  EXPECT_EQ(after[8], 250);
  EXPECT_EQ(after[15] & 0x04, (before[15] & 0x04) ^ 0x04);
  EXPECT_EQ(after[0] & 0x01, (before[0] & 0x01) ^ 0x01);
  EXPECT_EQ(g_bModified, 1u);
}

TEST_F(FiveToneDlgTest, CancelEscAndClosingLeaveTheRecordTheImageAndTheModifiedFlagAsTheyWere) {
  const std::vector<std::uint8_t> image = ImageBytes(kSystem, kSystem + 16);
  for (std::uint32_t modifiedBefore : {0u, 1u}) {
    for (int way = 0; way < 3; ++way) {
      SCOPED_TRACE(std::to_string(modifiedBefore) + " " + std::to_string(way));
      g_bModified = modifiedBefore;
      const INT_PTR result = Run<CFiveToneDlg>([&](CFiveToneDlg& d) {
        FocusOn(d, IDC_FT_MONITOR_SW);
        Key(Qt::Key_Up);
        FocusOn(d, IDC_FT_LEAD_IN_DELAY);
        Type("500");
        Key(Qt::Key_Tab);
        EXPECT_EQ(g_bModified, 1u);
        if (way == 0) Key(Qt::Key_Escape);
        if (way == 1) Click(d.GetDlgItem(IDCANCEL));
        if (way == 2) d.GetSafeHwnd()->close();
      });
      EXPECT_EQ(result, IDCANCEL);
      EXPECT_EQ(ImageBytes(kSystem, kSystem + 16), image);
      ExpectRecordIsTheImage();
      EXPECT_EQ(g_bModified, modifiedBefore);
    }
  }
}

TEST_F(FiveToneDlgTest, ACodeNoEntryHasShowsTheDefaultEntryAndKeepsItsCodeAndF1AsksTheOwnerForHelp) {
  // Tone table 6 and channel switch 3 are in no list: the dialog shows the
  // default entry (and the sheet prints the same, test_five_tone_sheet.cpp).
  RadioImage()[kSystem + 14] = static_cast<std::uint8_t>((RadioImage()[kSystem + 14] & 0x8F) | 0x60);
  RadioImage()[kSystem + 13] |= 0xC0;
  Run<CFiveToneDlg>([&](CFiveToneDlg& d) {
    EXPECT_EQ(Shown(d, IDC_FT_TONE_TABLE), "ZVEI");
    EXPECT_EQ(Shown(d, IDC_FT_CHANNEL_SW), "Null");
    FocusOn(d, IDC_FT_GROUP_TONE);
    Key(Qt::Key_F1);
    FocusOn(d, IDOK);
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(host.helpIds, (std::vector<int>{0}));
  EXPECT_EQ(kToneTableNo.Get(TheModel()), 6u);
  EXPECT_EQ((RadioImage()[kSystem + 14] >> 4) & 7, 6);
  EXPECT_EQ(RadioImage()[kSystem + 13] >> 6, 3);
}

}  // namespace
}  // namespace five_tone_test

// The two 5-Tone sheets, drawn from the records as they are in memory: sheet 6
// with the five tone sets and the common/system settings, sheet 7 with the
// encode and decode lists. Neither begins or ends a page. Every value is the
// text the 5-Tone page or dialog shows for it: the common/system values are
// the print texts of the dialog's binding table.
#include <cstdio>
#include <string>

#include "model/five_tone_fields.h"
#include "pages/fivetone/five_tone_dlg.h"
#include "pages/fivetone/five_tone_page.h"
#include "ui/print/sheet_writer.h"

using namespace five_tone;

namespace {

// Cells at character columns from the left margin; boxes with the sheet's pen.
class CSheet {
 public:
  CSheet(CPrinterDC* dc, int w, int x, int pitch) : m_dc(dc), m_w(w), m_x(x), m_p(pitch) {
    m_oldPen = dc->SelectPen(gdi::PenSpec{gdi::PS_SOLID, 4, 0});
    // Texts stand on their boxes' top edges: they must not paint the edges out.
    m_oldBkMode = dc->SetBkMode(gdi::TRANSPARENT);
  }
  ~CSheet() {
    m_dc->SelectPen(m_oldPen);
    m_dc->SetBkMode(m_oldBkMode);
  }
  CSheet(const CSheet&) = delete;
  CSheet& operator=(const CSheet&) = delete;

  int X(int column) const { return m_x + column * m_w; }
  int Pitch() const { return m_p; }
  void Box(int from, int to, int top, int bottom) { m_dc->Rectangle(X(from), top, X(to), bottom); }
  // The text at the column, inside a box's rule there; y moves one line down
  // unless `advance` is false.
  void Text(int column, int& y, const std::string& text, bool advance = true) {
    PrintLine(m_dc, X(column) + TextInset(m_w), &y, m_p, text, advance ? 1 : 0);
  }
  // A boxed cell of one row with its text.
  void Cell(int from, int to, int& y, const std::string& text, bool advance = true) {
    Box(from, to, y, y + m_p);
    Text(from, y, text, advance);
  }
  // A boxed heading of two lines.
  void Heading(int from, int to, int& y, const std::string& first, const std::string& second) {
    Box(from, to, y, y + 2 * m_p);
    Text(from, y, first);
    Text(from, y, second);
  }

 private:
  CPrinterDC* m_dc;
  int m_w, m_x, m_p;
  gdi::PenSpec m_oldPen;
  int m_oldBkMode = gdi::OPAQUE;
};

std::string Format(const char* format, long value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, format, static_cast<int>(value));
  return buf;
}

CEditModel& M() { return TheModel(); }

// ---- sheet 6 -------------------------------------------------------------------

// One tone set's column: its heading, the sixteen tones, the period and the gap.
void ToneColumn(CSheet& s, int from, int to, int y0, const std::string& first, const std::string& second,
                const std::array<int, kToneCount>& tones, int set, bool advanceLast, int& y) {
  const CFiveToneTableData& t = M().fiveToneTable;
  y = y0;
  s.Heading(from, to, y, first, second);
  for (int k = 0; k < kToneCount; ++k) s.Cell(from, to, y, Format("%7d", tones[static_cast<std::size_t>(k)]));
  s.Cell(from, to, y, Format("%3d", t.GetPeriod(set)));
  s.Cell(from, to, y, Format("%4d", static_cast<long>(t.GetGap(set))), advanceLast);
}

// A row of the block: a list's text, a delay, or the marks of five digits.
struct SettingRow {
  const char* label;
  int id = 0;                        // the dialog's list
  const Field* delay = nullptr;
  const int (*digits)[5] = nullptr;  // the dialog's check boxes
};

const SettingRow kSettingRows[] = {
    {"TAG Display", IDC_FT_TAG_DISPLAY},
    {"Display Digit", 0, nullptr, &kFtDisplayDigitIds},
    {"ANI Display", IDC_FT_ANI_DISPLAY},
    {"Compare Digit", 0, nullptr, &kFtCompareDigitIds},
    {"Group Tone", IDC_FT_GROUP_TONE},
    {"Repeat Tone", IDC_FT_REPEAT_TONE},
    {"Auto Reset Beep", IDC_FT_AUTO_RESET_BEEP},
    {"PTT Call", IDC_FT_PTT_CALL},
    {"Call 1 Encode Tone Code", IDC_FT_CALL1_ENCODE},
    {"Call 2 Encode Tone Code", IDC_FT_CALL2_ENCODE},
    {"Extended 1st tone", 0, &kExtendedFirstTone},
    {"Lead in delay", 0, &kLeadInDelay},
    {"Lead out delay", 0, &kLeadOutDelay},
    {"Auto Reset", IDC_FT_AUTO_RESET},
    {"PTT SW AF Open", IDC_FT_PTT_SW_AF_OPEN},
    {"Monitor SW", IDC_FT_MONITOR_SW},
    {"Channel SW", IDC_FT_CHANNEL_SW},
    {"ANI Transmission", IDC_FT_ANI_TRANSMISSION},
    {"Call DEC/ENC Tone Table No", IDC_FT_TONE_TABLE},
    {"Call Encode Tone No", IDC_FT_CALL_ENCODE_TONE},
    {"Decode Code", 0, nullptr, &kFtDecodeCodeIds},
};

void SettingsBlock(CSheet& s, int& y) {
  const int p = s.Pitch();
  const std::span<const Binding> bindings = FiveToneSystemBindings();
  s.Box(0, 55, y, y + 23 * p + 5);
  s.Text(0, y, "5-Tone Common/System");
  for (const SettingRow& row : kSettingRows) {
    const int top = y;
    int at = y;
    s.Text(4, at, row.label, false);
    if (row.digits) {
      // "1" .. "5", each with a small box holding the digit's mark.
      for (int k = 0; k < 5; ++k) {
        const int number = 22 + 6 * k;
        s.Text(number, at, std::to_string(k + 1), false);
        s.Box(number + 2, number + 4, top, top + p - 20);
        s.Text(number + 2, at, PrintText(bindings, (*row.digits)[k]), false);
      }
    } else {
      s.Box(32, 53, top, top + p - 20);
      s.Text(32, at, row.delay ? DelayText(row.delay->Get(M())) : PrintText(bindings, row.id), false);
    }
    y = top + p;
  }
}

// ---- sheet 7 -------------------------------------------------------------------

std::string Mark(std::uint32_t marked) { return marked ? "v" : ""; }

void EncodeList(CSheet& s, int y0) {
  int y = y0;
  s.Text(0, y, "5-Tone Encode");
  const int top = y;
  struct Col {
    int from, to;
    const char *first, *second;
  };
  const Col cols[] = {{0, 14, "", ""},
                      {14, 28, "     Code", ""},
                      {28, 48, "         Tag", ""},
                      {48, 58, "    Mute", "    Mode"},
                      {58, 66, " Select", ""},
                      {66, 78, "   1st", "   Ext"},
                      {78, 93, "   Input Digit", "  1  2  3  4  5"}};
  for (std::size_t c = 0; c < std::size(cols); ++c) {
    y = top;
    s.Heading(cols[c].from, cols[c].to, y, cols[c].first, cols[c].second);
    for (int i = 0; i < kEntryCount; ++i) {
      std::string text;
      switch (c) {
        case 0: text = "Encode " + std::to_string(i + 1); break;
        case 1: text = kEncodeCode.get(M(), i); break;
        case 2: text = kEncodeAlias.get(M(), i); break;
        case 3: text = kMuteModeList.PrintText(kEncodeMuteMode.Get(M(), i)); break;
        case 4: text = Mark(kEncodeSelected.Get(M(), i)); break;
        case 5: text = kFirstToneExtList.PrintText(kEncodeFirstToneExt.Get(M(), i)); break;
        default: break;
      }
      if (c < 6) {
        s.Cell(cols[c].from, cols[c].to, y, text);
        continue;
      }
      for (int d = 0; d < 5; ++d) s.Cell(78 + 3 * d, 81 + 3 * d, y, Mark(kEncodeInputDigitUsed[d].Get(M(), i)), d == 4);
    }
  }
}

void DecodeList(CSheet& s, int& y) {
  s.Text(0, y, "5-Tone Decode");
  const int top = y;
  auto column = [&](int from, int to, const char* first, const char* second, int entries, auto text) {
    y = top;
    s.Heading(from, to, y, first, second);
    for (int k = 0; k < entries; ++k) s.Cell(from, to, y, text(k));
  };
  column(0, 14, "", "", kEntryCount, [](int k) {
    static const char* const kSpecial[] = {" STUN", "  KILL", " REVIVE"};
    return k < kNamedDecodeCount ? "Decode " + std::to_string(k + 1) : std::string(kSpecial[k - kNamedDecodeCount]);
  });
  column(14, 28, "     Code", "", kEntryCount, [](int k) { return kDecodeCode.get(M(), k); });
  column(28, 48, "         Tag", "", kNamedDecodeCount, [](int k) { return kDecodeAlias.get(M(), k); });
  // The two beep cells share one heading.
  y = top;
  s.Heading(48, 68, y, "        Beep", "    Tone     Mode");
  for (int k = 0; k < kNamedDecodeCount; ++k) {
    s.Cell(48, 58, y, std::string(kBeepToneList.PrintText(kDecodeBeepTone.Get(M(), k))), false);
    s.Cell(58, 68, y, std::string(kBeepModeList.PrintText(kDecodeBeepMode.Get(M(), k))));
  }
  column(68, 78, "   LED", "  Blink", kNamedDecodeCount,
         [](int k) { return std::string(kLedBlinkList.PrintText(kDecodeLedBlink.Get(M(), k))); });
  column(78, 88, "   PTT", "", kNamedDecodeCount,
         [](int k) { return std::string(kPttList.PrintText(kDecodePtt.Get(M(), k))); });
}

}  // namespace

void PrintFiveToneTableSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  CSheet s(&dc, charW, x, pitch);
  const int y0 = gap + 2 * pitch;
  int y = y0;
  // The digit labels, then the four fixed sets and the user set; each column from y0.
  static constexpr const char* kDigits = "0123456789ABCDEF";
  s.Heading(0, 23, y, "", "");
  for (int k = 0; k < kToneCount; ++k) s.Cell(0, 23, y, std::string(15, ' ') + kDigits[k]);
  s.Cell(0, 23, y, "Period Time[ms]");
  s.Cell(0, 23, y, "Gap Period Time[ms]", false);
  static const char* const kHeadings[4][2] = {
      {"    ZVEI", ""}, {"   CCIR1", ""}, {"    EEA", ""}, {"    EIA", "       "}};
  for (int set = 0; set < 4; ++set) {
    ToneColumn(s, 23 + 10 * set, 33 + 10 * set, y0, kHeadings[set][0], kHeadings[set][1], kFixedToneSets[set].tones,
               set, false, y);
  }
  std::array<int, kToneCount> user{};
  for (int k = 0; k < kToneCount; ++k) user[static_cast<std::size_t>(k)] = static_cast<int>(M().fiveToneTable.GetTone(k));
  ToneColumn(s, 63, 73, y0, "  NATEL", "  /USER", user, 4, true, y);

  y += pitch;  // a free line
  SettingsBlock(s, y);
}

void PrintFiveToneListSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  CSheet s(&dc, charW, x, pitch);
  const int y0 = gap + 2 * pitch;
  EncodeList(s, y0);
  // Below the eight encode rows, after a free line.
  int y = y0 + pitch + 2 * pitch + kEntryCount * pitch + pitch;
  DecodeList(s, y);
}

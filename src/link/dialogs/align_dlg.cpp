#include "link/dialogs/align_dlg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kLeftLabels[] = {IDC_ALIGN_LEFT_HEADING, IDC_ALIGN_LEFT_VALUE, IDC_ALIGN_LEFT_LEVEL,
                               IDC_ALIGN_LEFT_MAX, IDC_ALIGN_LEFT_MAX_LABEL};
constexpr int kRightLabels[] = {IDC_ALIGN_RIGHT_HEADING, IDC_ALIGN_RIGHT_VALUE, IDC_ALIGN_RIGHT_LEVEL,
                                IDC_ALIGN_RIGHT_MAX, IDC_ALIGN_RIGHT_MAX_LABEL};
constexpr int kSamplesPerAverage = 20;

std::string Format(const char* format, int value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string FormatDouble(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

bool IsReceiverItem(int code) {
  return code == kItemTightSql || code == kItemThresholdSql || code == kItemTightRssi || code == kItemFullRssi;
}

// The boxes of the link routines (the record sum's message) belong to the window.
class WindowLinkOwner : public ILinkDialog {
 public:
  explicit WindowLinkOwner(CWnd* wnd) : m_wnd(wnd) {}
  int CheckUserAbort() override { return 0; }
  void MessageBox(const std::string& text, const std::string& caption) override {
    m_wnd->MessageBox(text, caption.empty() ? nullptr : caption.c_str(), MB_OK);
  }

 private:
  CWnd* m_wnd;
};

}  // namespace

BEGIN_MESSAGE_MAP(CAlignDlg, CDialog)
  ON_BN_CLICKED(IDC_ALIGN_START_ITEM, OnStartItem)
  ON_BN_CLICKED(IDC_ALIGN_OK_ITEM, OnOkItem)
  ON_BN_CLICKED(IDC_ALIGN_CANCEL_ITEM, OnCancelItem)
  ON_BN_CLICKED(IDC_ALIGN_EXIT, OnExit)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_ITEM_TIGHT_SQL, IDC_ITEM_RX_VCV, OnItemButton)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_ITEM_POWER_HIGH, IDC_ITEM_TX_VCV, OnItemButton)
  ON_WM_VSCROLL()
  ON_WM_TIMER()
END_MESSAGE_MAP()

CAlignDlg::CAlignDlg(CComPort& port, AlignRunState& run, const AlignValueTable& table1,
                     const AlignValueTable& table2, CWnd* pParent)
    : CDialog(IDD, pParent), m_port(port), m_run(run), m_table1(table1), m_table2(table2) {
  RegisterAlignDialogTemplates();
}

void CAlignDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ALIGN_SLIDER, m_slider);
  DDX_Control(pDX, IDC_ALIGN_LEFT_METER, m_leftMeter);
  DDX_Control(pDX, IDC_ALIGN_RIGHT_METER, m_rightMeter);
  DDX_Control(pDX, IDC_ALIGN_SPIN, m_spin);
}

std::uint32_t CAlignDlg::Entry(const AlignValueTable& table, int index) const {
  if (index < 0 || index >= int(table.size())) return 0;
  // The adjusted values are bytes of the radio's words.
  return std::min<std::uint32_t>(table[std::size_t(index)], 255);
}

BOOL CAlignDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const std::uint8_t* id = m_run.image.data() + m_run.image.size() - 4;
  char serial[32];
  std::snprintf(serial, sizeof serial, "%X%c%02X%02X%02X", id[0] >> 4, 'B' + (id[0] & 0x0F), id[1], id[2], id[3]);
  CWnd::SetDlgItemText(IDC_ALIGN_SERIAL, serial);
  CWnd::SetDlgItemText(IDC_ALIGN_CPU, Format("%04x", AlignWord(m_run.words.data(), 0)));
  m_nSelector = 0;
  m_run.channelIndex = 0;
  CWnd::SetDlgItemText(IDC_ALIGN_CHANNEL, "1");
  // One past each end, so that stepping up from the last channel and down
  // from the first is still seen as a step in that direction.
  m_spin.SetRange32(0, kAlignChannels + 1);
  m_spin.SetPos32(1);
  SelectChannel(0);
  m_nItemCode = kAlignNoItem;
  EnterIdle();
  return TRUE;
}

BOOL CAlignDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
    OnCancelItem();
    return TRUE;
  }
  return CDialog::PreTranslateMessage(pMsg);
}

void CAlignDlg::OnOK() {}  // Enter presses the Ok button of the running item

void CAlignDlg::OnCancel() { OnExit(); }

void CAlignDlg::OnExit() {
  OnCancelItem();
  StopPoll();
  CDialog::EndDialog(IDOK);
}

// ---- helpers ----

bool CAlignDlg::Link(int status) {
  if (status == kAlignDone) return true;
  Box(Format("!! com error !! %d\n", status));
  return false;
}

void CAlignDlg::Box(const std::string& text) { CWnd::MessageBox(text, nullptr, MB_OK); }

void CAlignDlg::Show(int id, bool show) {
  if (CWnd* w = GetDlgItem(id)) w->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CAlignDlg::SetInt(int id, int value) { CWnd::SetDlgItemText(id, Format("%d", value)); }

double CAlignDlg::Frequency(int c, int selector) const {
  const AlignChannel& ch = Channel(c);
  const int index = selector == 0 ? ch.RxStep() : ch.TxStep();
  const double count = selector == 0 ? ch.rxCount : ch.txCount;
  return m_run.steps[std::size_t(index)].step * 0.00001 * count;
}

// ---- channels ----

void CAlignDlg::DecodeBlock(int imageBlock) {
  const bool uhf = (m_run.HardwareByte() & 0xE0) == 0x60;
  for (int k = 0; k < 5; ++k) {
    const int c = (imageBlock - kAlignFirstChannelBlock) * 5 + k;
    if (c < 0 || c >= kAlignChannels) continue;
    const std::uint8_t* r = m_run.Block(imageBlock) + AlignChannelOffset(c);
    AlignChannel& ch = m_channels[std::size_t(c)];
    ch.flags = r[0] & 0x4F;
    if (r[1] != 0xFF) ch.flags |= 0x8000;
    ch.tune = r[17];
    ch.tuneHigh = r[18] & 0x0F;
    const int rxStep = ch.RxStep(), txStep = ch.TxStep();
    double rx = r[7] * 256 + r[8];
    if (uhf) rx += 40960;
    else if (rxStep == 2) rx += 32768;
    if (rxStep == 3) rx += 131072;
    rx += m_run.steps[std::size_t(rxStep)].offset;
    double tx = r[15] * 256 + r[16];
    if (uhf) tx += 40960;
    else if (txStep == 2) tx += 32768;
    if (txStep == 3) tx += 81920;
    ch.rxCount = rx;
    ch.txCount = tx;
  }
}

void CAlignDlg::SelectChannel(int c) {
  DecodeBlock(AlignChannelBlock(c));
  const AlignChannel& ch = Channel(c);
  static constexpr double kIfSteps[4] = {5.0, 6.25, 2.5, 1.25};
  CWnd::SetDlgItemText(IDC_ALIGN_CHANNEL, Format("%d", c + 1));
  CWnd::SetDlgItemText(IDC_ALIGN_RADIO_TYPE, m_run.HardwareByte() < 32 ? "VHF" : "UHF");
  const int offset = std::abs(m_run.steps[std::size_t(ch.RxStep())].offset);
  CWnd::SetDlgItemText(IDC_ALIGN_IF, FormatDouble("%.2f", offset * kIfSteps[ch.RxStep()] * 0.001));
  CWnd::SetDlgItemText(IDC_ALIGN_SPACING, ch.Wide() ? "Wide  " : "Narrow");
  CWnd::SetDlgItemText(IDC_ALIGN_RX, FormatDouble("%.5f", Frequency(c, 0)));
  CWnd::SetDlgItemText(IDC_ALIGN_TX, FormatDouble("%.5f", Frequency(c, 1)));
}

void CAlignDlg::StepChannel() {
  const int current = m_run.channelIndex;
  const int pos = m_spin.GetPos32();
  const int direction = pos < current + 1 ? -1 : pos > current + 1 ? 1 : 0;
  if (direction == 0) return;
  int c = current;
  bool found = false;
  // One full round at most: with no channel in use the current one stays.
  for (int n = 0; n < kAlignChannels && !found; ++n) {
    const int before = AlignChannelBlock(c);
    c = (c + direction + kAlignChannels) % kAlignChannels;
    if (AlignChannelBlock(c) != before) DecodeBlock(AlignChannelBlock(c));
    found = m_run.Block(AlignChannelBlock(c))[AlignChannelOffset(c) + 1] != 0xFF;
  }
  if (!found) c = current;
  if (c != current && !Link(AlignSetValue(m_port, std::uint16_t(c)))) c = current;
  m_run.channelIndex = c;
  m_spin.SetPos32(c + 1);
  SelectChannel(c);
}

// ---- idle and the columns ----

void CAlignDlg::EnterIdle() {
  m_nItemCode = kAlignNoItem;
  m_spin.EnableWindow(TRUE);
  Show(IDC_ALIGN_START_ITEM, true);
  m_slider.ShowWindow(SW_HIDE);
  m_leftMeter.ShowWindow(SW_HIDE);
  m_rightMeter.ShowWindow(SW_HIDE);
  Show(IDC_ALIGN_OK_ITEM, false);
  Show(IDC_ALIGN_CANCEL_ITEM, false);
  EnableItemChoice(TRUE);
  for (int id : kLeftLabels) Show(id, false);
  for (int id : kRightLabels) Show(id, false);
}

void CAlignDlg::EnableItemChoice(BOOL enable) {
  for (const auto& item : AlignItems())
    if (CWnd* w = GetDlgItem(item.buttonId)) w->EnableWindow(enable);
  for (int id : {IDC_ALIGN_TX_GROUP, IDC_ALIGN_RX_GROUP})
    if (CWnd* w = GetDlgItem(id)) w->EnableWindow(enable);
}

void CAlignDlg::ShowColumns(bool right) {
  for (int id : kLeftLabels) Show(id, true);
  if (right)
    for (int id : kRightLabels) Show(id, true);
}

void CAlignDlg::SetLeft(int value) {
  m_leftMeter.SetPos(value);
  SetInt(IDC_ALIGN_LEFT_VALUE, value);
}

void CAlignDlg::SetupSlider(int value) {
  m_nValue = value;
  CWnd::SetDlgItemText(IDC_ALIGN_LEFT_HEADING, "Parameter");
  m_slider.SetRange(0, m_nSliderMax, TRUE);
  m_slider.SetTicFreq(10);
  m_slider.SetPos(m_nSliderMax - value);  // the maximum is at the top
  m_leftMeter.SetRange32(0, m_nSliderMax);
  m_leftMeter.SetStep(1);
  SetLeft(value);
  SetInt(IDC_ALIGN_LEFT_MAX, m_nSliderMax);
  ShowColumns(false);
}

void CAlignDlg::ShowRightMeter() {
  m_rightMeter.SetRange32(0, m_nMeterMax);
  m_rightMeter.SetStep(1);
  m_rightMeter.SetPos(0);
  m_rightMeter.ShowWindow(SW_SHOW);
}

void CAlignDlg::SetupMeterColumn(const char* heading) {
  ShowRightMeter();
  CWnd::SetDlgItemText(IDC_ALIGN_RIGHT_VALUE, "");
  SetInt(IDC_ALIGN_RIGHT_MAX, m_nMeterMax);
  ShowColumns(true);
  CWnd::SetDlgItemText(IDC_ALIGN_RIGHT_HEADING, heading);
}

int CAlignDlg::SliderValue() const { return m_nSliderMax - m_slider.GetPos(); }

void CAlignDlg::LoadValues(int mode) {
  m_values.Store(m_run.words.data(), Wide());
  m_values.Load(mode, ModelCode());
}

// ---- the item cycle ----

void CAlignDlg::OnItemButton(UINT nID) {
  const AlignItem* item = FindAlignItemByButton(int(nID));
  if (!item || m_nItemCode != kAlignNoItem) return;
  Show(IDC_ALIGN_START_ITEM, true);
  CWnd::SetDlgItemText(IDC_ALIGN_TEXT, AlignProcedureText(item->code, ModelCode(), m_run.HardwareByte()));
}

void CAlignDlg::OnStartItem() {
  if (m_nItemCode != kAlignNoItem) return;
  const AlignItem* item = nullptr;
  for (const auto& candidate : AlignItems())
    if (IsDlgButtonChecked(candidate.buttonId)) item = &candidate;
  if (!item) return;
  ::MessageBeep(0);
  // A tick left over from an earlier item must not poll during this one.
  StopPoll();
  Show(IDC_ALIGN_START_ITEM, false);
  m_slider.ShowWindow(SW_SHOW);
  m_leftMeter.ShowWindow(SW_SHOW);
  Show(IDC_ALIGN_OK_ITEM, true);
  Show(IDC_ALIGN_CANCEL_ITEM, true);
  EnableItemChoice(FALSE);
  m_spin.EnableWindow(FALSE);

  const int code = item->code;
  m_nItemCode = code;
  m_nSliderMax = int(Entry(m_table1, ModelCode() == 11 ? item->entry : item->entryOther));
  m_nMeterMax = int(Entry(m_table2, ModelCode() == 11 ? item->entry : item->entryOther));
  if (IsReceiverItem(code)) {
    StartReceiverItem(code);
    return;  // the slider is not used: the focus stays
  }
  if (code == kItemRxTune) StartRxTune();
  else if (code == kItemTxVcv || code == kItemRxVcv) StartVcv(code);
  else StartTransmitItem(code);
  m_slider.SetFocus();
}

bool CAlignDlg::StartTransmitItem(int code) {
  const auto cmd2 = [this](std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    return Link(AlignSendCmd2(m_port, a, b, c, d));
  };
  const auto semicolon = [this](std::uint8_t a, std::uint8_t b, std::uint8_t c) {
    m_modulation = {a, b, c, 0};
    return Link(AlignSendCmdSemicolon(m_port, m_modulation.data()));
  };
  const auto cmd3 = [this] { return Link(AlignSendCmd3(m_port, m_values.t.data())); };
  switch (code) {
    case kItemPowerHigh:
    case kItemPowerLowHigh:
    case kItemPowerLowMid: {
      const std::uint8_t value = code == kItemPowerHigh ? B(16) : code == kItemPowerLowHigh ? B(15) : B(14);
      m_powerAtStart = value;
      SetupSlider(value);
      Link(AlignSendCmd4(m_port));  // a refusal here is shown and the start goes on
      return cmd2(value, 0, B(26), B(28)) && semicolon(B(31), 0, 0);
    }
    case kItemMaxDeviation:
    case kItemModBalance: {
      LoadValues(1);
      SetupSlider(code == kItemMaxDeviation ? m_values.t[0] : m_values.t[1]);
      if (!Link(AlignSendCmd4(m_port)) || !cmd2(B(14), 0, B(26), B(28))) return false;
      if (code == kItemMaxDeviation) {
        if (!semicolon(B(31), 0xFF, B(222)) || !cmd3()) return false;
        return ModelCode() != 11 || Link(AlignSendCmd6(m_port, 17, 199));
      }
      if (!semicolon(B(31), 0, m_run.Block(5)[110]) || !Link(AlignSendCmd9(m_port, 3)) || !cmd3()) return false;
      return ModelCode() == 11 || Link(AlignSendCmdQuestion(m_port, 0));
    }
    case kItemCtcss:
    case kItemDcs:
    case kItemLtr: {
      const int mode = code == kItemCtcss ? 2 : code == kItemDcs ? 0 : 3;
      LoadValues(mode);
      SetupSlider(code == kItemCtcss ? m_values.Value(ModelCode()) : m_values.t[2]);
      if (!Link(AlignSendCmd4(m_port)) || !cmd2(B(14), 0, B(26), B(28)) || !semicolon(B(31), 0xFF, 0) || !cmd3())
        return false;
      return Link(AlignSendCmd7(m_port, code == kItemCtcss ? 2 : code == kItemDcs ? 1 : 3));
    }
    case kItemSeqTone: {
      LoadValues(0);
      SetupSlider(m_values.s[5]);
      if (!Link(AlignSendCmd4(m_port)) || !cmd2(B(14), 0, B(26), B(28)) ||
          !semicolon(m_values.s[6], m_values.s[5], m_values.s[7]))
        return false;
      const std::uint8_t record[4] = {B(19), B(21), 0, 0};
      return Link(AlignSendCmd3(m_port, record)) && Link(AlignSendCmd6(m_port, 17, 199));
    }
    case kItemReference: {
      LoadValues(0);
      SetupSlider(m_values.s[6]);
      if (!Link(AlignSendCmd4(m_port)) || !cmd2(B(14), 0, B(26), B(28))) return false;
      return semicolon(m_values.s[6], 0, 0);
    }
    default: return false;
  }
}

void CAlignDlg::StartReceiverItem(int code) {
  const bool wide = Wide();
  const bool noise = code == kItemTightSql || code == kItemThresholdSql;
  m_rxWord = noise ? (wide ? 4 : 6) : (wide ? 3 : 5);
  const bool high = code == kItemThresholdSql || code == kItemTightRssi;
  m_rxStored = high ? B(2 * m_rxWord + 1) : B(2 * m_rxWord);
  ResetAveraging();
  m_slider.ShowWindow(SW_HIDE);
  ShowRightMeter();
  m_leftMeter.SetRange32(0, m_nSliderMax);
  m_leftMeter.SetStep(1);
  m_nValue = m_rxStored;
  SetLeft(m_rxStored);
  SetInt(IDC_ALIGN_LEFT_MAX, m_nSliderMax);
  CWnd::SetDlgItemText(IDC_ALIGN_RIGHT_VALUE, "");
  SetInt(IDC_ALIGN_RIGHT_MAX, m_nMeterMax);
  ShowColumns(true);
  CWnd::SetDlgItemText(IDC_ALIGN_LEFT_HEADING, "Current");
  CWnd::SetDlgItemText(IDC_ALIGN_RIGHT_HEADING, noise ? "Receiver Noise Level" : "RSSI Level");
  StartPoll();
}

void CAlignDlg::StartRxTune() {
  CWnd::SetDlgItemText(IDC_ALIGN_TEXT,
                       "This parameter is used to align RX Tune.\r\n"
                       "Select the middle frequency channel in alignment range.\r\n"
                       "Set your SG output level for factory defaults as follows, \r\n"
                       "     VHF:-8.0dBuV/UHF:-6.0dBuV\r\n"
                       "Pressing the [UP] or  [DOWN] key, to align the maximum RX sensitivity by monitoring it's "
                       "SINAD level.");
  const int c = m_run.channelIndex;
  m_tunePointChannel = c;
  m_tunePointFreq = Frequency(c, 0);
  ResetAveraging();
  m_rxTune = int(Channel(c).tune);
  SetupSlider(m_rxTune);
  CWnd::SetDlgItemText(IDC_ALIGN_LEFT_HEADING, "Tune");
  SetupMeterColumn("RSSI Level");
  if (!Link(AlignSendCmd2(m_port, std::uint8_t(m_rxTune), B(27), 0, B(28)))) return;
  SelectChannel(c);
  StartPoll();
}

void CAlignDlg::StartVcv(int code) {
  const bool tx = code == kItemTxVcv;
  m_nMeterMax = 255;
  SetupSlider(tx ? B(26) : B(27));
  CWnd::SetDlgItemText(IDC_ALIGN_LEFT_HEADING, tx ? "TX VCV" : "RX VCV");
  SetupMeterColumn("VCV Level");
  ResetAveraging();
  if (tx) {
    Link(AlignSendCmd4(m_port));  // shown, and the start goes on
    if (!Link(AlignSendCmd2(m_port, 0, 0, B(26), B(28)))) return;
  } else if (!Link(AlignSendCmd2(m_port, 0, B(27), 0, B(28)))) {
    return;
  }
  SelectChannel(m_run.channelIndex);
  StartPoll();
}

void CAlignDlg::OnVScroll(UINT nSBCode, UINT, CWnd* pScrollBar) {
  if (!pScrollBar) return;
  if (pScrollBar->GetDlgCtrlID() == IDC_ALIGN_SPIN) {
    if (nSBCode == SB_ENDSCROLL || m_nItemCode != kAlignNoItem) return;
    StepChannel();
    return;
  }
  if (pScrollBar->GetDlgCtrlID() != IDC_ALIGN_SLIDER || m_nItemCode == kAlignNoItem) return;
  if (IsReceiverItem(m_nItemCode)) return;
  const int value = SliderValue();
  if (value == m_nValue && nSBCode == TB_ENDTRACK) return;
  ApplySlider(value);
}

void CAlignDlg::ApplySlider(int value) {
  m_nValue = value;
  const auto v = std::uint8_t(value);
  int st = kAlignDone;
  switch (m_nItemCode) {
    case kItemPowerHigh:
    case kItemPowerLowHigh:
    case kItemPowerLowMid: st = AlignSendCmd2(m_port, v, 0, B(26), B(28)); break;
    case kItemMaxDeviation: m_values.t[0] = v; st = AlignSendCmd3(m_port, m_values.t.data()); break;
    case kItemModBalance: m_values.t[1] = v; st = AlignSendCmd3(m_port, m_values.t.data()); break;
    case kItemCtcss: m_values.SetValue(ModelCode(), v); st = AlignSendCmd3(m_port, m_values.t.data()); break;
    case kItemDcs:
    case kItemLtr: m_values.t[2] = v; st = AlignSendCmd3(m_port, m_values.t.data()); break;
    case kItemSeqTone:
      m_modulation = {m_values.s[6], v, m_values.s[7], 0};
      st = AlignSendCmdSemicolon(m_port, m_modulation.data());
      break;
    case kItemReference:
      m_modulation = {v, 0, 0, 0};
      st = AlignSendCmdSemicolon(m_port, m_modulation.data());
      break;
    case kItemRxTune:
      m_rxTune = value;
      st = AlignSendCmd2(m_port, v, B(27), 0, B(28));
      if (st == kAlignDone) m_port.Sleep(20);
      break;
    case kItemTxVcv:
      st = AlignSendCmd2(m_port, 0, 0, v, B(28));
      if (st == kAlignDone) m_port.Sleep(20);
      break;
    case kItemRxVcv:
      st = AlignSendCmd2(m_port, 0, v, 0, B(28));
      if (st == kAlignDone) m_port.Sleep(20);
      break;
    default: return;
  }
  Link(st);
  SetLeft(value);
}

void CAlignDlg::WriteWordByte(int word, bool high, std::uint8_t value) {
  std::uint16_t w = AlignWord(m_run.words.data(), word);
  w = high ? std::uint16_t((w & 0x00FF) | value << 8) : std::uint16_t((w & 0xFF00) | value);
  if (AlignSendF1(m_port, std::uint8_t(word), w) == kAlignDone) {
    SetAlignWord(m_run.words.data(), word, w);
  } else {
    Box("!! download error !!\n");
  }
  WindowLinkOwner owner(this);
  AlignSendRecordSum(m_port, owner, m_run.words.data());
}

void CAlignDlg::OnOkItem() {
  const int code = m_nItemCode;
  const AlignItem* item = FindAlignItem(code);
  if (!item) return;
  if (IsReceiverItem(code)) {
    OkReceiverItem();
    return;
  }
  if (code == kItemRxTune) {
    OkRxTune();
    return;
  }
  if (!OkTransmitItem(code)) return;  // still running
  EnterIdle();
}

bool CAlignDlg::OkTransmitItem(int code) {
  const AlignItem& item = *FindAlignItem(code);
  if (code == kItemTxVcv || code == kItemRxVcv) {
    // The VCV is set against the level the radio reads back: with no reading
    // yet the value was never checked, so it is not locked in.
    if (!m_bHaveAverage) {
      ::MessageBeep(0);
      return false;
    }
    StopPoll();
  }
  bool done = true;
  switch (code) {
    case kItemMaxDeviation:
    case kItemSeqTone: done = Link(AlignSendCmd6(m_port, 0, 0)); break;
    case kItemModBalance: done = Link(AlignSendCmd9(m_port, 0)); break;
    case kItemCtcss:
    case kItemDcs:
    case kItemLtr: done = Link(AlignSendCmd7(m_port, 0)); break;
    default: break;
  }
  if (done && code != kItemRxVcv) {
    done = Link(AlignSendCmd5(m_port));
    const bool keepRunning = code <= kItemPowerLowMid || code == kItemTxVcv;
    if (!done && keepRunning) return false;
  }
  // The radio did not take the test state back: nothing is written.
  if (!done) return true;
  const bool high = item.okByte == AlignByte::kHigh || (item.okByte == AlignByte::kHighWhenWide && Wide());
  WriteWordByte(item.okWord, high, std::uint8_t(m_nValue));
  return true;
}

void CAlignDlg::OkReceiverItem() {
  // Only a level the radio measured may go into its calibration.
  if (!m_bHaveAverage) {
    ::MessageBeep(0);
    return;
  }
  StopPoll();
  const int code = m_nItemCode;
  const bool noise = code == kItemTightSql || code == kItemThresholdSql;
  const std::uint8_t level = noise ? m_average[2] : m_average[1];
  const bool high = code == kItemThresholdSql || code == kItemTightRssi;
  WriteWordByte(m_rxWord, high, level);
  EnterIdle();
}

void CAlignDlg::OkRxTune() {
  StopPoll();
  m_tunePointTune = m_rxTune;
  std::uint8_t* rule = m_run.Block(254);
  rule[2] = std::uint8_t(m_rxTune);
  std::array<std::uint8_t, kBlockSize> copy;
  std::copy_n(rule, kBlockSize, copy.begin());
  int status = AlignWriteBlock(m_port, 254 - kWireBlockOffset, copy.data());

  const int remembered = m_run.channelIndex;
  const int limitByte = B(252);
  const int last = std::min((limitByte - 56) * 5, kAlignChannels - 1);
  int decoded = -1;
  for (int c = 0; c <= last; ++c) {
    m_run.channelIndex = c;
    const int block = AlignChannelBlock(c);
    if (!m_run.blockLoaded[std::size_t(block)]) continue;  // never uploaded: nothing known of it
    std::uint8_t* record = m_run.Block(block) + AlignChannelOffset(c);
    if (record[1] == 0xFF) continue;
    if (block != decoded) {
      DecodeBlock(block);
      decoded = block;
    }
    const int tune = AlignTuneValue(rule, Frequency(c, 0), m_nSliderMax);
    m_channels[std::size_t(c)].tune = std::uint32_t(tune);
    record[17] = std::uint8_t(tune);
    m_run.blockChanged[std::size_t(block)] = 1;
  }

  // A failed write stops the writes and the restart.
  for (int b = 0; b < kAlignImageBlocks && status == kAlignDone; ++b) {
    if (!m_run.blockChanged[std::size_t(b)]) continue;
    std::copy_n(m_run.Block(b), kBlockSize, copy.begin());
    status = AlignWriteBlock(m_port, std::uint8_t(b - kWireBlockOffset), copy.data());
    if (status == kAlignDone) m_run.blockChanged[std::size_t(b)] = 0;
  }
  if (status == kAlignDone) {
    AlignSendCmd8(m_port, 1);
  } else {
    Box("!! download error !!\n");
  }
  m_port.Sleep(2000);
  m_run.channelIndex = remembered;
  if (AlignSetValue(m_port, std::uint16_t(remembered)) != kAlignDone) Box("!! download error !!\n");
  SelectChannel(remembered);
  EnterIdle();
}

void CAlignDlg::OnCancelItem() {
  ::MessageBeep(0);
  const int code = m_nItemCode;
  // No tick may talk to the radio once the item is given up.
  StopPoll();
  if (code != kAlignNoItem) CancelItem(code);
  EnterIdle();
}

void CAlignDlg::CancelItem(int code) {
  const auto semicolon = [this](std::uint8_t a, std::uint8_t b, std::uint8_t c) {
    m_modulation = {a, b, c, 0};
    return Link(AlignSendCmdSemicolon(m_port, m_modulation.data()));
  };
  const auto cmd3 = [this] { return Link(AlignSendCmd3(m_port, m_values.t.data())); };
  const auto cmd5 = [this] { return Link(AlignSendCmd5(m_port)); };
  switch (code) {
    case kItemPowerHigh:
    case kItemPowerLowHigh:
    case kItemPowerLowMid:
      if (Link(AlignSendCmd2(m_port, m_powerAtStart, 0, B(26), B(28)))) cmd5();
      break;
    case kItemMaxDeviation:
    case kItemModBalance:
      if (!Link(AlignSendCmd6(m_port, 0, 0)) || !semicolon(B(31), 0xFF, B(222))) break;
      LoadValues(1);
      if (cmd3()) cmd5();
      break;
    case kItemCtcss:
    case kItemDcs:
    case kItemLtr:
      if (!Link(AlignSendCmd7(m_port, 0)) || !semicolon(B(31), 0xFF, 0)) break;
      LoadValues(code == kItemCtcss ? 2 : code == kItemDcs ? 0 : 3);
      if (cmd3()) cmd5();
      break;
    case kItemSeqTone:
      if (!Link(AlignSendCmd6(m_port, 0, 0)) || !semicolon(B(31), B(30), B(222))) break;
      LoadValues(0);
      cmd5();
      break;
    case kItemReference:
      if (!semicolon(B(31), 0, 0)) break;
      LoadValues(0);
      cmd5();
      break;
    case kItemRxTune:
      Link(AlignSendCmd2(m_port, std::uint8_t(Channel(m_run.channelIndex).tune), B(27), 0, B(28)));
      break;
    case kItemTxVcv:
      if (cmd5()) Link(AlignSendCmd2(m_port, 0, 0, B(26), B(28)));
      break;
    case kItemRxVcv: Link(AlignSendCmd2(m_port, 0, B(27), 0, B(28))); break;
    default: break;  // the receiver items only stop the poll
  }
}

// ---- live readings ----

void CAlignDlg::StartPoll() {
  m_bPolling = true;
  SetTimer(kPollTimer, kPollMs);
}

void CAlignDlg::StopPoll() {
  if (m_bPolling && GetSafeHwnd()) KillTimer(kPollTimer);
  m_bPolling = false;
}

void CAlignDlg::ResetAveraging() {
  m_count = 0;
  m_readings.fill(0);
  m_sum.fill(0);
  m_min.fill(255);
  m_max.fill(0);
  m_bHaveAverage = false;
}

void CAlignDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kPollTimer) return;
  if (!m_bPolling || m_nItemCode == kAlignNoItem) return;
  PollStep();
}

void CAlignDlg::PollStep() {
  std::uint8_t readings[8];
  const int st = AlignReadInfo(m_port, readings);
  if (st != kAlignDone) {
    StopPoll();
    Box(Format("!! com error !! %d\n", st));
    return;
  }
  const int code = m_nItemCode;
  const bool trimmed = IsReceiverItem(code);
  for (std::size_t i = 0; i < 8; ++i) {
    m_readings[i] = readings[i];
    m_sum[i] = std::uint16_t(m_sum[i] + readings[i]);
    if (trimmed) {
      m_min[i] = std::min(m_min[i], readings[i]);
      m_max[i] = std::max(m_max[i], readings[i]);
    }
  }
  ++m_count;
  if (trimmed) {
    if (m_count < kSamplesPerAverage) return;
    for (std::size_t i = 0; i < 8; ++i)
      m_average[i] = std::uint8_t((m_sum[i] - m_min[i] - m_max[i]) / (kSamplesPerAverage - 2));
  } else {
    for (std::size_t i = 0; i < 8; ++i) m_average[i] = std::uint8_t(m_sum[i]);
  }
  m_sum.fill(0);
  m_min.fill(255);
  m_max.fill(0);
  m_count = 0;
  m_bHaveAverage = true;

  int level = 0;
  if (code == kItemTightSql || code == kItemThresholdSql) level = m_average[2];
  else if (code == kItemTightRssi || code == kItemFullRssi || code == kItemRxTune) level = m_average[1];
  else level = m_average[4];
  SetInt(IDC_ALIGN_RIGHT_VALUE, level);
  m_rightMeter.SetPos(level);
  if (!trimmed) SetLeft(SliderValue());
  if (code == kItemRxTune) SetInt(IDC_ALIGN_LEFT_VALUE, m_rxTune);
}

void RunAlignment(CComPort& port, AlignRunState& run, int comIndex, CAlignStartDlg::PasswordPrompt askPassword,
                  const AlignValueTable& table1, const AlignValueTable& table2, CWnd* pParent) {
  run.continueFlag = 1;
  CAlignStartDlg start(port, run, comIndex, std::move(askPassword), pParent);
  CAlignDlg window(port, run, table1, table2, pParent);
  start.DoModal();
  if (run.continueFlag == 1) window.DoModal();
}

// The factory alignment window (IDD 104). It works on what the entry dialog
// uploaded (AlignRunState): the radio's words, the alignment image and its
// block flags, the channel-block limit and the step table. One item runs at a
// time: select, Start (the radio goes into the item's test state), adjust with
// the slider (or watch the live readings), then Ok (the value is written into
// a radio word, followed by the checksum word) or Cancel (the radio is put
// back). The receiver items and the VCV items poll the radio's readings on
// timer 1 every 50 ms; RX Tune recomputes and writes every channel's tune.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "link/align_start.h"
#include "link/dialogs/align_start_dlg.h"
#include "link/dialogs/custom_slider.h"
#include "link/dialogs/level_meter.h"
#include "res/dialogs_align.h"
#include "ui/wnd/ext/ext_layer.h"
#include "ui/wnd/wnd_layer.h"

// An alignment value table of the configuration (18 entries).
using AlignValueTable = std::array<std::uint32_t, 18>;

inline constexpr int kAlignChannels = 250;
inline constexpr int kAlignNoItem = 18;

// Item codes.
enum AlignItemCode {
  kItemPowerHigh = 0,
  kItemPowerLowHigh = 1,
  kItemPowerLowMid = 2,
  kItemMaxDeviation = 3,
  kItemModBalance = 4,
  kItemCtcss = 5,
  kItemDcs = 6,
  kItemLtr = 7,
  kItemSeqTone = 8,
  kItemReference = 9,
  kItemTightSql = 11,
  kItemThresholdSql = 12,
  kItemRxTune = 13,
  kItemTightRssi = 14,
  kItemFullRssi = 15,
  kItemTxVcv = 16,
  kItemRxVcv = 17,
};

// Which byte of its word an item's Ok writes.
enum class AlignByte { kLow, kHigh, kHighWhenWide };

// One alignment item as the window knows it.
struct AlignItem {
  int code;
  int buttonId;
  const char* name;
  int entry;         // of the alignment value tables (model code 11)
  int entryOther;    // for other model codes
  int okWord;        // the radio word Ok writes (-1: chosen by the start routine, or none)
  AlignByte okByte;
  bool polled;       // reads the radio's levels on timer 1
};
// The 17 items, in the order of their codes.
const std::array<AlignItem, 17>& AlignItems();
const AlignItem* FindAlignItem(int code);
const AlignItem* FindAlignItemByButton(int buttonId);

// One alignment channel, decoded from its 25-byte record in the alignment image.
struct AlignChannel {
  std::uint32_t flags = 0;  // bits 0-1 TX step index, 2-3 RX step index, 6 wide, 15 in use
  std::uint32_t tune = 0;   // record byte 17
  std::uint32_t tuneHigh = 0;  // low nibble of record byte 18
  double rxCount = 0;
  double txCount = 0;
  bool InUse() const { return flags & 0x8000; }
  bool Wide() const { return flags & 0x40; }
  int TxStep() const { return int(flags & 3); }
  int RxStep() const { return int(flags >> 2 & 3); }
};

// Where channel c's record lies in the alignment image.
inline int AlignChannelBlock(int c) { return kAlignFirstChannelBlock + c / 5; }
inline int AlignChannelOffset(int c) { return 25 * (c % 5); }

// The deviation values of the current channel: five test bytes (command '3'
// sends T0..T2) and eight stored bytes from the word buffer.
class CAlignChannelValues {
 public:
  virtual ~CAlignChannelValues() = default;
  std::array<std::uint8_t, 5> t{};
  std::array<std::uint8_t, 8> s{};
  // Takes the stored bytes for a wide or narrow channel.
  void Store(const std::uint8_t* words, bool wide);
  // Fills the test bytes for mode 0 (DCS), 1 (deviation), 2 (CTCSS) or 3 (LTR).
  void Load(int mode, int modelCode);
  // The CTCSS value: T2 for model code 11, else T0.
  std::uint8_t Value(int modelCode) const { return modelCode == 11 ? t[2] : t[0]; }
  void SetValue(int modelCode, std::uint8_t v) { (modelCode == 11 ? t[2] : t[0]) = v; }
};

// The procedure text of an item for a radio.
std::string AlignProcedureText(int code, int modelCode, std::uint8_t hardwareByte);

// The tune value of a channel at f MHz by the rule of image block 254,
// limited to 0..maximum.
int AlignTuneValue(const std::uint8_t* block254, double f, int maximum);

class CAlignDlg : public CDialog {
 public:
  enum { IDD = IDD_ALIGN };
  static constexpr UINT_PTR kPollTimer = 1;
  static constexpr UINT kPollMs = 50;

  CAlignDlg(CComPort& port, AlignRunState& run, const AlignValueTable& table1, const AlignValueTable& table2,
            CWnd* pParent = nullptr);

  CCustomSlider m_slider;
  CLevelMeter m_leftMeter;
  CLevelMeter m_rightMeter;
  CSpinButtonCtrl m_spin;

  // What the window is doing, for its owner and tests.
  int ItemCode() const { return m_nItemCode; }
  bool IsPolling() const { return m_bPolling; }
  int SliderMax() const { return m_nSliderMax; }
  int MeterMax() const { return m_nMeterMax; }
  int Value() const { return m_nValue; }
  bool HaveAverage() const { return m_bHaveAverage; }
  const std::array<std::uint8_t, 8>& Averages() const { return m_average; }
  const AlignChannel& Channel(int c) const { return m_channels[std::size_t(c)]; }
  // The RX or TX frequency of a channel in MHz (selector 0 RX, 1 TX).
  double Frequency(int c, int selector) const;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void OnCancel() override;
  void OnOK() override;
  void OnItemButton(UINT nID);
  void OnStartItem();
  void OnOkItem();
  void OnCancelItem();
  void OnExit();
  void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
  void OnTimer(UINT_PTR nIDEvent);

  DECLARE_MESSAGE_MAP()

 private:
  // ---- channels ----
  void DecodeBlock(int imageBlock);
  void SelectChannel(int c);  // decode and show, no command
  void StepChannel();
  // ---- the item cycle ----
  void EnterIdle();
  // The item buttons and their groups, which choose the next item.
  void EnableItemChoice(BOOL enable);
  void ShowColumns(bool right);
  void SetupSlider(int value);
  // The right meter, emptied and shown, over 0..m_nMeterMax.
  void ShowRightMeter();
  // The right meter and both columns, the right one under the heading.
  void SetupMeterColumn(const char* heading);
  void SetLeft(int value);
  int SliderValue() const;
  bool StartTransmitItem(int code);
  void StartReceiverItem(int code);
  void StartRxTune();
  void StartVcv(int code);
  void ApplySlider(int value);
  // Ok: 0 back to idle; non-zero leaves the item running.
  bool OkTransmitItem(int code);
  void OkReceiverItem();
  void OkRxTune();
  void CancelItem(int code);
  void WriteWordByte(int word, bool high, std::uint8_t value);
  void LoadValues(int mode);
  // ---- live readings ----
  void StartPoll();
  void StopPoll();
  void ResetAveraging();
  void PollStep();
  // ---- messages ----
  bool Link(int status);  // true when done; else "!! com error !! %d\n"
  void Box(const std::string& text);
  void Show(int id, bool show);
  void SetInt(int id, int value);
  std::uint8_t B(int i) const { return m_run.words[std::size_t(i)]; }
  int ModelCode() const { return m_run.ModelCode(); }
  bool Wide() const { return Channel(m_run.channelIndex).Wide(); }
  std::uint32_t Entry(const AlignValueTable& table, int index) const;

  CComPort& m_port;
  AlignRunState& m_run;
  AlignValueTable m_table1, m_table2;

  std::array<AlignChannel, kAlignChannels> m_channels{};
  int m_nSelector = 0;  // 0 RX, 1 TX
  int m_nItemCode = kAlignNoItem;
  int m_nSliderMax = 0;
  int m_nMeterMax = 0;
  int m_nValue = 0;
  std::uint8_t m_powerAtStart = 0;
  int m_rxWord = 0;
  std::uint8_t m_rxStored = 0;
  std::array<std::uint8_t, 4> m_modulation{};
  CAlignChannelValues m_values;
  // RX tune and its middle point.
  int m_rxTune = 0;
  double m_tunePointFreq = 0;
  int m_tunePointChannel = 0;
  int m_tunePointTune = 0;
  // Live readings.
  bool m_bPolling = false;
  int m_count = 0;
  std::array<std::uint8_t, 8> m_readings{};
  std::array<std::uint16_t, 8> m_sum{};
  std::array<std::uint8_t, 8> m_min{};
  std::array<std::uint8_t, 8> m_max{};
  std::array<std::uint8_t, 8> m_average{};
  bool m_bHaveAverage = false;
};

// The Alignment command: sets the run's continue flag, runs the entry dialog
// and, when the flag is still set afterwards, the alignment window. The port
// is closed when the entry dialog goes, after the alignment window.
void RunAlignment(CComPort& port, AlignRunState& run, int comIndex, CAlignStartDlg::PasswordPrompt askPassword,
                  const AlignValueTable& table1, const AlignValueTable& table2, CWnd* pParent = nullptr);

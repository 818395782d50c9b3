// The alignment items as data, the channel values, the tune rule and the
// procedure texts of the alignment window.
#include <cmath>

#include "link/dialogs/align_dlg.h"

const std::array<AlignItem, 17>& AlignItems() {
  using B = AlignByte;
  static const std::array<AlignItem, 17> items{{
      {kItemPowerHigh, IDC_ITEM_POWER_HIGH, "Power High", 0, 0, 8, B::kLow, false},
      {kItemPowerLowHigh, IDC_ITEM_POWER_LOW_HIGH, "Power Low-High", 1, 1, 7, B::kHigh, false},
      {kItemPowerLowMid, IDC_ITEM_POWER_LOW_MID, "Power Low-Mid", 1, 1, 7, B::kLow, false},
      {kItemMaxDeviation, IDC_ITEM_MAX_DEVIATION, "Maximum deviation", 2, 2, 9, B::kHighWhenWide, false},
      {kItemModBalance, IDC_ITEM_MOD_BALANCE, "Modulation balance", 3, 3, 10, B::kHighWhenWide, false},
      {kItemCtcss, IDC_ITEM_CTCSS, "CTCSS deviation", 4, 10, 11, B::kHigh, false},
      {kItemDcs, IDC_ITEM_DCS, "DCS deviation", 5, 5, 11, B::kLow, false},
      {kItemLtr, IDC_ITEM_LTR, "LTR deviation", 6, 6, 12, B::kHighWhenWide, false},
      {kItemSeqTone, IDC_ITEM_SEQ_TONE, "Sequential tone deviation", 11, 11, 15, B::kLow, false},
      {kItemReference, IDC_ITEM_REFERENCE, "Reference frequency", 12, 12, 15, B::kHigh, false},
      {kItemTightSql, IDC_ITEM_TIGHT_SQL, "Tight Noise SQL", 7, 7, -1, B::kLow, true},
      {kItemThresholdSql, IDC_ITEM_THRESHOLD_SQL, "Threshold Noise SQL", 8, 8, -1, B::kHigh, true},
      {kItemRxTune, IDC_ITEM_RX_TUNE, "RX Tune", 9, 9, -1, B::kLow, true},
      {kItemTightRssi, IDC_ITEM_TIGHT_RSSI, "Tight Noise Squelch RSSI", 14, 14, -1, B::kHigh, true},
      {kItemFullRssi, IDC_ITEM_FULL_RSSI, "S Full Scale RSSI", 15, 15, -1, B::kLow, true},
      {kItemTxVcv, IDC_ITEM_TX_VCV, "TX VCV", 16, 16, 13, B::kLow, true},
      {kItemRxVcv, IDC_ITEM_RX_VCV, "RX VCV", 17, 17, 13, B::kHigh, true},
  }};
  return items;
}

const AlignItem* FindAlignItem(int code) {
  for (const auto& item : AlignItems())
    if (item.code == code) return &item;
  return nullptr;
}

const AlignItem* FindAlignItemByButton(int buttonId) {
  for (const auto& item : AlignItems())
    if (item.buttonId == buttonId) return &item;
  return nullptr;
}

void CAlignChannelValues::Store(const std::uint8_t* w, bool wide) {
  s[0] = wide ? w[19] : w[18];
  s[1] = wide ? w[21] : w[20];
  s[2] = w[23];
  s[3] = w[22];
  s[4] = wide ? w[25] : w[24];
  s[5] = w[30];
  s[6] = w[31];
  s[7] = w[222];
}

void CAlignChannelValues::Load(int mode, int modelCode) {
  t[0] = s[0];
  if (mode == 2) {
    if (modelCode == 11) {
      t[3] = s[2];
    } else {
      t[0] = s[2];
      t[3] = 0;
    }
  }
  t[1] = s[1];
  switch (mode) {
    case 2: t[2] = t[3] = t[4] = s[2]; break;
    case 1: t[2] = 0; t[3] = 0; t[4] = s[2]; break;
    case 0: t[2] = s[3]; t[4] = s[2]; break;
    case 3: t[2] = s[4]; t[3] = 0; t[4] = s[2]; break;
    default: break;
  }
}

int AlignTuneValue(const std::uint8_t* block254, double f, int maximum) {
  const int centre = (block254[0] << 8 | block254[1]) / 10;
  const int slope = f <= centre ? block254[4] : block254[3];
  const double tune = std::trunc(slope * (f - centre) * 0.1 + block254[2]);
  if (tune < 0) return 0;
  if (tune > maximum) return maximum;
  return int(tune);
}

// ---- procedure texts ----

namespace {

const char* kStep2 =
    "Step 2: Press the [Space] key on the keyboard  or click [Start] to activate the transmitter.\r\n";
const char* kStep4 = "Step 4: Press [Enter] or click [OK] to lock in the new data.\r\n";

std::string Steps(const char* channel, const char* adjust, const char* narrow = nullptr) {
  std::string s = std::string("Step 1: Select the Channel ") + channel + ".\r\n";
  s += kStep2;
  s += std::string("Step 3: Press the [UP] or [DOWN] key, as needed, to set ") + adjust + "\r\n";
  s += kStep4;
  if (narrow) {
    s += std::string("Step 5: Select the Channel 2, and set the ") + narrow + " (Narrow), same as Channel 1.\r\n\r\n";
  }
  return s;
}

std::string ReceiverSteps() {
  return "Step 1: Select the Channel 1.\r\n"
         "Step 2: Set your SG output level as follows, and click [Start].\r\n"
         "Step 3: Wait until the level reading settles.\r\n" +
         std::string(kStep4);
}

}  // namespace

std::string AlignProcedureText(int code, int model, std::uint8_t hw) {
  const bool m11 = model == 11;
  const bool bit4 = hw & 0x10;
  const bool uhf = (hw & 0xE0) != 0;
  const char* power = "the power output to the following";
  std::string h, body;
  switch (code) {
    case kItemPowerHigh:
      h = !m11 ? "This parameter is used to align TX High power (5W).\r\n\r\n"
          : bit4 ? "This parameter is used to align TX High power (UHF 45W,  VHF 50W).\r\n\r\n"
                 : "This parameter is used to align TX High power (50W).\r\n\r\n";
      body = Steps("1", power) + (!m11 ? "    Tx Power High:5.0[W](+/-0.1W)"
                                  : bit4 ? "    Tx Power High:UHF 45[W](+/-1.0W), VHF 50W (+/-1.0W)"
                                         : "    Tx Power High:50[W](+/-1.0W)");
      break;
    case kItemPowerLowHigh:
      h = !m11 ? "This parameter is used to align TX Low power (1.0W).\r\n\r\n"
          : bit4 ? "This parameter is used to align TX Low power (10W).\r\n\r\n"
                 : "This parameter is used to align TX Low-High power (25W).\r\n\r\n";
      body = Steps("1", power) + (!m11 ? "    Tx Power Low:1.0[W] (+/-0.1W)"
                                  : bit4 ? "    Tx Power Low:10[W](+/-1.0[W])"
                                         : "    Tx Power Low:25[W](+/-1.0[W])");
      break;
    case kItemPowerLowMid:
      h = !m11 ? "This parameter is used to align TX Low power (1.0W).\r\n\r\n"
          : bit4 ? "This parameter is used to align TX Low power (10W).\r\n\r\n"
                 : "This parameter is used to align TX Low-Mid power (10W).\r\n\r\n";
      body = Steps("1", power) + (!m11 ? "    Tx Power Low:1.0[W] (+/-0.1W)" : "    Tx Power Low:10[W](+/-1.0[W])");
      break;
    case kItemMaxDeviation:
      h = m11 ? "This parameter is used to align the maximum deviation. \r\n\r\n"
              : "This parameter is used to align the maximum deviation.\r\n\r\n";
      body = Steps("1", "the deviation to the following", "maximum deviation");
      if (!m11) body += "    Apply a 2.0kHz, 100mVrms signal to the MIC JACK.\r\n";
      body += "    Reference deviation (Wide)   :4.2[kHz](+/-0.1[kHz])\r\n"
              "    Reference deviation (Narrow):2.1[kHz](+/-0.1[kHz])\r\n\r\n";
      break;
    case kItemModBalance:
      h = "This parameter is used to align the modulation balance.\r\n\r\n";
      if (m11) {
        body = Steps("1", "the modulation balance") +
               "    Apply a 100Hz, 50mVpp signal to pin 1 of J1006, to get the exactly square wave.\r\n";
      } else {
        body = Steps("1", "the deviation to the following", "modulation balance") +
               "    Test Tone Deviation(Wide)   :0.75[kHz](+/-0.1[kHz])\r\n"
               "    Test Tone Deviation(Narrow):0.45[kHz](+/-0.1[kHz])";
      }
      break;
    case kItemCtcss:
      h = "This parameter is used to align the CTCSS deviation.\r\n\r\n";
      body = m11 ? Steps("1", "the deviation to the following") + "    CTCSS Deviation(Wide)   :0.6[kHz](+/-0.1[kHz])"
                 : Steps("1", "the deviation to the following", "CTCSS deviation") +
                       "    CTCSS Deviation(Wide)   :0.75[kHz](+/-0.1[kHz])\r\n"
                       "    CTCSS Deviation(Narrow):0.4[kHz] (+/-0.1[kHz])";
      break;
    case kItemDcs:
      h = m11 ? "This parameter is used to align the DCS deviation.\r\n\r\n"
              : "This parameter is used to align the DCS deviation. \r\n\r\n";
      body = m11 ? Steps("1", "the deviation to the following") +
                       "            DCS Deviation(Wide)  :0.70[kHz](+/-0.1[kHz])\r\n\r\n"
                       "[Note]\r\nThe actual deviation is about 20% higher (0.84kHz).\r\n"
                 : Steps("1", "the deviation to the following", "DCS deviation") +
                       "            DCS Deviation(Wide)  :0.60[kHz](+/-0.1[kHz])\r\n"
                       "            DCS Deviation(Narrow):0.45[kHz](+/-0.1[kHz])\r\n\r\n"
                       "[Note]\r\nThe actual deviation is about 0.70kHz (Wide) and 0.55kHz (Narrow).\r\n";
      break;
    case kItemLtr:
      h = m11 ? "This parameter is used to align the LTR deviation.\r\n\r\n"
              : "This parameter is used to align the LTR deviation. \r\n\r\n";
      body = Steps("1", "the deviation to the following", "LTR deviation") +
             (m11 ? "            LTR Deviation(Wide)  :1.00[kHz](+/-0.1[kHz])\r\n"
                    "            LTR Deviation(Narrow):0.65[kHz](+/-0.1[kHz])\r\n\r\n"
                    "[Note]\r\nThe actual deviation is about 1.20kHz (Wide) and 0.78kHz (Narrow).\r\n"
                  : "            LTR Deviation(Wide)  :0.9[kHz](+/-0.1[kHz])\r\n"
                    "            LTR Deviation(Narrow):0.6[kHz](+/-0.1[kHz])\r\n\r\n"
                    "[Note]\r\nThe actual deviation is about 1.0kHz (Wide) and 0.7kHz (Narrow).\r\n");
      break;
    case kItemSeqTone:
      h = "This parameter is used to align the Sequential Tone Deviation.\r\n\r\n";
      body = Steps("1", "the deviation to the following") +
             "            Sequntial Tone Deviation :3.0[kHz](+/-0.1[kHz])";
      break;
    case kItemReference:
      h = "This parameter is used to align Reference Frequency.\r\n\r\n";
      body = Steps("1", "the frequency to the following") +
             "    Within 50Hz of the channel frequency on the frequency counter.";
      break;
    case kItemTightSql:
      h = "This parameter is used to align the noise level in squelch Tight.\r\n\r\n";
      body = ReceiverSteps() + (m11 ? "            +1dBuV\r\n" : "            -4dBuV\r\n");
      break;
    case kItemThresholdSql:
      h = "This parameter is used to align the noise level in squelch Threshold.\r\n\r\n";
      body = ReceiverSteps() +
             (!m11 ? "            -11dBuV\r\n" : uhf ? "            -8dBuV\r\n" : "            -8.5dBuV\r\n");
      break;
    case kItemRxTune:
      h = "This parameter is used to align RX Tune.\r\n\r\n";
      body = ReceiverSteps() + "            -6dBuV\r\n";
      break;
    case kItemTightRssi:
      h = "This parameter is used to align Tight Noise Squelch RSSI.\r\n\r\n";
      body = ReceiverSteps() + (uhf ? "            +4dBuV\r\n" : "            +3dBuV\r\n");
      break;
    case kItemFullRssi:
      h = "This parameter is used to align Tight Noise Squelch RSSI.\r\n\r\n";
      body = ReceiverSteps() + "            +15dBuV\r\n";
      break;
    case kItemTxVcv:
    case kItemRxVcv:
      h = code == kItemTxVcv ? "This parameter is used to align TX VCV.\r\n\r\n"
                             : "This parameter is used to align RX VCV.\r\n\r\n";
      body = "Step 1: Select the Channel 4.\r\n"
             "Step 2: Click [Start].\r\n"
             "Step 3: Press the [UP] or [DOWN] key, as needed, to set the VCV Level reading to 165 (+/-3).\r\n" +
             std::string(kStep4);
      break;
    default: return {};
  }
  return h + body;
}

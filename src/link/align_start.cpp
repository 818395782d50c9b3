#include "link/align_start.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr unsigned kWordReplyMs = 100;  // each byte of a word or block read's reply
constexpr unsigned kReadDrainMs = 100;  // the drain between tries of a read
constexpr int kReadTries = 6;
constexpr int kEndCancel = 2;  // IDCANCEL: the entry dialog ends without an alignment window

std::string Format(const char* format, int value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// The radio's password, image bytes 34..41: up to eight characters, ended by a zero byte.
std::string RadioPassword(const std::uint8_t* words) {
  const char* p = reinterpret_cast<const char*>(words + img::kPassword);
  return std::string(p, std::find(p, p + 8, '\0'));
}

}  // namespace

AlignStepTable DecodeStepTable(const std::uint8_t* block2) {
  static constexpr std::int32_t kSteps[4][4] = {
      {500, 625, 0, 0}, {500, 625, 250, 0}, {500, 625, 250, 125}, {1000, 1250, 0, 0}};
  AlignStepTable table;
  const int select = block2[0] >> 6;
  for (int k = 0; k < 4; ++k) {
    const std::uint8_t hi = block2[69 + 2 * k];
    const std::uint8_t lo = block2[70 + 2 * k];
    const std::int32_t magnitude = (hi & 0x7F) * 256 + lo;
    table[std::size_t(k)] = {kSteps[select][k], (hi & 0x80) ? -magnitude : magnitude};
  }
  return table;
}

AlignRunState& TheAlignRun() {
  static AlignRunState run;
  return run;
}

std::string AlignWelcomeText(std::uint8_t hardwareByte) {
  std::string text =
      "Welcome to the radio alignment software.  Before performing the radio alignment,\r\n"
      "please preset the following frequencies to this radio.\r\n\r\n"
      " CH01       CH02       CH03       CH04\r\n"
      "Wide       Narrow     Wide       Wide\r\n";
  if (hardwareByte == 1) text += "154.100   154.100   134.100   173.900";
  if (hardwareByte == 97) text += "481.100   481.100   450.100   511.900";
  return text;
}

// ---- the link's reads ----

int CAlignStart::ReadWords(CComPort& port, int first, int last, std::uint8_t* words) {
  last = std::min(last, kAlignWordCount - 1);  // the buffer holds words 0..127
  for (int i = std::max(first, 0); i <= last; ++i) {
    const auto index = std::uint8_t(i);
    std::uint8_t answer[2];
    const int st = AlignExchange(port, CMD_READ_WORD, 2, &index, 3, answer, kWordReplyMs, kReadTries, kReadDrainMs);
    if (st != kAlignDone) return st;
    words[2 * i] = answer[1];
    words[2 * i + 1] = answer[0];
  }
  return kAlignDone;
}

int CAlignStart::ReadBlock(CComPort& port, std::uint8_t wireBlock, std::uint8_t* out) {
  return AlignExchange(port, CMD_READ_BLOCK, 2, &wireBlock, 0x81, out, kWordReplyMs, kReadTries, kReadDrainMs);
}

// ---- the entry dialog ----

CAlignStart::CAlignStart(CComPort& port, AlignRunState& run, IAlignStartUi& ui, int comIndex)
    : m_port(port), m_run(run), m_ui(ui), m_comIndex(comIndex) {
  m_run.portOpen = 0;
  // Nothing of an earlier run may be taken for this radio's data, nor written back to it.
  std::fill(m_run.image.begin(), m_run.image.end(), 0xFF);
  m_run.blockLoaded.fill(0);
  m_run.blockChanged.fill(0);
}

CAlignStart::~CAlignStart() { m_port.ClosePort(); }

void CAlignStart::Box(const char* format, int status) { m_ui.MessageBox(Format(format, status), std::string()); }

int CAlignStart::WaitRadioReady() {
  m_userAborted = false;
  for (;;) {
    std::uint8_t b = 0;
    const int st = m_port.ReadByteCancelable(m_ui, b);
    if (st == kCommTimeout) {  // Esc
      m_userAborted = true;
      return 1;
    }
    if (st != kCommDone) return st;
    if (b == NAK) return kAlignBadReply;
    if (b != RADIO_READY) continue;
    const int written = AlignWriteByte(m_port, kAlignModeByte, 100);
    if (written != kAlignDone) return written;
    std::uint8_t echo = 0;
    AlignReadByte(m_port, echo, 100);
    m_port.Sleep(1500);
    return kAlignDone;
  }
}

bool CAlignStart::AskRadioPassword(const std::string& radioPassword) {
  const auto typed = m_ui.AskRadioPassword();
  if (!typed) return false;
  return std::string(typed->c_str()) == radioPassword;  // compared as texts up to their ends
}

int CAlignStart::EnterAlignmentMode() {
  if (!m_run.portOpen) {
    if (m_port.OpenComPort(m_comIndex, m_ui) != 1) {
      m_ui.MessageBox("Problem with COM port", std::string());
      return 2;
    }
    m_run.portOpen = 1;
  }
  m_ui.SetLineText(AlignLine::Heading, "A L I G N M E N T");
  m_ui.SetLineText(AlignLine::Line1, "switch radio OFF, then");
  m_ui.SetLineText(AlignLine::Line2, "back ON to start Aignment");
  m_ui.SetLineText(AlignLine::Line3, "");

  int st = WaitRadioReady();
  if (st == 1 && m_userAborted) return 1;
  if (st != kAlignDone) {
    Box("alignment mode error %d\r\n", st);
    return st;
  }

  auto& words = m_run.words;
  words.fill(0xFF);
  st = ReadWords(m_port, 16, 16, words.data());
  if (st == kAlignDone) st = ReadWords(m_port, 124, 124, words.data());
  if (st != kAlignDone) {
    Box("special upload error %d\r\n", st);
    return st;
  }
  if ((words[img::kSystemType] & 0x70) != 0x20) {
    m_ui.MessageBox("Production mismatched\r\n", std::string());
    return kAlignRefused;
  }
  st = ReadWords(m_port, 17, 20, words.data());
  if (st != kAlignDone) {
    Box("special upload error %d\r\n", st);
    return st;
  }
  // The program's radio-password buffer is never filled, so any radio with a
  // password is asked for it.
  const std::string password = RadioPassword(words.data());
  if (!password.empty() && !AskRadioPassword(password)) {
    m_ui.MessageBeep();
    m_ui.MessageBox("Password mismatched!", std::string());
    return kAlignRefused;
  }

  if (!m_ui.RunWelcomeDialog(AlignWelcomeText(m_run.HardwareByte()))) m_run.continueFlag = 0;
  if (m_run.continueFlag != 1) {
    m_ui.EndDialog(kEndCancel);
    return kAlignDone;
  }
  st = UploadAlignmentData();
  if (st == kAlignDone) {
    m_ui.ShowOk(true);
  } else if (st == kAlignTimeout) {
    m_run.continueFlag = 0;
    m_ui.EndDialog(kEndCancel);
  }
  // Any other failure leaves the dialog open for the user to read and leave with Esc.
  return kAlignDone;
}

void CAlignStart::MarkLoaded(int imageBlock) {
  m_run.blockLoaded[std::size_t(imageBlock)] = 1;
  m_run.blockChanged[std::size_t(imageBlock)] = 0;
}

int CAlignStart::UploadBlock(int imageBlock, const char* errorFormat) {
  if (m_ui.CheckUserAbort() == 1) {
    m_ui.MessageBox("\r\nUpload is aborted. Press any key", std::string());
    m_run.continueFlag = 0;
    return kAlignAborted;
  }
  const int percent = 100 * (imageBlock + 1) / 255;
  m_ui.SetLineText(AlignLine::Line2, Format("%d%% complete  ", percent));
  m_ui.SetProgressPos(percent);
  const int st = ReadBlock(m_port, std::uint8_t(imageBlock - kWireBlockOffset), m_run.Block(imageBlock));
  if (st != kAlignDone) {
    Box(errorFormat, st);
    return st;
  }
  MarkLoaded(imageBlock);
  return kAlignDone;
}

int CAlignStart::UploadAlignmentData() {
  m_ui.SetLineText(AlignLine::Line1, "Now uploading alignment data. Wait...\r\n");
  m_ui.SetLineText(AlignLine::Line2, "0% complete  ");
  m_ui.SetProgressRange(0, 255);
  m_ui.SetProgressPos(0);
  auto& words = m_run.words;
  words.fill(0xFF);

  int st = ReadWords(m_port, 0, kAlignWordCount - 1, words.data());
  if (st != kAlignDone) {
    Box("special upload error %d\r\n", st);
    return st;
  }
  for (int b = 2; b <= 5; ++b) {
    st = UploadBlock(b, "special upload error %d\r\n");
    if (st != kAlignDone) return st;
  }

  int limit = words[252];  // word 126 low byte
  if (limit > kAlignMaxChannelBlock) limit = kAlignMaxChannelBlock;
  m_run.channelBlockLimit = limit;
  m_ui.SetProgressRange(0, limit);
  for (int b = kAlignFirstChannelBlock; b <= limit; ++b) {
    st = UploadBlock(b, "special upload error %04x\r\n");
    if (st != kAlignDone) return st;
  }

  st = ReadBlock(m_port, 254 - kWireBlockOffset, m_run.Block(254));
  if (st != kAlignDone) {
    Box("special upload error %04x\r\n", st);
    return st;
  }
  MarkLoaded(254);
  for (int b = 255; b <= 256; ++b) {
    st = UploadBlock(b, "special upload error %04x\r\n");
    if (st != kAlignDone) return st;
  }

  m_run.steps = DecodeStepTable(m_run.Block(2));
  m_ui.SetLineText(AlignLine::Line2, "100% complete  ");
  m_ui.SetProgressPos(limit);
  AlignSendRecordSum(m_port, m_ui, words.data());  // shows its own message; the upload goes on

  m_run.channelIndex = 0;
  st = AlignSetValue(m_port, 0);
  if (st != kAlignDone) {
    Box("channel change error %d\r\n", st);
    return st;
  }
  m_ui.FocusOk();
  return kAlignDone;
}

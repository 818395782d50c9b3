#include "link/block_push.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "link/clone_protocol.h"
#include "model/conversions.h"

const std::array<std::uint8_t, 112> kFirmwarePatch = {
    0x05, 0x14, 0x85, 0x8A, 0x8A, 0x85, 0x90, 0x93, 0x25, 0x81, 0x14, 0x05, 0xC8, 0x84, 0x88, 0x86,
    0x87, 0x8D, 0x8F, 0x1F, 0x81, 0x0E, 0x05, 0xE6, 0x83, 0x86, 0x07, 0x87, 0x8A, 0x8B, 0x16, 0x81,
    0x0B, 0x06, 0x04, 0x82, 0x84, 0x07, 0x85, 0x86, 0x87, 0x0D, 0x81, 0x08, 0x06, 0x22, 0x81, 0x82,
    0x05, 0x83, 0x83, 0x83, 0x06, 0x81, 0x02, 0x06, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x06, 0x5E, 0x01, 0x04, 0x86, 0x03, 0x04, 0x03, 0x8D, 0x00, 0x00, 0x06, 0x7C, 0x02,
    0x0A, 0x8A, 0x05, 0x06, 0x05, 0x93, 0x00, 0x00, 0x06, 0x9A, 0x03, 0x12, 0x8C, 0x06, 0x08, 0x07,
    0x9B, 0x00, 0x04, 0x06, 0xB8, 0x05, 0x19, 0x88, 0x08, 0x0A, 0x08, 0xA1, 0x00, 0x0A, 0x07, 0x08,
};

namespace {

constexpr int kBadLimit = 9;             // bad frames (or answers) in a row that are borne
constexpr int kFirmwareRetries = 9;      // further tries of the firmware read and of the patch
constexpr int kRestartTimeouts = 6;      // further restart requests after a silent one
constexpr int kAnswerReads = 10;         // bytes read for one answer
constexpr int kEchoesOfBlock = 132;      // command, length, block number, 128 data, sum
constexpr int kPatchAnswerReads = 3;
constexpr std::uint32_t kDefaultFlashStart = 0x38000;
constexpr std::uint8_t kRestartFrame[3] = {0x38, 0x01, 0x39};  // command 0x38 with no data, and its sum
constexpr std::uint8_t kFirmwareAnswerLength = 0x81;
constexpr const char* kReceiveBlock = "Receive block %i / %i";
constexpr const char* kSendBlock = "Send block %i / %i";
constexpr const char* kCommunicationError = "Communication Error";
constexpr const char* kNoResponse = " No response from radio ";

std::uint8_t Sum(const std::uint8_t* bytes, std::size_t n, unsigned start = 0) {
  for (std::size_t i = 0; i < n; ++i) start += bytes[i];
  return std::uint8_t(start);
}

class BlockPushRead {
 public:
  BlockPushRead(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model)
      : m_s{port, ui, settings}, m_model(model), m_scratch(model, ScratchImage::kErased) {}

  int Run() {
    const int count = m_s.settings.blockCount;
    for (;;) {
      std::uint8_t start = 0;
      if (int r = AwaitFrameStart(start); r != kTransferDone) return r;
      Frame frame;
      if (!ReceiveFrame(start, frame)) return m_s.FailLine(kCommunicationError);

      if (m_first) {
        m_s.ui.SetMessageLine1("Please wait");
        m_first = false;
      }
      if (frame.haveBlock) {
        m_s.BlockLine(kReceiveBlock, frame.block, count);
        m_s.ui.SetProgressPos(frame.block);
      }
      m_s.Sleep(55);

      if (!frame.good) {
        if (++m_bad > kBadLimit) return m_s.FailLine(" Upload Error!");
        m_s.port.CommWriteByte(NAK);  // the radio pushes the block again
        continue;
      }
      m_bad = 0;
      Store(frame);
      m_s.port.CommWriteByte(ACK);
      if (frame.block + 1 >= count) break;
    }

    m_s.BlockLine(kReceiveBlock, count, count);
    m_s.ui.SetProgressPos(count);
    m_s.Sleep(2000);
    m_s.ui.MessageBeep();
    // The read is complete: only now do image, tail and model change.
    m_scratch.CommitTo(m_model);
    m_model.UnpackImage(m_model.image.data(), m_scratch.received);
    g_bModified = 0;
    return kTransferDone;
  }

 private:
  struct Frame {
    std::uint8_t start = 0;
    int block = 0;
    bool haveBlock = false;
    bool good = false;
    std::uint8_t data[kBlockSize] = {};
  };

  // Waits for the first byte of a pushed frame. Until the first frame has
  // come, the radio is asked to push before each wait; the echo of that
  // request is not a reason to ask again, so a silent radio leads to the
  // power cycle instead of an endless exchange with the cable.
  int AwaitFrameStart(std::uint8_t& start) {
    bool ask = true;
    for (;;) {
      if (m_s.ui.CheckUserAbort()) return kTransferAborted;
      if (m_first && ask && !m_s.port.CommWriteByte(kPushRequestByte)) return m_s.LeadError();
      std::uint8_t b = 0;
      const int st = m_s.port.CommReadByteLong(b);
      if (st == kCommDone && IsPushFrameStart(b)) {
        start = b;
        return kTransferDone;
      }
      if (st == kCommTimeout) return Restart(start);
      if (st == kCommError && ++m_bad > kBadLimit) return m_s.FailLine(" Upload Error!");
      ask = !(st == kCommDone && b == kPushRequestByte);
    }
  }

  // The radio fell silent: the user switches it off and on, and it is told to
  // push from the start.
  int Restart(std::uint8_t& start) {
    m_s.Lines("Switch radio OFF, then", "back ON to start uploading");
    const int ready = WaitRadioReady(m_s.port, m_s.ui);
    if (ready == kCommTimeout) return kTransferAborted;  // Esc
    if (ready != kCommDone) return m_s.LeadError();
    std::uint8_t echo = 0;
    m_s.Sleep(50);
    if (!m_s.port.CommWriteByte(kPushCloneByte)) return m_s.LeadError();
    m_s.port.CommReadByte(echo);
    m_s.Lines("", "");
    m_s.Sleep(330);
    if (!m_s.port.CommWriteByte(kPushRequestByte)) return m_s.LeadError();
    m_s.port.CommReadByte(echo);
    m_bad = 0;
    for (;;) {
      if (m_s.ui.CheckUserAbort()) return kTransferAborted;
      std::uint8_t b = 0;
      const int st = m_s.port.CommReadByte(b);
      if (st == kCommDone && IsPushFrameStart(b)) {
        start = b;
        return kTransferDone;
      }
      if (st == kCommDone) continue;  // an echo
      if (++m_bad > kBadLimit) return m_s.FailLine(" Upload Error");
      if (st == kCommTimeout) m_s.port.CommWriteByte(NAK);
    }
  }

  // The rest of a frame after its start byte. False for a length byte other
  // than 0x82 (a protocol error); otherwise frame.good tells whether the frame
  // came whole with the right sum.
  bool ReceiveFrame(std::uint8_t start, Frame& frame) {
    frame.start = start;
    std::uint8_t length = 0;
    if (m_s.port.CommReadByte(length) != kCommDone) return true;
    if (length != kPushFrameLength) return false;
    std::uint8_t block = 0;
    if (m_s.port.CommReadByte(block) != kCommDone) return true;
    frame.block = block;
    frame.haveBlock = true;
    for (std::uint8_t& b : frame.data)
      if (m_s.port.CommReadByte(b) != kCommDone) return true;
    std::uint8_t sum = 0;
    if (m_s.port.CommReadByte(sum) != kCommDone) return true;
    frame.good = sum == Sum(frame.data, kBlockSize, unsigned(start) + length + block);
    return true;
  }

  void Store(const Frame& frame) {
    const TransferSettings& cfg = m_s.settings;
    std::uint8_t* to = &m_scratch.image[std::size_t(frame.block) * kBlockSize];  // a byte's block fits the image
    if (frame.block == cfg.blockCount - 1 && frame.block > cfg.eepromSizeCode) {
      std::memcpy(m_scratch.tail.data(), frame.data, kBlockSize);
      return;
    }
    if (frame.block <= cfg.eepromSizeCode) SwapWordBytes(frame.data, to);
    else std::memcpy(to, frame.data, kBlockSize);
    m_scratch.received.set(std::size_t(frame.block));
  }

  TransferSession m_s;
  CEditModel& m_model;
  ScratchImage m_scratch;             // the pushed blocks as they arrive
  bool m_first = true;                // no frame has come yet
  int m_bad = 0;                      // bad frames or silent waits in a row
};

class BlockPushSend {
 public:
  BlockPushSend(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model, int start,
                int total)
      : m_s{port, ui, settings},
        m_model(model),
        m_scratch(model, ScratchImage::kCopy),
        m_start(start),
        m_total(std::min(total, settings.blockCount)) {
    if (m_total != total) ui.SetProgressRange(0, m_total);
  }

  int Run() {
    const TransferSettings& cfg = m_s.settings;
    if (!cfg.romEditorTransfer && !m_model.PackImage(m_image.data())) return kTransferFailed;
    StoreBlockPushChecksum(m_image.data(), cfg.flashStart);
    m_command = cfg.modeM ? kPushSendCommandModeM : kPushSendCommand;

    if (m_s.port.CommWriteByte(kPushReceiveByte)) {
      std::uint8_t echo = 0;
      m_s.port.CommReadByteLong(echo);
    } else if (int r = Restart(); r != kTransferDone) {
      return r;
    }

    if (int r = SendBlocks(); r != kTransferDone) return r;
    m_s.BlockLine(kSendBlock, m_total, m_total);
    m_s.ui.MessageBeep();
    m_s.ui.SetProgressPos(m_total);
    m_s.Sleep(2000);
    m_scratch.CommitTo(m_model);
    return kTransferDone;
  }

 private:
  void PleaseWait() {
    m_s.Lines("Please wait", "");
    m_s.Sleep(55);
  }

  bool WriteByte(std::uint8_t b) { return m_s.port.CommWriteByte(b) != 0; }
  // Reads up to n echoes of bytes written before; a missing one ends the reading.
  void ReadEchoes(int n) {
    std::uint8_t echo = 0;
    for (int i = 0; i < n; ++i)
      if (m_s.port.CommReadByteLong(echo) != kCommDone) return;
  }

  // Block b as it goes over the line; the last block of the memory is the tail's first.
  void WireData(int b, std::uint8_t* out) const {
    const TransferSettings& cfg = m_s.settings;
    if (b <= cfg.eepromSizeCode) {
      SwapWordBytes(&m_image[std::size_t(b) * kBlockSize], out);
    } else if (b == cfg.blockCount - 1) {
      std::memcpy(out, m_scratch.tail.data(), kBlockSize);
    } else {
      std::memcpy(out, &m_image[std::size_t(b) * kBlockSize], kBlockSize);
    }
  }

  bool SendBlock(int b) {
    std::uint8_t data[kBlockSize];
    WireData(b, data);
    const std::uint8_t head[3] = {m_command, kPushFrameLength, std::uint8_t(b)};
    for (std::uint8_t x : head)
      if (!WriteByte(x)) return false;
    for (std::uint8_t x : data)
      if (!WriteByte(x)) return false;
    m_s.Sleep(55);
    return WriteByte(Sum(data, kBlockSize, Sum(head, 3)));
  }

  int SendBlocks() {
    const int total = m_total;
    PleaseWait();
    int bad = 0;
    for (int b = m_start; b < total;) {
      m_s.BlockLine(kSendBlock, b, total);
      m_s.ui.SetProgressPos(b);
      m_s.Sleep(55);
      if (!SendBlock(b)) return m_s.FailLine(kCommunicationError);
      ReadEchoes(kEchoesOfBlock);

      // The answer: ACK or NAK among the next ten bytes; others are passed over.
      int answer = -1;
      for (int i = 0; i < kAnswerReads && answer < 0; ++i) {
        std::uint8_t r = 0;
        const int st = m_s.port.ReadByteCancelable(m_s.ui, r);
        if (st == kCommTimeout) return kTransferFailed;  // Esc: the dialog closes
        if (st == kCommError) return m_s.FailLine(kNoResponse);
        if (r == ACK || r == NAK) answer = r;
      }
      if (answer == ACK) {
        bad = 0;
        ++b;
        continue;
      }
      // NAK, or ten bytes that were no answer: the same block again. Both
      // count, so a radio that refuses a block for ever ends the send.
      if (++bad > kBadLimit) return m_s.FailLine(kNoResponse);
      PleaseWait();
    }
    return kTransferDone;
  }

  // The radio could not be told to receive: the user switches it off and on;
  // a VHF radio has its firmware checked; then the blocks start again at 0.
  int Restart() {
    m_s.ui.MessageBeep();
    m_s.Lines("Switch radio OFF, then", "back ON to start downloading");
    const int ready = WaitRadioReady(m_s.port, m_s.ui);
    if (ready == kCommTimeout) return kTransferAborted;  // Esc
    if (ready != kCommDone) return m_s.LeadError();
    if (m_model.global.bandFlag != kUhfBandFlag) {
      if (int r = FirmwareStep(); r != kTransferDone) return r;
    }
    m_s.Sleep(50);
    if (!WriteByte(kPushCloneByte)) return m_s.LeadError();
    ReadEchoes(1);
    m_s.Sleep(1500);
    if (!WriteByte(kPushReceiveByte)) return m_s.LeadError();
    ReadEchoes(1);
    m_start = 0;
    return kTransferDone;
  }

  enum class Answer { kGood, kRetry, kProtocolError };

  // The radio's answer to the firmware block request: F2 81 <128 bytes> sum.
  Answer ReadFirmwareAnswer(std::uint8_t* data) {
    std::uint8_t b = 0;
    if (m_s.port.CommReadByteLong(b) != kCommDone || b != CMD_READ_BLOCK) return Answer::kRetry;
    if (m_s.port.CommReadByte(b) != kCommDone) return Answer::kRetry;
    if (b != kFirmwareAnswerLength) return Answer::kProtocolError;
    for (std::size_t i = 0; i < kBlockSize; ++i)
      if (m_s.port.CommReadByte(data[i]) != kCommDone) return Answer::kRetry;
    std::uint8_t sum = 0;
    if (m_s.port.CommReadByte(sum) != kCommDone) return Answer::kRetry;
    m_s.Sleep(55);
    return sum == Sum(data, kBlockSize, CMD_READ_BLOCK + kFirmwareAnswerLength) ? Answer::kGood : Answer::kRetry;
  }

  int FirmwareStep() {
    m_s.Sleep(50);
    if (!WriteByte(kFirmwareModeByte)) return m_s.LeadError();
    ReadEchoes(1);
    m_s.Lines("Please wait", "");
    m_s.Sleep(1800);
    m_s.Sleep(100);

    // Read the firmware block: a CMD_READ_BLOCK request with its sum.
    const std::uint8_t request[4] = {CMD_READ_BLOCK, 0x02, kFirmwareBlock,
                                     std::uint8_t(CMD_READ_BLOCK + 0x02 + kFirmwareBlock)};
    std::uint8_t block[kBlockSize];
    for (int tries = 0;;) {
      for (std::size_t i = 0; i < sizeof request; ++i) {
        if (i) m_s.Sleep(20);
        if (!WriteByte(request[i])) return m_s.FailLine(kCommunicationError);
        ReadEchoes(1);
      }
      const Answer answer = ReadFirmwareAnswer(block);
      if (answer == Answer::kGood) break;
      if (answer == Answer::kProtocolError || ++tries > kFirmwareRetries) return m_s.FailLine(kCommunicationError);
      m_s.Sleep(100);
      m_s.port.DrainInput(50, 1000);  // the rest of a bad answer is not the next one's
    }

    if (block[kFirmwarePatchOffset] == 0x05 && block[kFirmwarePatchOffset + 1] == 0x3C) {
      std::copy(kFirmwarePatch.begin(), kFirmwarePatch.end(), block + kFirmwarePatchOffset);
      if (int r = WritePatch(block); r != kTransferDone) return r;
    }
    return RestartRadio();
  }

  // Writes the patched firmware block back, 20 ms between the bytes, until the
  // radio takes it. The cable's echoes are read first; then ACK ends the step,
  // NAK writes it again, and silence or other bytes are taken as done, as the
  // radio's own answer is not known.
  int WritePatch(const std::uint8_t* block) {
    std::vector<std::uint8_t> frame = {CMD_WRITE_BLOCK, kPushFrameLength, kFirmwareBlock};
    frame.insert(frame.end(), block, block + kBlockSize);
    const std::uint8_t sum = Sum(frame.data(), frame.size());
    for (int naks = 0;;) {
      m_s.Sleep(200);
      for (std::size_t i = 0; i < frame.size(); ++i) {
        if (i) m_s.Sleep(20);
        if (!WriteByte(frame[i])) return m_s.FailLine(kCommunicationError);
      }
      m_s.Sleep(50);
      if (!WriteByte(sum)) return m_s.FailLine(kCommunicationError);
      ReadEchoes(int(frame.size()) + 1);

      bool nak = false;
      for (int i = 0; i < kPatchAnswerReads; ++i) {
        std::uint8_t r = 0;
        const int st = m_s.port.CommReadByte(r);
        if (st == kCommError) return m_s.FailLine(kNoResponse);
        if (st == kCommTimeout || r == ACK) return kTransferDone;
        if (r == NAK) {
          nak = true;
          break;
        }
      }
      if (!nak) return kTransferDone;
      if (++naks > kFirmwareRetries) return m_s.FailLine(kNoResponse);
    }
  }

  // Makes the radio restart and waits for its RADIO_READY.
  int RestartRadio() {
    for (int timeouts = 0;;) {
      m_s.Sleep(200);
      for (std::size_t i = 0; i < sizeof kRestartFrame; ++i) {
        if (i) m_s.Sleep(20);
        if (!WriteByte(kRestartFrame[i])) return m_s.FailLine(kCommunicationError);
      }
      ReadEchoes(int(sizeof kRestartFrame));
      int st = kCommDone;
      for (int i = 0; i < kAnswerReads; ++i) {
        std::uint8_t r = 0;
        st = m_s.port.CommReadByteLong(r);
        if (st == kCommDone && r == RADIO_READY) return kTransferDone;
        if (st != kCommDone) break;
      }
      if (st == kCommError) return m_s.LeadError();
      if (++timeouts > kRestartTimeouts) return m_s.FailLine(kCommunicationError);
    }
  }

  TransferSession m_s;
  CEditModel& m_model;
  ScratchImage m_scratch;                               // the image as it is packed and sent
  std::vector<std::uint8_t>& m_image = m_scratch.image;
  int m_start;                        // s
  int m_total;
  std::uint8_t m_command = kPushSendCommand;
};

}  // namespace

void SwapWordBytes(const std::uint8_t* from, std::uint8_t* to) {
  for (std::size_t i = 0; i + 1 < kBlockSize; i += 2) {
    const std::uint8_t low = from[i];
    to[i] = from[i + 1];
    to[i + 1] = low;
  }
}

void StoreBlockPushChecksum(std::uint8_t* image, std::uint32_t flashStart) {
  const std::size_t k = flashStart == kDefaultFlashStart ? 14 : 12;
  std::uint16_t sum = 0;
  for (std::size_t i = 4; i <= 2 * k + 1; ++i) sum = std::uint16_t(sum + image[i]);
  image[2] = std::uint8_t(sum);
  image[3] = std::uint8_t(sum >> 8);
}

int ReadFromRadioBlockPush(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model) {
  BlockPushRead read(port, ui, settings, model);
  return read.Run();
}

int SendToRadioBlockPush(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model,
                         int startBlock, int total) {
  BlockPushSend send(port, ui, settings, model, startBlock, total);
  return send.Run();
}

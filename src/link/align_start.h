// Start of a factory alignment run: the handshake that brings the radio into
// alignment mode, the production and password checks, and the upload of the
// radio's alignment data into the buffers the alignment window works on.
//
// CAlignStart is the logic of the entry dialog CAlignStartDlg (IDD 105); the
// dialog derives from it (or holds it) and implements IAlignStartUi. It runs
// EnterAlignmentMode from its first timer tick and posts WM_CLOSE when that
// returns non-zero. The run's state (AlignRunState) outlives both alignment
// dialogs' conversations; the port stays open until the entry dialog is gone.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/align_link.h"
#include "model/image.h"

inline constexpr int kAlignImageBlocks = 257;
inline constexpr int kAlignFirstChannelBlock = 57;  // channel c lies in image block 57 + c / 5
inline constexpr int kAlignMaxChannelBlock = 184;

// One entry of the step table: a synthesizer step in 10 Hz units and a signed offset.
struct AlignStep {
  std::int32_t step = 0;
  std::int32_t offset = 0;
  bool operator==(const AlignStep&) const = default;
};
using AlignStepTable = std::array<AlignStep, 4>;

// The step table of image block 2: the top two bits of its first byte choose
// the steps, bytes 69..76 hold the four offsets (sign and 15-bit magnitude,
// high byte first).
AlignStepTable DecodeStepTable(const std::uint8_t* block2);

// What an alignment run keeps between the entry dialog and the alignment window.
struct AlignRunState {
  // 1 while the run goes on; Cancel in either dialog and an aborted upload clear it.
  int continueFlag = 0;
  // 1 once the entry dialog has opened the port (it is opened once per run).
  int portOpen = 0;
  // The radio's words 0..127, word i at bytes 2i (low) and 2i + 1 (high).
  std::array<std::uint8_t, kAlignWordBytes> words{};
  // The radio's memory as far as uploaded (257 blocks; image block b is wire block b - 2).
  std::vector<std::uint8_t> image = std::vector<std::uint8_t>(kImageSize, 0xFF);
  // Per image block: uploaded, and changed since (to be written back).
  std::array<int, kAlignImageBlocks> blockLoaded{};
  std::array<int, kAlignImageBlocks> blockChanged{};
  // The last channel block the radio uses (low byte of word 126, at most 184).
  int channelBlockLimit = 0;
  // The current alignment channel, 0..249.
  int channelIndex = 0;
  AlignStepTable steps{};

  std::uint8_t* Block(int b) { return image.data() + std::size_t(b) * kBlockSize; }
  const std::uint8_t* Block(int b) const { return image.data() + std::size_t(b) * kBlockSize; }
  std::uint8_t HardwareByte() const { return words[32]; }  // 1 VHF, 97 UHF
  std::uint8_t ModelCode() const { return words[3]; }      // word 1 high byte
};

// The program's alignment run.
AlignRunState& TheAlignRun();

// The text lines of the entry dialog.
enum class AlignLine { Heading, Line1, Line2, Line3 };

// What the entry dialog offers the start of the run. CheckUserAbort and
// MessageBox come from ILinkDialog; a MessageBox with an empty caption carries
// the program's title.
class IAlignStartUi : public ILinkDialog {
 public:
  virtual void SetLineText(AlignLine line, const std::string& text) = 0;  // drawn at once
  virtual void ShowOk(bool show) = 0;
  virtual void FocusOk() = 0;
  virtual void SetProgressRange(int low, int high) = 0;
  virtual void SetProgressPos(int pos) = 0;
  virtual void MessageBeep() = 0;
  virtual void EndDialog(int result) = 0;
  // CRadioPasswordDlg, run modally: the password text after OK (blank-padded
  // to eight characters once something was typed), nothing after Cancel.
  virtual std::optional<std::string> AskRadioPassword() = 0;
  // CAlignWelcomeDlg with this text, run modally: true when it ended with
  // Start, false with Cancel.
  virtual bool RunWelcomeDialog(const std::string& text) = 0;
};

// The welcome dialog's text for a radio with this hardware byte.
std::string AlignWelcomeText(std::uint8_t hardwareByte);

class CAlignStart {
 public:
  // Clears the run's port-open flag and block flags and fills its image with
  // 0xFF. comIndex is the configured COM index.
  CAlignStart(CComPort& port, AlignRunState& run, IAlignStartUi& ui, int comIndex);
  // Closes the port (DTR off, purge, close) when it is open.
  ~CAlignStart();
  CAlignStart(const CAlignStart&) = delete;
  CAlignStart& operator=(const CAlignStart&) = delete;

  // The handshake, checks, welcome dialog and upload. 0 when the run got as
  // far as the welcome dialog (the upload's outcome then decides: OK shown, or
  // the dialog ended with the continue flag cleared, or left open after a
  // message); otherwise the status of the step that failed after its message
  // (2 no port; 1 Esc, without a message; -1 production or password refused;
  // link statuses).
  int EnterAlignmentMode();
  // Words 0..127, image blocks 2..5, the channel blocks 57..limit, 254..256,
  // the step table, the record sum and channel 0. 0 done; -4 Esc; else the
  // link status, after its message.
  int UploadAlignmentData();
  // The user switches the radio off and on. 0 after RADIO_READY was answered
  // with the mode byte; 1 Esc (or the port failed); -3 the radio sent NAK; a
  // failed write of the mode byte gives its status.
  int WaitRadioReady();
  // Runs the password dialog: true when it ended with OK and the text typed
  // equals the radio's password exactly.
  bool AskRadioPassword(const std::string& radioPassword);

  // Reads words first..last (at most word 127) into a word buffer: 0xF0,
  // each word tried up to 6 times. Nothing to read (first above last) is 0.
  static int ReadWords(CComPort& port, int first, int last, std::uint8_t* words);
  // Reads wire block wireBlock into out (128 bytes, written only on success): 0xF2, up to 6 tries.
  static int ReadBlock(CComPort& port, std::uint8_t wireBlock, std::uint8_t* out);

 private:
  int UploadBlock(int imageBlock, const char* errorFormat);
  void Box(const char* format, int status);
  void MarkLoaded(int imageBlock);

  CComPort& m_port;
  AlignRunState& m_run;
  IAlignStartUi& m_ui;
  int m_comIndex;
  bool m_userAborted = false;
};

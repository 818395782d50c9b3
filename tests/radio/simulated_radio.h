// A simulated radio behind a programming cable, on the master side of a
// pseudo-terminal. The program under test opens the slave side as its serial
// device. Two parties share the line: the cable echoes every byte the
// computer writes, always; the radio answers only in the proper mode.
//
// The radio is table-driven: control bytes and frame commands are looked up by
// (mode, first byte). Word mode is built in; further modes add their entries
// with AddControlByte/AddFrameCommand.
#pragma once

#include <termios.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace radiosim {

enum class Mode {
  kOff,       // switched off or not yet in programming mode: silent
  kReady,     // sent RADIO_READY, waits for its mode byte
  kWordMode,  // answers the word-mode frames
  kAlignment, // answers the alignment commands (added by radio/sim_align.h)
  kBlockPush, // block-push cloning: pushes or takes blocks (added by radio/sim_block_push.h)
  kFirmware,  // block-push radio's firmware check (added by radio/sim_block_push.h)
};

enum class Fault {
  kSilence,       // no answer
  kBadChecksum,   // the answer's checksum is off by one
  kWrongCommand,  // the answer starts with another command byte
  kWrongLength,   // the answer carries another length byte
  kNak,           // the answer is one NAK byte, nothing is stored
  kChangedValue,  // a word write stores and answers FaultRule::value instead
  kStuck,         // a word write stores nothing and answers the old value
};

// Which requests a fault hits: matching requests are counted in arrival order.
struct FaultRule {
  Fault fault = Fault::kSilence;
  int command = -1;   // the request's command byte; -1 any
  int argument = -1;  // its first data byte (word index, wire block); -1 any
  int skip = 0;       // matching requests answered normally before the fault
  int times = 1;      // requests it applies to; -1 every one
  std::uint16_t value = 0;
};

struct LoggedFrame {
  Mode mode = Mode::kOff;
  std::uint8_t command = 0;
  std::uint8_t length = 0;
  std::vector<std::uint8_t> data;  // length - 1 bytes
  std::uint8_t checksum = 0;
  bool checksumOk = false;     // a frame with a bad checksum is not answered
  std::optional<Fault> fault;  // applied to the answer
};

class SimulatedRadio {
 public:
  using Clock = std::chrono::steady_clock;

  struct Options {
    bool cableEcho = true;
    Mode mode = Mode::kOff;
    // A request whose bytes stop for this long is dropped unfinished (longer
    // than the computer's longest wait for an echo).
    std::chrono::milliseconds frameGap{600};
    // Line-rate mode: every byte takes 11 bit times (start, 8 data, 2 stop
    // bits) at this rate on its wire, each way. The cable's echo and the
    // radio's answers share the wire to the computer: an echo runs alongside
    // its byte, an answer starts when the wire is free. 0: bytes pass at once.
    int baud = 0;
    // Adapter-latency mode: a USB serial adapter holds what it received for
    // the computer until its next tick, one every adapterLatency. 0: at once.
    std::chrono::microseconds adapterLatency{0};
  };

  // What a table entry's handler sees: it runs on the radio's thread.
  struct Context {
    std::vector<std::uint8_t>& image;
    Mode mode;                        // change it to change the radio's mode
    std::optional<FaultRule> fault;   // the fault matched by this request
    std::vector<std::uint8_t> reply;  // written to the computer after the handler
    // What the radio does on its own later (a restart, a late byte): each
    // action runs on the radio's thread after its delay, as a control byte's
    // action does (its reply is sent, its mode taken).
    std::vector<std::pair<std::chrono::milliseconds, std::function<void(Context&)>>> later = {};
  };
  using FrameHandler = std::function<void(Context&, const LoggedFrame& request)>;
  using ControlHandler = std::function<void(Context&)>;

  SimulatedRadio();
  explicit SimulatedRadio(Options options);
  ~SimulatedRadio();
  SimulatedRadio(const SimulatedRadio&) = delete;
  SimulatedRadio& operator=(const SimulatedRadio&) = delete;

  const std::string& SlavePath() const { return m_slavePath; }
  // Makes folder/com<comIndex + 1> a link to the slave side; returns the link.
  std::filesystem::path LinkAsCom(const std::filesystem::path& folder, int comIndex) const;
  // The line settings the computer gave the device.
  termios LineSettings() const;

  Mode GetMode() const;
  void SetMode(Mode mode);
  // The user switches the radio off and on: it sends RADIO_READY and waits for
  // its mode byte. Tests do it only where the program waits for RADIO_READY
  // (see RecordingTransferUi::SwitchOnWhenPrompted), never on a guess of how
  // long a request takes: a RADIO_READY that comes while the program still
  // waits for an answer is taken for a bad answer, and the program then waits
  // for another one for ever.
  void PowerOn();
  void PowerOnAfter(std::chrono::milliseconds delay);

  // The radio's memory: 257 blocks of 128 bytes; word i is bytes 2i (low) and 2i + 1.
  std::vector<std::uint8_t> Image() const;
  void SetImage(const std::vector<std::uint8_t>& image);
  std::uint16_t Word(int index) const;
  void SetWord(int index, std::uint16_t value);
  std::vector<std::uint8_t> Block(int imageBlock) const;

  void InjectFault(const FaultRule& rule);
  void ClearFaults();

  std::vector<LoggedFrame> Frames() const;
  std::vector<std::uint8_t> ControlBytes() const;         // bytes taken as control bytes
  std::vector<std::vector<std::uint8_t>> Chunks() const;  // every byte received, as it arrived
  void ClearLog();
  // Waits until at least n frames are logged; false on time-out.
  bool WaitForFrames(std::size_t n, std::chrono::milliseconds timeout) const;

  // Line-rate mode: when the last byte the computer has written so far will
  // have reached the radio (in the past when the wire is idle).
  Clock::time_point WireToRadioFree() const;

  // Bytes taken from the computer, and written to it (echoes included), so far.
  std::size_t BytesReceived() const;
  std::size_t BytesSent() const;
  // For a reader that must not race the radio's thread (SettledPort): waits
  // until the radio has taken at least `received` bytes and has done what it
  // was due to do up to `until` (its timers, the bytes on a modelled line),
  // or until the line is gone. The bytes written to the computer by then.
  std::size_t Settle(std::size_t received, Clock::time_point until) const;
  // The radio's thread is held up for this long when it next wakes, as on a
  // machine too busy to run it: its answers come late for the computer.
  void Stall(std::chrono::milliseconds duration);
  // The live radio whose slave side is this device (a comN link is
  // followed); nullptr for any other device.
  static const SimulatedRadio* AtDevice(const std::filesystem::path& device);

  // Pulls the cable: the master side closes, the computer's calls fail.
  void Unplug();

  // Runs action on the radio's thread after delay, as a control byte's action.
  void After(std::chrono::milliseconds delay, ControlHandler action);

  void AddControlByte(Mode mode, std::uint8_t byte, ControlHandler action);
  void AddFrameCommand(Mode mode, std::uint8_t command, std::uint8_t length, FrameHandler answer);

 private:
  struct ControlEntry {
    Mode mode;
    std::uint8_t byte;
    ControlHandler action;
  };
  struct FrameEntry {
    Mode mode;
    std::uint8_t command;
    std::uint8_t length;
    FrameHandler answer;
  };
  struct ActiveFault {
    FaultRule rule;
    int seen = 0;
  };
  struct Timer {
    Clock::time_point when;
    std::function<void()> action;
  };

  void AddWordMode();
  void Run();
  void Call(std::function<void()> task);  // runs task on the radio's thread and waits
  void OnBytes(const std::uint8_t* bytes, std::size_t n);
  void OnByte(std::uint8_t b);
  void HandleFrame();
  std::optional<FaultRule> MatchFault(const LoggedFrame& frame);
  void SendLocked(const std::vector<std::uint8_t>& bytes);
  void WriteLocked(const std::vector<std::uint8_t>& bytes);  // onto the computer's side at once
  // The line of line-rate and adapter-latency mode.
  bool LineModelled() const { return m_byteTime.count() > 0 || m_options.adapterLatency.count() > 0; }
  void QueueForComputerLocked(std::uint8_t b, Clock::time_point earliestStart);
  Clock::time_point AdapterTick(Clock::time_point t) const;
  void RunLineLocked(Clock::time_point now);  // bytes that have arrived or fall due
  std::optional<Clock::time_point> NextLineEventLocked() const;
  void ScheduleLocked(Clock::time_point when, std::function<void()> action);
  void PowerOnLocked();
  void RunActionLocked(const ControlHandler& action);
  void FinishLocked(Context& ctx);  // mode, reply and later actions of a handler
  void ClosePipes();

  Options m_options;
  int m_master = -1;
  int m_slave = -1;  // held open so the line stays up between the computer's opens
  int m_wake[2] = {-1, -1};
  std::string m_slavePath;

  mutable std::mutex m_mutex;
  mutable std::condition_variable m_changed;
  Mode m_mode;
  std::vector<std::uint8_t> m_image;
  std::vector<ControlEntry> m_controls;
  std::vector<FrameEntry> m_commands;
  std::vector<ActiveFault> m_faults;
  std::vector<LoggedFrame> m_frames;
  std::vector<std::uint8_t> m_controlLog;
  std::vector<std::vector<std::uint8_t>> m_chunks;
  std::vector<std::uint8_t> m_pending;
  const FrameEntry* m_pendingEntry = nullptr;
  Clock::time_point m_lastByte;
  std::vector<Timer> m_timers;

  struct TimedByte {
    Clock::time_point when;
    std::uint8_t byte;
  };
  Clock::duration m_byteTime{};               // one byte on a wire; 0 outside line-rate mode
  Clock::time_point m_epoch;                  // the adapter's ticks count from here
  Clock::time_point m_toRadioFree, m_toComputerFree;  // when each wire is free again
  Clock::time_point m_lineTime{};             // the arrival being handled: an answer starts then
  std::deque<TimedByte> m_arriving;           // at the radio once their last bit is in
  std::deque<TimedByte> m_delivering;         // to the computer when the adapter passes them on
  std::deque<std::function<void()>> m_tasks;
  std::size_t m_received = 0, m_sent = 0;  // bytes from and to the computer
  bool m_busy = false;  // timers or tasks taken from the lists and still running
  std::chrono::milliseconds m_stall{0};  // the next wake's hold-up
  bool m_stop = false;
  std::thread m_thread;
};

}  // namespace radiosim

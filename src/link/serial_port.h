// The serial port of the programming cable: one port for the whole program, the
// byte primitives every radio conversation is built from, their time-outs, the
// pacing of written bytes and the Esc check of the transfer loops.
//
// COM ports on Linux: the configured COM index n (0..15, anything else is COM1)
// opens the device the link "com<n+1>" in the link folder points at ("dev" in
// the working folder unless set otherwise, e.g. dev/com1 -> /dev/ttyUSB0), also
// when that device is missing. Without such a link COM n+1 is the first that
// exists of /dev/ttyUSB<n>, /dev/ttyACM<n> and /dev/ttyS<n> (a USB cable, a
// USB modem-class cable, a built-in port), and /dev/ttyS<n> when none does.
// Only a terminal device is opened: a file, a folder, a FIFO, a socket or a
// device such as /dev/null is refused as not a serial port.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Status of the read primitives and of everything built on them.
inline constexpr int kCommDone = 0;
inline constexpr int kCommError = 1;    // the port call failed, or a bad answer
inline constexpr int kCommTimeout = 2;  // no byte arrived in time

// Read and write time-outs of the port, in milliseconds. A read of n bytes
// returns when they have arrived, when readTotalMultiplier * n +
// readTotalConstant have passed (both 0: no total limit), or when more than
// readInterval passes between two bytes (0: no interval limit). A write gives up
// after writeTotalMultiplier * n + writeTotalConstant (both 0: no limit).
struct CommTimeouts {
  std::uint32_t readInterval = 0;
  std::uint32_t readTotalMultiplier = 0;
  std::uint32_t readTotalConstant = 0;
  std::uint32_t writeTotalMultiplier = 0;
  std::uint32_t writeTotalConstant = 0;
  bool operator==(const CommTimeouts&) const = default;
};

inline constexpr CommTimeouts kTimeoutsWrite{100, 5, 500, 100, 5000};  // writes and their echo reads
inline constexpr CommTimeouts kTimeoutsRead{300, 0, 300, 0, 0};        // one byte of an answer
inline constexpr CommTimeouts kTimeoutsLong{1000, 0, 1000, 0, 0};      // one byte, long wait

// One open serial device. Reads and writes follow the time-outs last set.
class SerialPort {
 public:
  virtual ~SerialPort() = default;
  virtual void SetTimeouts(const CommTimeouts& timeouts) = 0;
  virtual const CommTimeouts& Timeouts() const = 0;
  // ReadFile: false when the call failed; otherwise got holds the bytes that
  // arrived before the time-outs ran out (0 when none did).
  virtual bool Read(std::uint8_t* buffer, std::size_t n, std::size_t& got) = 0;
  // WriteFile: false when the call failed; a write that runs out of time is
  // not a failure, written then says how much went out.
  virtual bool Write(const std::uint8_t* bytes, std::size_t n, std::size_t& written) = 0;
  virtual void ClearDtr() = 0;  // EscapeCommFunction(CLRDTR); a device without modem lines ignores it
  virtual void Purge() = 0;     // PurgeComm: drop everything queued in both directions
};

// A serial device opened through termios: raw, 9600 baud, 8 data bits, no
// parity, 2 stop bits, no flow control, DTR and RTS on, held exclusively, and
// in the driver's low-latency mode while open where the driver has one.
class PosixSerialPort : public SerialPort {
 public:
  // nullptr when the device is missing, in use or not a serial port; errno
  // tells why, ENOTTY for anything that is no terminal device.
  static std::unique_ptr<PosixSerialPort> Open(const std::string& path);
  ~PosixSerialPort() override;
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  void SetTimeouts(const CommTimeouts& timeouts) override { m_timeouts = timeouts; }
  const CommTimeouts& Timeouts() const override { return m_timeouts; }
  bool Read(std::uint8_t* buffer, std::size_t n, std::size_t& got) override;
  bool Write(const std::uint8_t* bytes, std::size_t n, std::size_t& written) override;
  void ClearDtr() override;
  void Purge() override;

 private:
  explicit PosixSerialPort(int fd) : m_fd(fd) {}
  int m_fd;
  CommTimeouts m_timeouts;
  bool m_restoreLatency = false;  // low latency was asked for: the close puts it back
};

// Time and pauses of the link. The program uses real time; tests shorten the
// pauses without changing what goes over the line.
class IPacing {
 public:
  virtual ~IPacing() = default;
  virtual std::chrono::steady_clock::time_point Now() { return std::chrono::steady_clock::now(); }
  virtual void Sleep(unsigned milliseconds);
  // A busy wait, not a sleep: it paces single bytes for the radio.
  virtual void DelayMicroseconds(unsigned microseconds);
};
IPacing& RealPacing();

// What a link dialog offers the transfer running inside it.
class ILinkDialog {
 public:
  virtual ~ILinkDialog() = default;
  // 1 when the user pressed Esc since the last check (the dialog then closes
  // once the transfer has returned), else 0. Other input is dropped, paint goes on.
  virtual int CheckUserAbort() = 0;
  // An OK message box owned by the dialog.
  virtual void MessageBox(const std::string& text, const std::string& caption) = 0;
};

// Where COM ports are looked for: the folder of the comN links and the
// system's device folder.
struct ComFolders {
  std::filesystem::path links = "dev";
  std::filesystem::path devices = "/dev";
};

// The device of one COM port.
struct ComDevice {
  std::filesystem::path path;  // what is opened: the device, or the comN link
  std::filesystem::path link;  // the comN link that chose the device; empty without one
  bool present = false;        // the device (for a link, what it points at) exists
  // Without a link and with none of the devices there: those looked for, in order.
  std::vector<std::filesystem::path> searched;
  std::filesystem::path linkPlace;  // the comN link that would choose the device (dev/com5)
  // The device named to the user: for a link, where it points (taken from the
  // link's folder when relative); else the path.
  std::filesystem::path Shown() const;
};

// The device COM index comIndex opens (see the top of this file).
ComDevice ResolveComDevice(int comIndex, const ComFolders& folders);

// Whether the device at path (a link is followed) is certainly no serial port,
// told without opening it (an open raises the modem lines of a real port):
// anything but a character device, or a character device the system files
// under another class than the terminals (/dev/null). A character device
// without such an entry (a pseudo-terminal) and a missing path are not.
bool IsKnownNotASerialPort(const std::filesystem::path& path);

// The text of the box shown when a COM port's device could not be opened:
// "Open err", then the device and the reason (error, an errno value; 0 gives none).
// A refused permission names the group that owns the device (deviceGroup, a
// group id, when known), a link the missing device it points at. ENOTTY says
// that the device is not a serial port; a port without any device names the
// devices looked for and the link that can name another one.
std::string OpenErrorText(const ComDevice& device, int error, std::optional<unsigned> deviceGroup);

// The one serial port of the program. "No port" is a state of its own: closing
// twice, or using a closed port, does nothing to any other file.
class CComPort {
 public:
  using Opener = std::function<std::unique_ptr<SerialPort>(const std::string& path)>;

  CComPort();
  ~CComPort();
  CComPort(const CComPort&) = delete;
  CComPort& operator=(const CComPort&) = delete;

  // Opens COM index comIndex: 1 done (also when the port is already open);
  // -1 after the box "Open err" (caption "err", the device and the reason
  // below) when it cannot be opened.
  int OpenComPort(int comIndex, ILinkDialog& owner);
  // The close sequence of the link dialogs: DTR off, purge, close.
  void ClosePort();
  // Closes without the sequence (Next Radio).
  void CloseHandle();
  bool IsOpen() const { return m_port != nullptr; }
  const std::string& DevicePath() const { return m_path; }

  // Single byte under the write time-outs, then a 200 microsecond pause.
  // Nonzero when written (also when the write ran out of time), 0 when it failed.
  int CommWriteByte(std::uint8_t b);
  int CommSendByteRecover(std::uint8_t b) { return CommWriteByte(b); }
  // One write of n bytes under the write time-outs, no pause. Nonzero when written.
  int CommWriteBytes(const std::uint8_t* bytes, std::size_t n);
  // One byte with the read time-outs (300 ms) or the long ones (1000 ms): a status.
  int CommReadByte(std::uint8_t& out);
  int CommReadByteLong(std::uint8_t& out);
  // Waits without limit for one byte, checking for Esc between reads:
  // 0 a byte (stored in out), 1 the port failed, 2 Esc. out is 0 unless a byte came.
  int ReadByteCancelable(ILinkDialog& dialog, std::uint8_t& out);
  // Reads and drops whatever arrives until the line has been quiet for
  // quietMs (at most maxMs in all). Leaves the write time-outs set.
  void DrainInput(unsigned quietMs, unsigned maxMs);

  // The raw calls under the time-outs last set, for protocols with time-outs
  // of their own. A closed port fails every call.
  void SetCommTimeouts(const CommTimeouts& timeouts);
  bool ReadFile(std::uint8_t* buffer, std::size_t n, std::size_t& got);
  bool WriteFile(const std::uint8_t* bytes, std::size_t n, std::size_t& written);

  void DelayMicroseconds(unsigned microseconds) { m_pacing->DelayMicroseconds(microseconds); }
  void Sleep(unsigned milliseconds) { m_pacing->Sleep(milliseconds); }
  IPacing& Pacing() { return *m_pacing; }
  void SetPacing(IPacing* pacing) { m_pacing = pacing ? pacing : &RealPacing(); }

  // Where the comN links live; "dev" (relative to the working folder) by default.
  void SetDeviceFolder(std::filesystem::path folder) { m_folders.links = std::move(folder); }
  const std::filesystem::path& DeviceFolder() const { return m_folders.links; }
  // The system's device folder, "/dev" unless set otherwise.
  void SetSystemDeviceFolder(std::filesystem::path folder) { m_folders.devices = std::move(folder); }
  const ComFolders& Folders() const { return m_folders; }
  // Opens a device path; the default opens a PosixSerialPort. Tests wrap it.
  void SetOpener(Opener opener);

 private:
  std::unique_ptr<SerialPort> m_port;
  std::string m_path;
  IPacing* m_pacing;
  ComFolders m_folders;
  Opener m_opener;
};

// The program's port.
CComPort& TheComPort();

// Test doubles for the link's seams: a port decorator that makes chosen calls
// fail, pacing that records its pauses and shortens them, and a link dialog
// that records its boxes and presses Esc when told.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "link/serial_port.h"
#include "radio/simulated_radio.h"

namespace radiosim {

// Which calls of a FaultInjectingPort fail. Shared with the test, which keeps
// changing it after the port went to the CComPort.
struct PortFaults {
  int failWritesOf = -1;  // a write starting with this byte fails without sending
  int writeFailures = 1;  // how many such writes fail; -1 every one
  bool failAllWrites = false;
  bool failAllReads = false;
  int failedWrites = 0;  // counted by the port
};

class FaultInjectingPort : public SerialPort {
 public:
  FaultInjectingPort(std::unique_ptr<SerialPort> inner, std::shared_ptr<PortFaults> faults)
      : m_inner(std::move(inner)), m_faults(std::move(faults)) {}
  void SetTimeouts(const CommTimeouts& t) override { m_inner->SetTimeouts(t); }
  const CommTimeouts& Timeouts() const override { return m_inner->Timeouts(); }
  bool Read(std::uint8_t* buffer, std::size_t n, std::size_t& got) override;
  bool Write(const std::uint8_t* bytes, std::size_t n, std::size_t& written) override;
  void ClearDtr() override { m_inner->ClearDtr(); }
  void Purge() override { m_inner->Purge(); }

 private:
  std::unique_ptr<SerialPort> m_inner;
  std::shared_ptr<PortFaults> m_faults;
};

// An opener for CComPort::SetOpener: the real device wrapped in a FaultInjectingPort.
CComPort::Opener FaultInjectingOpener(std::shared_ptr<PortFaults> faults);

// A port on a simulated radio's line whose reads never race the radio's
// thread: before a read waits for its time-out, the radio takes every byte
// written so far and does what it was due to do by the read's deadline
// (SimulatedRadio::Settle). Bytes it has sent by then are read however late
// they come; only when it has nothing more to say does the read wait out its
// time-out. So a time-out means the radio stayed silent, never that a busy
// machine let its thread fall behind. On any other device it is the inner port.
class SettledPort : public SerialPort {
 public:
  SettledPort(std::unique_ptr<SerialPort> inner, std::filesystem::path device);
  void SetTimeouts(const CommTimeouts& t) override { m_inner->SetTimeouts(t); }
  const CommTimeouts& Timeouts() const override { return m_inner->Timeouts(); }
  bool Read(std::uint8_t* buffer, std::size_t n, std::size_t& got) override;
  bool Write(const std::uint8_t* bytes, std::size_t n, std::size_t& written) override;
  void ClearDtr() override { m_inner->ClearDtr(); }
  void Purge() override;

 private:
  const SimulatedRadio* Radio() const { return SimulatedRadio::AtDevice(m_device); }
  void Resync();  // the counts start again from what the radio has now
  std::unique_ptr<SerialPort> m_inner;
  std::filesystem::path m_device;
  std::size_t m_written = 0;  // as the radio counts what it received
  std::size_t m_read = 0;     // as the radio counts what it sent
};

// An opener whose ports are SettledPorts over `inner` (the real device when empty).
CComPort::Opener SettledOpener(CComPort::Opener inner = {});

// Records every pause; sleeps divide by `divisor`, busy waits are skipped.
class TestPacing : public IPacing {
 public:
  explicit TestPacing(unsigned divisor = 100) : m_divisor(divisor) {}
  void Sleep(unsigned milliseconds) override;
  void DelayMicroseconds(unsigned microseconds) override;
  std::vector<unsigned> Sleeps() const;
  std::vector<unsigned> Delays() const;

 private:
  unsigned m_divisor;
  mutable std::mutex m_mutex;
  std::vector<unsigned> m_sleeps, m_delays;
};

// A link dialog that records its message boxes; Esc is "pressed" by the test
// (or after a number of checks).
class RecordingDialog : public ILinkDialog {
 public:
  int CheckUserAbort() override;
  void MessageBox(const std::string& text, const std::string& caption) override;
  void PressEsc() { m_esc = true; }
  void PressEscAfterChecks(int checks) { m_escAfter = checks; }
  int Checks() const { return m_checks; }
  std::vector<std::pair<std::string, std::string>> boxes;

 private:
  std::atomic<bool> m_esc{false};
  std::atomic<int> m_checks{0};
  int m_escAfter = -1;
};

}  // namespace radiosim

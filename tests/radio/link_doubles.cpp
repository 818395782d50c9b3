#include "radio/link_doubles.h"

#include <thread>

namespace radiosim {

bool FaultInjectingPort::Read(std::uint8_t* buffer, std::size_t n, std::size_t& got) {
  got = 0;
  if (m_faults->failAllReads) return false;
  return m_inner->Read(buffer, n, got);
}

bool FaultInjectingPort::Write(const std::uint8_t* bytes, std::size_t n, std::size_t& written) {
  written = 0;
  PortFaults& f = *m_faults;
  const bool chosen = n > 0 && f.failWritesOf == bytes[0] && f.writeFailures != 0;
  if (f.failAllWrites || chosen) {
    if (chosen && f.writeFailures > 0) --f.writeFailures;
    ++f.failedWrites;
    return false;
  }
  return m_inner->Write(bytes, n, written);
}

CComPort::Opener FaultInjectingOpener(std::shared_ptr<PortFaults> faults) {
  return [faults](const std::string& path) -> std::unique_ptr<SerialPort> {
    auto inner = PosixSerialPort::Open(path);
    if (!inner) return nullptr;
    return std::make_unique<FaultInjectingPort>(std::move(inner), faults);
  };
}

void TestPacing::Sleep(unsigned milliseconds) {
  {
    std::lock_guard lock(m_mutex);
    m_sleeps.push_back(milliseconds);
  }
  std::this_thread::sleep_for(std::chrono::microseconds(1000ull * milliseconds / m_divisor));
}

void TestPacing::DelayMicroseconds(unsigned microseconds) {
  std::lock_guard lock(m_mutex);
  m_delays.push_back(microseconds);
}

std::vector<unsigned> TestPacing::Sleeps() const {
  std::lock_guard lock(m_mutex);
  return m_sleeps;
}

std::vector<unsigned> TestPacing::Delays() const {
  std::lock_guard lock(m_mutex);
  return m_delays;
}

int RecordingDialog::CheckUserAbort() {
  const int n = ++m_checks;
  if (m_escAfter >= 0 && n > m_escAfter) m_esc = true;
  return m_esc.exchange(false) ? 1 : 0;
}

void RecordingDialog::MessageBox(const std::string& text, const std::string& caption) {
  boxes.emplace_back(text, caption);
}

}  // namespace radiosim

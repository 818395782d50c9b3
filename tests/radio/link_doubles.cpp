#include "radio/link_doubles.h"

#include <algorithm>
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

namespace {

using Clock = std::chrono::steady_clock;
// Bytes the radio has sent arrive within this, however busy the machine.
constexpr std::uint32_t kComingMs = 5000;

}  // namespace

SettledPort::SettledPort(std::unique_ptr<SerialPort> inner, std::filesystem::path device)
    : m_inner(std::move(inner)), m_device(std::move(device)) {
  Resync();
}

void SettledPort::Resync() {
  if (const SimulatedRadio* radio = Radio()) {
    m_written = radio->BytesReceived();
    m_read = radio->BytesSent();
  }
}

bool SettledPort::Write(const std::uint8_t* bytes, std::size_t n, std::size_t& written) {
  const bool ok = m_inner->Write(bytes, n, written);
  m_written += written;
  return ok;
}

void SettledPort::Purge() {
  m_inner->Purge();
  Resync();  // what was on its way is gone
}

bool SettledPort::Read(std::uint8_t* buffer, std::size_t n, std::size_t& got) {
  got = 0;
  const SimulatedRadio* radio = Radio();
  const CommTimeouts t = m_inner->Timeouts();
  const std::uint64_t total = std::uint64_t(t.readTotalMultiplier) * n + t.readTotalConstant;
  if (!radio || n == 0 || total == 0) {
    // Another device, or a read that waits for its first byte without a limit: nothing to race.
    const bool ok = m_inner->Read(buffer, n, got);
    m_read += got;
    return ok;
  }
  const auto totalEnd = Clock::now() + std::chrono::milliseconds(total);
  auto lastByte = Clock::now();
  bool ok = true;
  while (ok && got < n) {
    auto end = totalEnd;
    if (got > 0 && t.readInterval) end = std::min(end, lastByte + std::chrono::milliseconds(t.readInterval));
    const std::size_t sent = radio->Settle(m_written, end);
    const std::size_t coming = sent > m_read ? sent - m_read : 0;
    std::size_t k = 0;
    if (coming > 0) {
      m_inner->SetTimeouts({0, 0, kComingMs, 0, 0});
      ok = m_inner->Read(buffer + got, std::min(coming, n - got), k);
    } else {
      // Nothing comes before the deadline: the read waits it out as the port's would.
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count();
      if (left > 0) {
        m_inner->SetTimeouts({0, 0, std::uint32_t(left), 0, 0});
        ok = m_inner->Read(buffer + got, n - got, k);
      }
    }
    got += k;
    m_read += k;
    if (k == 0) break;
    lastByte = Clock::now();
  }
  m_inner->SetTimeouts(t);
  return ok;
}

CComPort::Opener SettledOpener(CComPort::Opener inner) {
  return [inner = std::move(inner)](const std::string& path) -> std::unique_ptr<SerialPort> {
    std::unique_ptr<SerialPort> port = inner ? inner(path) : PosixSerialPort::Open(path);
    if (!port) return nullptr;
    std::error_code error;
    auto device = std::filesystem::canonical(path, error);
    if (error) return port;
    return std::make_unique<SettledPort>(std::move(port), std::move(device));
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

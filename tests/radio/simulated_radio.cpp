#include "radio/simulated_radio.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <future>
#include <map>
#include <stdexcept>

#include "model/image.h"

namespace radiosim {

namespace {

constexpr std::uint8_t kReady = 0x50;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;

std::uint8_t Sum(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t to) {
  unsigned s = 0;
  for (std::size_t i = from; i < to; ++i) s += bytes[i];
  return std::uint8_t(s);
}

// cmd, L, data, 8-bit sum of all of them.
std::vector<std::uint8_t> MakeFrame(std::uint8_t command, const std::vector<std::uint8_t>& data) {
  // Sized once and filled in place (an insert behind a two-byte start draws a
  // false -Warray-bounds from GCC 12 in optimised builds).
  std::vector<std::uint8_t> f(data.size() + 2);
  f[0] = command;
  f[1] = std::uint8_t(data.size() + 1);
  std::copy(data.begin(), data.end(), f.begin() + 2);
  f.push_back(Sum(f, 0, f.size()));
  return f;
}

[[noreturn]] void Fail(const char* what) { throw std::runtime_error(std::string(what) + ": " + std::strerror(errno)); }

// The live radios by their slave device.
std::mutex g_radiosMutex;
std::map<std::string, const SimulatedRadio*>& Radios() {
  static std::map<std::string, const SimulatedRadio*> radios;
  return radios;
}

// How long a settle waits at most: far beyond any pause of a loaded machine.
constexpr std::chrono::seconds kSettleLimit{5};

}  // namespace

SimulatedRadio::SimulatedRadio() : SimulatedRadio(Options{}) {}

SimulatedRadio::SimulatedRadio(Options options) : m_options(options), m_mode(options.mode), m_image(kImageSize, 0xFF) {
  if (options.baud > 0) m_byteTime = std::chrono::nanoseconds(11'000'000'000LL / options.baud);
  m_epoch = Clock::now();
  m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (m_master < 0) Fail("posix_openpt");
  if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) Fail("grantpt");
  m_slavePath = ::ptsname(m_master);
  m_slave = ::open(m_slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (m_slave < 0) Fail("open slave");
  // Raw from the start, so nothing the radio sends is echoed back by the line itself.
  termios tio{};
  ::tcgetattr(m_slave, &tio);
  ::cfmakeraw(&tio);
  ::tcsetattr(m_slave, TCSANOW, &tio);
  if (::pipe2(m_wake, O_NONBLOCK | O_CLOEXEC) != 0) Fail("pipe");
  AddWordMode();
  m_thread = std::thread([this] { Run(); });
  std::lock_guard lock(g_radiosMutex);
  Radios()[m_slavePath] = this;
}

SimulatedRadio::~SimulatedRadio() {
  {
    std::lock_guard lock(g_radiosMutex);
    Radios().erase(m_slavePath);
  }
  {
    std::lock_guard lock(m_mutex);
    m_stop = true;
  }
  const char c = 0;
  [[maybe_unused]] auto r = ::write(m_wake[1], &c, 1);
  m_thread.join();
  if (m_master >= 0) ::close(m_master);
  ::close(m_slave);
  ::close(m_wake[0]);
  ::close(m_wake[1]);
}

std::filesystem::path SimulatedRadio::LinkAsCom(const std::filesystem::path& folder, int comIndex) const {
  std::filesystem::create_directories(folder);
  const auto link = folder / ("com" + std::to_string(comIndex + 1));
  std::filesystem::remove(link);
  std::filesystem::create_symlink(m_slavePath, link);
  return link;
}

termios SimulatedRadio::LineSettings() const {
  termios tio{};
  ::tcgetattr(m_slave, &tio);
  return tio;
}

// ---- the word-mode radio ----

void SimulatedRadio::AddWordMode() {
  AddControlByte(Mode::kReady, 0x40, [](Context& c) { c.mode = Mode::kWordMode; });

  AddFrameCommand(Mode::kWordMode, 0xF0, 2, [](Context& c, const LoggedFrame& r) {
    const std::size_t at = 2 * std::size_t(r.data[0]);
    c.reply = MakeFrame(0xF0, {c.image[at + 1], c.image[at]});
  });
  AddFrameCommand(Mode::kWordMode, 0xF1, 4, [](Context& c, const LoggedFrame& r) {
    const std::size_t at = 2 * std::size_t(r.data[0]);
    std::uint8_t hi = r.data[1], lo = r.data[2];
    if (c.fault && c.fault->fault == Fault::kChangedValue) {
      hi = std::uint8_t(c.fault->value >> 8);
      lo = std::uint8_t(c.fault->value);
    }
    if (!(c.fault && c.fault->fault == Fault::kStuck)) {
      c.image[at] = lo;
      c.image[at + 1] = hi;
    }
    c.reply = MakeFrame(0xF1, {c.image[at + 1], c.image[at]});
  });
  AddFrameCommand(Mode::kWordMode, 0xF2, 2, [](Context& c, const LoggedFrame& r) {
    const std::size_t at = (std::size_t(r.data[0]) + 2) * kBlockSize;
    std::vector<std::uint8_t> data(kBlockSize, 0xFF);  // beyond the memory: erased
    if (at + kBlockSize <= c.image.size()) std::copy_n(c.image.begin() + std::ptrdiff_t(at), kBlockSize, data.begin());
    c.reply = MakeFrame(0xF2, data);
  });
  AddFrameCommand(Mode::kWordMode, 0xF3, 0x82, [](Context& c, const LoggedFrame& r) {
    if (c.fault && c.fault->fault == Fault::kNak) return;  // the generic fault answers NAK
    const std::size_t at = (std::size_t(r.data[0]) + 2) * kBlockSize;
    if (at + kBlockSize <= c.image.size())
      std::copy_n(r.data.begin() + 1, kBlockSize, c.image.begin() + std::ptrdiff_t(at));
    c.reply = {kAck};
  });
}

void SimulatedRadio::AddControlByte(Mode mode, std::uint8_t byte, ControlHandler action) {
  std::lock_guard lock(m_mutex);
  m_controls.push_back({mode, byte, std::move(action)});
}

void SimulatedRadio::AddFrameCommand(Mode mode, std::uint8_t command, std::uint8_t length, FrameHandler answer) {
  std::lock_guard lock(m_mutex);
  m_commands.push_back({mode, command, length, std::move(answer)});
  m_pendingEntry = nullptr;  // entries may have moved
  m_pending.clear();
}

// ---- the line ----

void SimulatedRadio::Run() {
  std::vector<std::uint8_t> buffer(4096);
  for (;;) {
    std::optional<Clock::time_point> next;
    {
      std::unique_lock lock(m_mutex);
      if (m_stop) return;
      if (!m_timers.empty()) {
        next = std::min_element(m_timers.begin(), m_timers.end(), [](const Timer& a, const Timer& b) {
                 return a.when < b.when;
               })->when;
      }
      if (const auto line = NextLineEventLocked(); line && (!next || *line < *next)) next = line;
    }
    // The line's bytes are timed to the microsecond: ppoll, not poll.
    timespec wait{};
    if (next) {
      const auto left = std::max<long long>(0, std::chrono::nanoseconds(*next - Clock::now()).count());
      wait.tv_sec = time_t(left / 1'000'000'000);
      wait.tv_nsec = long(left % 1'000'000'000);
    }
    pollfd p[2] = {{m_wake[0], POLLIN, 0}, {m_master, POLLIN, 0}};
    const int r = ::ppoll(p, m_master >= 0 ? 2 : 1, next ? &wait : nullptr, nullptr);
    if (r < 0 && errno != EINTR) return;
    std::chrono::milliseconds stall{0};
    {
      std::lock_guard lock(m_mutex);
      std::swap(stall, m_stall);
    }
    if (stall.count() > 0) std::this_thread::sleep_for(stall);
    if (r > 0 && (p[0].revents & POLLIN)) {
      char sink[64];
      while (::read(m_wake[0], sink, sizeof sink) > 0) {
      }
    }
    if (r > 0 && m_master >= 0 && (p[1].revents & POLLIN)) {
      const ssize_t k = ::read(m_master, buffer.data(), buffer.size());
      if (k > 0) OnBytes(buffer.data(), std::size_t(k));
    } else if (r > 0 && m_master >= 0 && (p[1].revents & (POLLHUP | POLLERR))) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));  // nobody on the line
    }
    std::deque<std::function<void()>> tasks;
    std::vector<Timer> due;
    {
      std::lock_guard lock(m_mutex);
      RunLineLocked(Clock::now());
      tasks.swap(m_tasks);
      const auto now = Clock::now();
      auto split =
          std::stable_partition(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.when > now; });
      due.assign(std::make_move_iterator(split), std::make_move_iterator(m_timers.end()));
      m_timers.erase(split, m_timers.end());
      m_busy = !due.empty() || !tasks.empty();
    }
    // Timers that fell due together (the thread was late) run in the order they were due.
    std::stable_sort(due.begin(), due.end(), [](const Timer& a, const Timer& b) { return a.when < b.when; });
    for (auto& t : due) t.action();
    for (auto& t : tasks) t();
    {
      std::lock_guard lock(m_mutex);
      m_busy = false;
    }
    m_changed.notify_all();
  }
}

void SimulatedRadio::Call(std::function<void()> task) {
  std::promise<void> done;
  auto finished = done.get_future();
  {
    std::lock_guard lock(m_mutex);
    m_tasks.push_back([&] {
      task();
      done.set_value();
    });
  }
  const char c = 0;
  [[maybe_unused]] auto r = ::write(m_wake[1], &c, 1);
  finished.wait();
}

void SimulatedRadio::SendLocked(const std::vector<std::uint8_t>& bytes) {
  if (!LineModelled()) return WriteLocked(bytes);
  // An answer to a byte starts as that byte has arrived.
  const auto start = m_lineTime != Clock::time_point{} ? m_lineTime : Clock::now();
  for (std::uint8_t b : bytes) QueueForComputerLocked(b, start);
}

void SimulatedRadio::QueueForComputerLocked(std::uint8_t b, Clock::time_point earliestStart) {
  const auto start = std::max(earliestStart, m_toComputerFree);
  m_toComputerFree = start + m_byteTime;
  m_delivering.push_back({AdapterTick(m_toComputerFree), b});
}

SimulatedRadio::Clock::time_point SimulatedRadio::AdapterTick(Clock::time_point t) const {
  const auto latency = std::chrono::duration_cast<Clock::duration>(m_options.adapterLatency);
  if (latency.count() <= 0) return t;
  const auto ticks = (t - m_epoch + latency - Clock::duration(1)) / latency;
  return m_epoch + ticks * latency;
}

std::optional<SimulatedRadio::Clock::time_point> SimulatedRadio::NextLineEventLocked() const {
  std::optional<Clock::time_point> next;
  if (!m_arriving.empty()) next = m_arriving.front().when;
  if (!m_delivering.empty() && (!next || m_delivering.front().when < *next)) next = m_delivering.front().when;
  return next;
}

void SimulatedRadio::RunLineLocked(Clock::time_point now) {
  bool arrived = false;
  while (!m_arriving.empty() && m_arriving.front().when <= now) {
    const TimedByte b = m_arriving.front();
    m_arriving.pop_front();
    m_lineTime = b.when;
    OnByte(b.byte);
    m_lineTime = {};
    arrived = true;
  }
  if (arrived) m_changed.notify_all();
  std::vector<std::uint8_t> due;
  while (!m_delivering.empty() && m_delivering.front().when <= now) {
    due.push_back(m_delivering.front().byte);
    m_delivering.pop_front();
  }
  if (!due.empty()) WriteLocked(due);
}

void SimulatedRadio::WriteLocked(const std::vector<std::uint8_t>& bytes) {
  std::size_t sent = 0;
  const auto end = Clock::now() + std::chrono::seconds(1);
  while (m_master >= 0 && sent < bytes.size() && Clock::now() < end) {
    const ssize_t k = ::write(m_master, bytes.data() + sent, bytes.size() - sent);
    if (k > 0) {
      sent += std::size_t(k);
      m_sent += std::size_t(k);
    } else if (k < 0 && (errno == EAGAIN || errno == EINTR)) {
      pollfd p{m_master, POLLOUT, 0};
      ::poll(&p, 1, 10);
    } else {
      return;
    }
  }
}

void SimulatedRadio::ScheduleLocked(Clock::time_point when, std::function<void()> action) {
  m_timers.push_back({when, std::move(action)});
}

void SimulatedRadio::PowerOnLocked() {
  SendLocked({kReady});
  m_mode = Mode::kReady;
  m_pending.clear();
  m_pendingEntry = nullptr;
}

void SimulatedRadio::OnBytes(const std::uint8_t* bytes, std::size_t n) {
  std::lock_guard lock(m_mutex);
  m_chunks.emplace_back(bytes, bytes + n);
  m_received += n;
  if (LineModelled()) {
    // Each byte takes the wire to the radio in turn; its echo runs alongside.
    const auto now = Clock::now();
    for (std::size_t i = 0; i < n; ++i) {
      const auto start = std::max(now, m_toRadioFree);
      m_toRadioFree = start + m_byteTime;
      m_arriving.push_back({m_toRadioFree, bytes[i]});
      if (m_options.cableEcho) QueueForComputerLocked(bytes[i], start);
    }
    RunLineLocked(now);
    return;
  }
  if (m_options.cableEcho) SendLocked(m_chunks.back());
  for (std::size_t i = 0; i < n; ++i) OnByte(bytes[i]);
  m_changed.notify_all();
}

void SimulatedRadio::OnByte(std::uint8_t b) {
  const auto now = Clock::now();
  if (!m_pending.empty() && now - m_lastByte > m_options.frameGap) {
    m_pending.clear();
    m_pendingEntry = nullptr;
  }
  m_lastByte = now;
  if (m_pending.empty()) {
    if (m_mode == Mode::kOff) return;
    for (auto& c : m_controls) {
      if (c.mode == m_mode && c.byte == b) {
        m_controlLog.push_back(b);
        RunActionLocked(c.action);
        return;
      }
    }
    for (auto& e : m_commands) {
      if (e.mode == m_mode && e.command == b) {
        m_pending.push_back(b);
        m_pendingEntry = &e;
        return;
      }
    }
    return;  // a stray byte: the radio ignores it
  }
  m_pending.push_back(b);
  if (m_pending.size() == 2 && b != m_pendingEntry->length) {
    m_pending.clear();  // not a request this radio knows
    m_pendingEntry = nullptr;
    return;
  }
  if (m_pending.size() == std::size_t(m_pendingEntry->length) + 2) HandleFrame();
}

void SimulatedRadio::HandleFrame() {
  const FrameEntry& entry = *m_pendingEntry;
  LoggedFrame f;
  f.mode = m_mode;
  f.command = m_pending[0];
  f.length = m_pending[1];
  f.data.assign(m_pending.begin() + 2, m_pending.end() - 1);
  f.checksum = m_pending.back();
  f.checksumOk = Sum(m_pending, 0, m_pending.size() - 1) == f.checksum;
  m_pending.clear();
  m_pendingEntry = nullptr;
  if (!f.checksumOk) {
    m_frames.push_back(std::move(f));
    return;
  }
  const auto rule = MatchFault(f);
  if (rule) f.fault = rule->fault;
  m_frames.push_back(f);
  Context ctx{m_image, m_mode, rule, {}};
  entry.answer(ctx, f);
  if (rule) {
    auto& reply = ctx.reply;
    switch (rule->fault) {
      case Fault::kSilence:
        reply.clear();
        break;
      case Fault::kBadChecksum:
        if (!reply.empty()) reply.back() = std::uint8_t(reply.back() + 1);
        break;
      case Fault::kWrongCommand:
        if (!reply.empty()) reply[0] ^= 0x08;
        break;
      case Fault::kWrongLength:
        if (reply.size() > 1) reply[1] = std::uint8_t(reply[1] + 1);
        break;
      case Fault::kNak:
        reply = {kNak};
        break;
      case Fault::kChangedValue:
      case Fault::kStuck:
        break;  // the handler stored and answered accordingly
    }
  }
  FinishLocked(ctx);
}

void SimulatedRadio::RunActionLocked(const ControlHandler& action) {
  Context ctx{m_image, m_mode, std::nullopt, {}};
  action(ctx);
  FinishLocked(ctx);
}

void SimulatedRadio::FinishLocked(Context& ctx) {
  if (ctx.mode != m_mode) {
    m_pending.clear();
    m_pendingEntry = nullptr;
  }
  m_mode = ctx.mode;
  SendLocked(ctx.reply);
  for (auto& [delay, action] : ctx.later) {
    ScheduleLocked(Clock::now() + delay, [this, action = std::move(action)] {
      std::lock_guard lock(m_mutex);
      RunActionLocked(action);
      m_changed.notify_all();
    });
  }
}

void SimulatedRadio::After(std::chrono::milliseconds delay, ControlHandler action) {
  std::lock_guard lock(m_mutex);
  ScheduleLocked(Clock::now() + delay, [this, action = std::move(action)] {
    std::lock_guard inner(m_mutex);
    RunActionLocked(action);
    m_changed.notify_all();
  });
  const char c = 0;
  [[maybe_unused]] auto r = ::write(m_wake[1], &c, 1);
}

std::optional<FaultRule> SimulatedRadio::MatchFault(const LoggedFrame& frame) {
  for (auto it = m_faults.begin(); it != m_faults.end(); ++it) {
    const FaultRule& r = it->rule;
    if (r.command >= 0 && r.command != frame.command) continue;
    if (r.argument >= 0 && (frame.data.empty() || r.argument != frame.data[0])) continue;
    if (it->seen++ < r.skip) continue;
    FaultRule hit = r;
    if (r.times > 0 && it->seen - r.skip >= r.times) m_faults.erase(it);
    return hit;
  }
  return std::nullopt;
}

// ---- the test's side ----

Mode SimulatedRadio::GetMode() const {
  std::lock_guard lock(m_mutex);
  return m_mode;
}

void SimulatedRadio::SetMode(Mode mode) {
  std::lock_guard lock(m_mutex);
  m_mode = mode;
}

void SimulatedRadio::PowerOn() {
  Call([this] {
    std::lock_guard lock(m_mutex);
    PowerOnLocked();
  });
}

void SimulatedRadio::PowerOnAfter(std::chrono::milliseconds delay) {
  std::lock_guard lock(m_mutex);
  ScheduleLocked(Clock::now() + delay, [this] {
    std::lock_guard inner(m_mutex);
    PowerOnLocked();
  });
  const char c = 0;
  [[maybe_unused]] auto r = ::write(m_wake[1], &c, 1);
}

std::vector<std::uint8_t> SimulatedRadio::Image() const {
  std::lock_guard lock(m_mutex);
  return m_image;
}

void SimulatedRadio::SetImage(const std::vector<std::uint8_t>& image) {
  std::lock_guard lock(m_mutex);
  std::fill(m_image.begin(), m_image.end(), 0xFF);
  std::copy_n(image.begin(), std::min(image.size(), m_image.size()), m_image.begin());
}

std::uint16_t SimulatedRadio::Word(int index) const {
  std::lock_guard lock(m_mutex);
  return std::uint16_t(m_image.at(2 * std::size_t(index)) | m_image.at(2 * std::size_t(index) + 1) << 8);
}

void SimulatedRadio::SetWord(int index, std::uint16_t value) {
  std::lock_guard lock(m_mutex);
  m_image.at(2 * std::size_t(index)) = std::uint8_t(value);
  m_image.at(2 * std::size_t(index) + 1) = std::uint8_t(value >> 8);
}

std::vector<std::uint8_t> SimulatedRadio::Block(int imageBlock) const {
  std::lock_guard lock(m_mutex);
  const auto at = m_image.begin() + std::ptrdiff_t(imageBlock) * std::ptrdiff_t(kBlockSize);
  return {at, at + std::ptrdiff_t(kBlockSize)};
}

void SimulatedRadio::InjectFault(const FaultRule& rule) {
  std::lock_guard lock(m_mutex);
  m_faults.push_back({rule, 0});
}

void SimulatedRadio::ClearFaults() {
  std::lock_guard lock(m_mutex);
  m_faults.clear();
}

std::vector<LoggedFrame> SimulatedRadio::Frames() const {
  std::lock_guard lock(m_mutex);
  return m_frames;
}

std::vector<std::uint8_t> SimulatedRadio::ControlBytes() const {
  std::lock_guard lock(m_mutex);
  return m_controlLog;
}

std::vector<std::vector<std::uint8_t>> SimulatedRadio::Chunks() const {
  std::lock_guard lock(m_mutex);
  return m_chunks;
}

void SimulatedRadio::ClearLog() {
  std::lock_guard lock(m_mutex);
  m_frames.clear();
  m_controlLog.clear();
  m_chunks.clear();
}

bool SimulatedRadio::WaitForFrames(std::size_t n, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(m_mutex);
  return m_changed.wait_for(lock, timeout, [&] { return m_frames.size() >= n; });
}

SimulatedRadio::Clock::time_point SimulatedRadio::WireToRadioFree() const {
  std::lock_guard lock(m_mutex);
  return m_toRadioFree;
}

std::size_t SimulatedRadio::BytesReceived() const {
  std::lock_guard lock(m_mutex);
  return m_received;
}

std::size_t SimulatedRadio::BytesSent() const {
  std::lock_guard lock(m_mutex);
  return m_sent;
}

std::size_t SimulatedRadio::Settle(std::size_t received, Clock::time_point until) const {
  std::unique_lock lock(m_mutex);
  m_changed.wait_for(lock, kSettleLimit, [&] {
    if (m_stop || m_master < 0) return true;
    if (m_received < received || m_busy) return false;
    for (const Timer& t : m_timers)
      if (t.when <= until) return false;
    const auto line = NextLineEventLocked();
    return !line || *line > until;
  });
  return m_sent;
}

void SimulatedRadio::Stall(std::chrono::milliseconds duration) {
  std::lock_guard lock(m_mutex);
  m_stall = duration;
}

const SimulatedRadio* SimulatedRadio::AtDevice(const std::filesystem::path& device) {
  std::error_code error;
  const auto real = std::filesystem::canonical(device, error);
  if (error) return nullptr;
  std::lock_guard lock(g_radiosMutex);
  const auto it = Radios().find(real.string());
  return it == Radios().end() ? nullptr : it->second;
}

void SimulatedRadio::Unplug() {
  Call([this] {
    std::lock_guard lock(m_mutex);
    if (m_master >= 0) ::close(m_master);
    m_master = -1;
    m_arriving.clear();
    m_delivering.clear();
  });
}

}  // namespace radiosim

#include "link/serial_port.h"

#include <fcntl.h>
#include <grp.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::milliseconds;

// Milliseconds left until deadline, rounded up so that poll never wakes early.
int RemainingMs(Clock::time_point deadline) {
  const auto left = deadline - Clock::now();
  if (left <= Clock::duration::zero()) return 0;
  const auto ms = std::chrono::ceil<Millis>(left).count();
  return ms > 1'000'000 ? 1'000'000 : int(ms);
}

// Puts the line into raw mode at 9600 8N2 without flow control: nothing is
// translated, echoed or interpreted, and reads return at once (time-outs are
// done with poll).
void SetLine(int fd, termios& tio) {
  tio.c_iflag &= ~tcflag_t(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK);
  tio.c_oflag &= ~tcflag_t(OPOST | ONLCR);
  tio.c_lflag &= ~tcflag_t(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN);
  tio.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CRTSCTS);
  tio.c_cflag |= CS8 | CSTOPB | CREAD | CLOCAL;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  cfsetispeed(&tio, B9600);
  cfsetospeed(&tio, B9600);
  tcsetattr(fd, TCSANOW, &tio);
}

// Asks the driver to pass received bytes on at once. A USB serial adapter
// otherwise holds them up to its latency timer (16 ms by default), and every
// request waits for its echo and its answer. Drivers without the setting (a
// pseudo-terminal) refuse it; the line works as before. True when the setting
// was changed (and is to be put back at the close).
bool RequestLowLatency(int fd) {
  serial_struct serial{};
  if (::ioctl(fd, TIOCGSERIAL, &serial) != 0) return false;
  if (serial.flags & ASYNC_LOW_LATENCY) return false;
  serial.flags |= ASYNC_LOW_LATENCY;
  return ::ioctl(fd, TIOCSSERIAL, &serial) == 0;
}

// The device is left with the latency it had.
void RestoreLatency(int fd) {
  serial_struct serial{};
  if (::ioctl(fd, TIOCGSERIAL, &serial) != 0) return;
  serial.flags &= ~ASYNC_LOW_LATENCY;
  ::ioctl(fd, TIOCSSERIAL, &serial);
}

}  // namespace

// ---- PosixSerialPort ----

std::unique_ptr<PosixSerialPort> PosixSerialPort::Open(const std::string& path) {
  // Only a character device can be a serial port. Anything else is refused
  // unopened: opening a FIFO would wake whoever waits at its other end, and a
  // folder or a socket would only be refused with a reason of their own.
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISCHR(info.st_mode)) {
    errno = ENOTTY;
    return nullptr;
  }
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  // Nobody else may use the port while we hold it: TIOCEXCL refuses later
  // opens of the device, the lock also holds against privileged processes.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int e = errno == EWOULDBLOCK ? EBUSY : errno;
    ::close(fd);
    errno = e;
    return nullptr;
  }
  // A device that is no terminal (/dev/null) fails both with ENOTTY.
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
    const int e = errno;
    ::close(fd);
    errno = e;
    return nullptr;
  }
  SetLine(fd, tio);
  const bool lowLatencySet = RequestLowLatency(fd);
  // A pseudo-terminal has no modem lines: the failure is of no concern.
  int lines = TIOCM_DTR | TIOCM_RTS;
  ::ioctl(fd, TIOCMBIS, &lines);
  // A freshly opened port starts with empty queues, whatever the line carried before.
  ::tcflush(fd, TCIOFLUSH);
  auto port = std::unique_ptr<PosixSerialPort>(new PosixSerialPort(fd));
  port->m_timeouts = kTimeoutsWrite;
  port->m_restoreLatency = lowLatencySet;
  return port;
}

PosixSerialPort::~PosixSerialPort() {
  if (m_restoreLatency) RestoreLatency(m_fd);
  // Exclusive use ends with us, also when another descriptor keeps the device open.
  ::ioctl(m_fd, TIOCNXCL);
  ::close(m_fd);
}

bool PosixSerialPort::Read(std::uint8_t* buffer, std::size_t n, std::size_t& got) {
  got = 0;
  if (n == 0) return true;
  const auto start = Clock::now();
  const std::uint64_t total = std::uint64_t(m_timeouts.readTotalMultiplier) * n + m_timeouts.readTotalConstant;
  const auto noLimit = Clock::time_point::max();
  const auto totalDeadline = total ? start + Millis(total) : noLimit;
  auto lastByte = start;
  while (got < n) {
    auto deadline = totalDeadline;
    if (got > 0 && m_timeouts.readInterval) deadline = std::min(deadline, lastByte + Millis(m_timeouts.readInterval));
    int wait = -1;
    if (deadline != noLimit) {
      wait = RemainingMs(deadline);
      if (wait == 0) break;
    }
    pollfd p{m_fd, POLLIN, 0};
    const int r = ::poll(&p, 1, wait);
    if (r < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (r == 0) continue;
    if (p.revents & POLLIN) {
      const ssize_t k = ::read(m_fd, buffer + got, n - got);
      if (k > 0) {
        got += std::size_t(k);
        lastByte = Clock::now();
      } else if (k == 0 || (errno != EAGAIN && errno != EINTR)) {
        return false;  // hung up or failed
      }
    } else {
      return false;  // POLLHUP, POLLERR or POLLNVAL without data: the line is gone
    }
  }
  return true;
}

bool PosixSerialPort::Write(const std::uint8_t* bytes, std::size_t n, std::size_t& written) {
  written = 0;
  const std::uint64_t total = std::uint64_t(m_timeouts.writeTotalMultiplier) * n + m_timeouts.writeTotalConstant;
  const auto deadline = total ? Clock::now() + Millis(total) : Clock::time_point::max();
  while (written < n) {
    const ssize_t k = ::write(m_fd, bytes + written, n - written);
    if (k > 0) {
      written += std::size_t(k);
      continue;
    }
    if (k < 0 && errno == EINTR) continue;
    if (k < 0 && errno != EAGAIN) return false;
    int wait = -1;
    if (total) {
      wait = RemainingMs(deadline);
      if (wait == 0) return true;  // ran out of time: not a failure
    }
    pollfd p{m_fd, POLLOUT, 0};
    const int r = ::poll(&p, 1, wait);
    if (r < 0 && errno != EINTR) return false;
    if (r > 0 && !(p.revents & POLLOUT)) return false;
  }
  return true;
}

void PosixSerialPort::ClearDtr() {
  int lines = TIOCM_DTR;
  ::ioctl(m_fd, TIOCMBIC, &lines);
}

void PosixSerialPort::Purge() { ::tcflush(m_fd, TCIOFLUSH); }

// ---- pacing ----

void IPacing::Sleep(unsigned milliseconds) { std::this_thread::sleep_for(Millis(milliseconds)); }

void IPacing::DelayMicroseconds(unsigned microseconds) {
  if (microseconds == 0) return;
  const auto start = Now();
  while (Now() - start < std::chrono::microseconds(microseconds)) {
  }
}

IPacing& RealPacing() {
  static IPacing pacing;
  return pacing;
}

// ---- COM index to device ----

std::filesystem::path ComDevice::Shown() const {
  if (link.empty()) return path;
  std::error_code ec;
  const auto target = std::filesystem::read_symlink(link, ec);
  if (ec) return link;
  return target.is_absolute() ? target : (link.parent_path() / target).lexically_normal();
}

ComDevice ResolveComDevice(int comIndex, const ComFolders& folders) {
  namespace fs = std::filesystem;
  if (comIndex < 0 || comIndex > 15) comIndex = 0;
  ComDevice device;
  std::error_code ec;
  // Whatever the user put in the link folder wins, also when it leads nowhere.
  const auto own = folders.links / ("com" + std::to_string(comIndex + 1));
  device.linkPlace = own;
  const auto type = fs::symlink_status(own, ec).type();
  if (!ec && type != fs::file_type::not_found) {
    device.path = own;
    if (type == fs::file_type::symlink) device.link = own;
    device.present = fs::exists(own, ec);
    return device;
  }
  const std::string number = std::to_string(comIndex);
  for (const char* kind : {"ttyUSB", "ttyACM", "ttyS"}) {
    device.path = folders.devices / (kind + number);
    if (fs::exists(device.path, ec)) {
      device.present = true;
      device.searched.clear();
      return device;
    }
    device.searched.push_back(device.path);
  }
  return device;  // the built-in port's name, absent
}

bool IsKnownNotASerialPort(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return false;
  if (!S_ISCHR(info.st_mode)) return true;
  // /sys/dev/char/<major>:<minor>/subsystem leads to the device's class.
  const std::filesystem::path entry = "/sys/dev/char/" + std::to_string(major(info.st_rdev)) + ':' +
                                      std::to_string(minor(info.st_rdev)) + "/subsystem";
  std::error_code ec;
  const auto subsystem = std::filesystem::read_symlink(entry, ec);
  return !ec && subsystem.filename() != "tty";
}

std::string OpenErrorText(const ComDevice& device, int error, std::optional<unsigned> deviceGroup) {
  std::string text = "Open err\n\n";
  const std::string shown = device.Shown().string();
  if (!device.link.empty() && (error == ENOENT || error == ENOTTY)) {
    return text + "The link " + device.link.string() + " points to " + shown + ", which " +
           (error == ENOENT ? "does not exist." : "is not a serial port.");
  }
  if (error == ENOTTY) return text + shown + " is not a serial port.";
  if (error == ENOENT && !device.searched.empty()) {
    text += "None of ";
    for (std::size_t i = 0; i < device.searched.size(); ++i) {
      if (i > 0) text += i + 1 < device.searched.size() ? ", " : " and ";
      text += device.searched[i].string();
    }
    return text + " exists.\n\nA link " + device.linkPlace.string() + " can name another device.";
  }
  text += shown;
  if (error != 0) text += std::string(": ") + std::strerror(error);
  if ((error == EACCES || error == EPERM) && deviceGroup) {
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(16384);
    std::string name = "with id " + std::to_string(*deviceGroup);
    if (::getgrgid_r(gid_t(*deviceGroup), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
      name = '"' + std::string(found->gr_name) + '"';
    }
    text += "\n\nAdd your user to the group " + name + " that owns " + shown + ", then log in again.";
  }
  return text;
}

// ---- CComPort ----

CComPort::CComPort() : m_pacing(&RealPacing()) { SetOpener(nullptr); }

CComPort::~CComPort() { ClosePort(); }

void CComPort::SetOpener(Opener opener) {
  if (opener) {
    m_opener = std::move(opener);
  } else {
    m_opener = [](const std::string& path) -> std::unique_ptr<SerialPort> { return PosixSerialPort::Open(path); };
  }
}

int CComPort::OpenComPort(int comIndex, ILinkDialog& owner) {
  if (m_port) return 1;
  const ComDevice device = ResolveComDevice(comIndex, m_folders);
  const std::string path = device.path.string();
  errno = 0;
  m_port = m_opener(path);
  if (!m_port) {
    const int error = errno;
    std::optional<unsigned> group;
    struct stat info {};
    if ((error == EACCES || error == EPERM) && ::stat(path.c_str(), &info) == 0) group = info.st_gid;
    owner.MessageBox(OpenErrorText(device, error, group), "err");
    return -1;
  }
  m_path = path;
  m_port->SetTimeouts(kTimeoutsWrite);
  return 1;
}

void CComPort::ClosePort() {
  if (!m_port) return;
  m_port->ClearDtr();
  m_port->Purge();
  CloseHandle();
}

void CComPort::CloseHandle() {
  m_port.reset();
  m_path.clear();
}

void CComPort::SetCommTimeouts(const CommTimeouts& timeouts) {
  if (m_port) m_port->SetTimeouts(timeouts);
}

bool CComPort::ReadFile(std::uint8_t* buffer, std::size_t n, std::size_t& got) {
  got = 0;
  return m_port && m_port->Read(buffer, n, got);
}

bool CComPort::WriteFile(const std::uint8_t* bytes, std::size_t n, std::size_t& written) {
  written = 0;
  return m_port && m_port->Write(bytes, n, written);
}

int CComPort::CommWriteByte(std::uint8_t b) {
  SetCommTimeouts(kTimeoutsWrite);
  std::size_t written = 0;
  const bool ok = WriteFile(&b, 1, written);
  DelayMicroseconds(200);
  return ok ? 1 : 0;
}

int CComPort::CommWriteBytes(const std::uint8_t* bytes, std::size_t n) {
  SetCommTimeouts(kTimeoutsWrite);
  std::size_t written = 0;
  return WriteFile(bytes, n, written) ? 1 : 0;
}

namespace {
int ReadOne(CComPort& port, const CommTimeouts& timeouts, std::uint8_t& out) {
  port.SetCommTimeouts(timeouts);
  std::uint8_t b = 0;
  std::size_t got = 0;
  if (!port.ReadFile(&b, 1, got)) return kCommError;
  if (got == 0) return kCommTimeout;
  out = b;
  return kCommDone;
}
}  // namespace

int CComPort::CommReadByte(std::uint8_t& out) { return ReadOne(*this, kTimeoutsRead, out); }

int CComPort::CommReadByteLong(std::uint8_t& out) { return ReadOne(*this, kTimeoutsLong, out); }

int CComPort::ReadByteCancelable(ILinkDialog& dialog, std::uint8_t& out) {
  SetCommTimeouts(kTimeoutsRead);
  out = 0;
  for (;;) {
    if (dialog.CheckUserAbort() == 1) return kCommTimeout;
    std::uint8_t b = 0;
    std::size_t got = 0;
    if (!ReadFile(&b, 1, got)) return kCommError;
    if (got == 1) {
      out = b;
      return kCommDone;
    }
  }
}

void CComPort::DrainInput(unsigned quietMs, unsigned maxMs) {
  if (!m_port) return;
  SetCommTimeouts({quietMs, 0, quietMs, 0, 0});
  const auto end = Clock::now() + Millis(maxMs);
  std::uint8_t sink[64];
  std::size_t got = 0;
  while (ReadFile(sink, sizeof sink, got) && got > 0 && Clock::now() < end) {
  }
  SetCommTimeouts(kTimeoutsWrite);
}

CComPort& TheComPort() {
  static CComPort port;
  return port;
}

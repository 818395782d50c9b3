// The serial port: finding and opening the device, the line it sets up, the
// read time-outs, pacing, closing, and the Esc check.
#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <optional>
#include <thread>
#include <tuple>
#include <vector>

#include "link/clone_protocol.h"
#include "link_fixture.h"

using namespace std::chrono_literals;
using radiosim::Mode;
using radiosim::RecordingDialog;
using radiosim::SimulatedRadio;

// ---- COM index to device ----

// A fake device tree: links in root/dev, devices in root/sys.
class ComDeviceTree : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folders.links);
    std::filesystem::create_directories(folders.devices);
  }
  void TearDown() override { std::filesystem::remove_all(root); }
  void Device(const std::string& name) { std::ofstream(folders.devices / name) << ""; }
  void Link(const std::string& name, const std::string& target) {
    std::filesystem::create_symlink(target, folders.links / name);
  }
  // A path below the root, or an absolute one as it is.
  std::filesystem::path At(const std::string& path) const {
    return path[0] == '/' ? std::filesystem::path(path) : root / path;
  }

  std::filesystem::path root = FreshFolder();
  ComFolders folders{root / "dev", root / "sys"};
};

struct ResolveCase {
  const char* name;
  std::vector<const char*> devices;                       // in sys
  std::vector<std::pair<const char*, const char*>> links;  // in dev: name, target as written
  int comIndex;
  const char* path;   // opened, below the root (or absolute)
  const char* shown;  // named to the user
  bool viaLink;
  bool present;
};

TEST_F(ComDeviceTree, LinkWinsElseUsbThenAcmThenTheBuiltInPort) {
  const ResolveCase cases[] = {
      {"link over a present USB device", {"ttyUSB0", "ttyS5"}, {{"com1", "../sys/ttyS5"}}, 0, "dev/com1", "sys/ttyS5",
       true, true},
      {"link with a missing target", {"ttyUSB1"}, {{"com2", "/nonexistent/ttyUSB7"}}, 1, "dev/com2",
       "/nonexistent/ttyUSB7", true, false},
      {"USB before ACM and ttyS", {"ttyS2", "ttyACM2", "ttyUSB2"}, {}, 2, "sys/ttyUSB2", "sys/ttyUSB2", false, true},
      {"ACM before ttyS", {"ttyS3", "ttyACM3", "ttyUSB2"}, {}, 3, "sys/ttyACM3", "sys/ttyACM3", false, true},
      {"ttyS alone", {"ttyS15", "ttyUSB4"}, {}, 15, "sys/ttyS15", "sys/ttyS15", false, true},
      {"nothing there", {"ttyUSB0", "ttyACM1"}, {{"com6", "../sys/ttyUSB0"}}, 4, "sys/ttyS4", "sys/ttyS4", false,
       false},
      {"index 16 is COM1", {"ttyUSB0", "ttyUSB16"}, {}, 16, "sys/ttyUSB0", "sys/ttyUSB0", false, true},
      {"index -1 is COM1", {"ttyACM0"}, {{"com1", "/nonexistent/ttyACM9"}}, -1, "dev/com1", "/nonexistent/ttyACM9",
       true, false},
  };
  for (const ResolveCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (const char* d : c.devices) Device(d);
    for (const auto& [name, target] : c.links) Link(name, target);
    const ComDevice device = ResolveComDevice(c.comIndex, folders);
    EXPECT_EQ(device.path, At(c.path));
    EXPECT_EQ(device.Shown(), At(c.shown));
    EXPECT_EQ(device.link, c.viaLink ? At(c.path) : std::filesystem::path());
    EXPECT_EQ(device.present, c.present);
    TearDown();
    SetUp();
  }
}

// ---- the message of a port that cannot be opened ----

// Each kind of device (a present one, one chosen by a link, none at all) with
// the reasons the system gives.
TEST_F(ComDeviceTree, OpenErrorTextOfEachDeviceAndReason) {
  Device("ttyUSB0");
  Link("com2", "../sys/ttyUSB9");
  const ComDevice usb = ResolveComDevice(0, folders);
  const ComDevice link = ResolveComDevice(1, folders);
  const ComDevice none = ResolveComDevice(4, folders);
  Device("ttyS3");
  const ComDevice later = ResolveComDevice(3, folders);  // after ttyUSB3 and ttyACM3 were looked for
  const std::string usb0 = (folders.devices / "ttyUSB0").string();
  const std::string usb9 = (folders.devices / "ttyUSB9").string();
  const std::string com2 = (folders.links / "com2").string();
  const std::string sys = folders.devices.string();
  const std::string hint = "\n\nAdd your user to the group ";
  const std::tuple<const ComDevice&, int, std::optional<unsigned>, std::string> cases[] = {
      {usb, EACCES, 0, usb0 + ": Permission denied" + hint + "\"root\" that owns " + usb0 + ", then log in again."},
      {usb, EPERM, 0, usb0 + ": Operation not permitted" + hint + "\"root\" that owns " + usb0 + ", then log in again."},
      {usb, EACCES, 3999999, usb0 + ": Permission denied" + hint + "with id 3999999 that owns " + usb0 + ", then log in again."},
      {usb, EACCES, std::nullopt, usb0 + ": Permission denied"},
      {usb, EBUSY, std::nullopt, usb0 + ": Device or resource busy"},
      {usb, ENOTTY, std::nullopt, usb0 + " is not a serial port."},
      {usb, 0, std::nullopt, usb0},
      {link, EACCES, 0, usb9 + ": Permission denied" + hint + "\"root\" that owns " + usb9 + ", then log in again."},
      {link, ENOENT, std::nullopt, "The link " + com2 + " points to " + usb9 + ", which does not exist."},
      {link, ENOTTY, std::nullopt, "The link " + com2 + " points to " + usb9 + ", which is not a serial port."},
      {none, ENOENT, std::nullopt, "None of " + sys + "/ttyUSB4, " + sys + "/ttyACM4 and " + sys + "/ttyS4 exists.\n\nA link " +
                                       (folders.links / "com5").string() + " can name another device."},
      {none, EBUSY, std::nullopt, sys + "/ttyS4: Device or resource busy"},  // it came while we looked
      {later, ENOENT, std::nullopt, sys + "/ttyS3: No such file or directory"},  // it went while we looked
  };
  for (const auto& [device, error, group, text] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(OpenErrorText(device, error, group), "Open err\n\n" + text);
  }
}

TEST_F(ComDeviceTree, OpenErrNamesTheDeviceAndWhyThroughThePort) {
  RecordingDialog dialog;
  CComPort port;
  port.SetDeviceFolder(folders.links);
  port.SetSystemDeviceFolder(folders.devices);

  // No device at all: the built-in port's name, as the system refused it.
  EXPECT_EQ(port.OpenComPort(0, dialog), -1);
  // A link leading nowhere names the link and where it points.
  Link("com2", "../sys/ttyUSB9");
  EXPECT_EQ(port.OpenComPort(1, dialog), -1);
  // A refusal (as root too: the opener refuses) names the group of the device.
  Device("ttyUSB3");
  port.SetOpener([](const std::string&) -> std::unique_ptr<SerialPort> {
    errno = EACCES;
    return nullptr;
  });
  EXPECT_EQ(port.OpenComPort(3, dialog), -1);

  const group* own = ::getgrgid(::getegid());
  ASSERT_NE(own, nullptr);
  const std::string usb3 = (folders.devices / "ttyUSB3").string();
  ASSERT_EQ(dialog.boxes.size(), 3u);
  const std::string sys = folders.devices.string();
  EXPECT_EQ(dialog.boxes[0].first, "Open err\n\nNone of " + sys + "/ttyUSB0, " + sys + "/ttyACM0 and " + sys +
                                       "/ttyS0 exists.\n\nA link " + (folders.links / "com1").string() +
                                       " can name another device.");
  EXPECT_EQ(dialog.boxes[1].first, "Open err\n\nThe link " + (folders.links / "com2").string() + " points to " +
                                       (folders.devices / "ttyUSB9").string() + ", which does not exist.");
  EXPECT_EQ(dialog.boxes[2].first, "Open err\n\n" + usb3 + ": Permission denied\n\nAdd your user to the group \"" +
                                       own->gr_name + "\" that owns " + usb3 + ", then log in again.");
  for (const auto& box : dialog.boxes) EXPECT_EQ(box.second, "err");
  EXPECT_FALSE(port.IsOpen());
}

// ---- opening ----

class ComPortOpen : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::filesystem::path folder = FreshFolder();
  RecordingDialog dialog;
};

TEST_F(ComPortOpen, MissingDeviceShowsOpenErrAndLeavesNoPort) {
  std::filesystem::create_symlink(folder / "nothing-here", folder / "com2");
  CComPort port;
  port.SetDeviceFolder(folder);
  EXPECT_EQ(port.OpenComPort(1, dialog), -1);
  ASSERT_EQ(dialog.boxes.size(), 1u);
  EXPECT_EQ(dialog.boxes[0].second, "err");
  EXPECT_FALSE(port.IsOpen());
  std::uint8_t b = 0;
  EXPECT_EQ(port.CommWriteByte(0x40), 0);
  EXPECT_EQ(port.CommReadByte(b), kCommError);
  port.ClosePort();  // nothing to close
}

// Whatever a link leads to that is no terminal device is refused in plain words
// (the system would say "Inappropriate ioctl for device", "Is a directory" or
// "No such device or address"), and so is a com1 that is no device itself.
TEST_F(ComPortOpen, AnythingButATerminalDeviceIsNoSerialPort) {
  const auto at = [this](const char* name) { return (folder / name).string(); };
  std::ofstream(at("plain")) << "x";
  ASSERT_EQ(::mkfifo(at("fifo").c_str(), 0600), 0);
  std::filesystem::create_directory(at("folder"));
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  at("socket").copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

  const std::string com1 = at("com1");
  for (const std::string& target : {at("plain"), std::string("/dev/null"), at("fifo"), at("folder"), at("socket")}) {
    SCOPED_TRACE(target);
    std::filesystem::remove(com1);
    std::filesystem::create_symlink(target, com1);
    // Twice: a refused device is closed again, so its lock does not make the next try "busy".
    for (int attempt = 0; attempt < 2; ++attempt) {
      CComPort port;
      port.SetDeviceFolder(folder);
      EXPECT_EQ(port.OpenComPort(0, dialog), -1);
      ASSERT_FALSE(dialog.boxes.empty());
      EXPECT_EQ(dialog.boxes.back().first,
                "Open err\n\nThe link " + com1 + " points to " + target + ", which is not a serial port.");
    }
  }
  std::filesystem::remove(com1);
  std::ofstream(com1) << "x";
  CComPort port;
  port.SetDeviceFolder(folder);
  EXPECT_EQ(port.OpenComPort(0, dialog), -1);
  EXPECT_EQ(dialog.boxes.back().first, "Open err\n\n" + com1 + " is not a serial port.");
  ::close(listener);
}

// A refused permission names the group of the device a link leads to, not the
// link's own group.
TEST_F(ComPortOpen, RefusedLinkNamesTheGroupOfItsDevice) {
  // As root a file of ours can be given any group; otherwise /dev/null (group
  // root) differs from the group of the link we make.
  std::string device = "/dev/null";
  if (::geteuid() == 0) {
    device = (folder / "ttyUSB0").string();
    std::ofstream(device) << "";
    ASSERT_EQ(::chown(device.c_str(), uid_t(-1), gid_t(3999999)), 0);
  }
  std::filesystem::create_symlink(device, folder / "com1");
  struct stat target {}, link {};
  ASSERT_EQ(::stat(device.c_str(), &target), 0);
  ASSERT_EQ(::lstat((folder / "com1").c_str(), &link), 0);
  if (target.st_gid == link.st_gid) {
    GTEST_SKIP() << "the link and " << device << " both belong to group " << target.st_gid
                 << " (the primary group of this user), so the hint could name either";
  }

  CComPort port;
  port.SetDeviceFolder(folder);
  port.SetOpener([](const std::string&) -> std::unique_ptr<SerialPort> {
    errno = EACCES;
    return nullptr;
  });
  EXPECT_EQ(port.OpenComPort(0, dialog), -1);
  const group* owner = ::getgrgid(target.st_gid);
  const std::string name = owner ? '"' + std::string(owner->gr_name) + '"' : "with id " + std::to_string(target.st_gid);
  ASSERT_EQ(dialog.boxes.size(), 1u);
  EXPECT_EQ(dialog.boxes[0].first, "Open err\n\n" + device + ": Permission denied\n\nAdd your user to the group " +
                                       name + " that owns " + device + ", then log in again.");
}

// The exclusive flag of the terminal at device, asked through a descriptor of
// ours on it (the radio keeps one open). A second open would not tell: root
// passes TIOCEXCL. -1 when no descriptor is open on it.
static int ExclusiveFlag(const std::string& device) {
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    if (std::filesystem::read_symlink(entry.path(), ec) != device) continue;
    int flag = -1;
    if (::ioctl(std::stoi(entry.path().filename().string()), TIOCGEXCL, &flag) == 0) return flag;
  }
  return -1;
}

TEST_F(ComPortOpen, PortInUseIsRefusedUntilClosed) {
  SimulatedRadio radio;
  radio.LinkAsCom(folder, 0);
  CComPort first, second;
  first.SetDeviceFolder(folder);
  second.SetDeviceFolder(folder);
  ASSERT_EQ(first.OpenComPort(0, dialog), 1);
  EXPECT_EQ(ExclusiveFlag(radio.SlavePath()), 1);
  EXPECT_EQ(first.OpenComPort(0, dialog), 1);  // already open: kept
  EXPECT_EQ(second.OpenComPort(0, dialog), -1);
  ASSERT_EQ(dialog.boxes.size(), 1u);
  EXPECT_EQ(dialog.boxes[0].first,
            "Open err\n\n" + std::filesystem::read_symlink(folder / "com1").string() + ": Device or resource busy");
  first.ClosePort();
  EXPECT_EQ(ExclusiveFlag(radio.SlavePath()), 0);
  EXPECT_EQ(second.OpenComPort(0, dialog), 1);
}

TEST_F(ComPortOpen, LineIsRaw9600With8DataBitsNoParityTwoStopBits) {
  SimulatedRadio radio;
  radio.LinkAsCom(folder, 6);
  CComPort port;
  port.SetDeviceFolder(folder);
  ASSERT_EQ(port.OpenComPort(6, dialog), 1);
  const termios t = radio.LineSettings();
  EXPECT_EQ(cfgetospeed(&t), speed_t(B9600));
  EXPECT_EQ(cfgetispeed(&t), speed_t(B9600));
  EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
  EXPECT_TRUE(t.c_cflag & CSTOPB);
  EXPECT_FALSE(t.c_cflag & (PARENB | CRTSCTS));
  EXPECT_TRUE(t.c_cflag & CREAD);
  EXPECT_TRUE(t.c_cflag & CLOCAL);
  EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN));
  EXPECT_FALSE(t.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP));
  EXPECT_FALSE(t.c_oflag & OPOST);
}

// ---- reads, writes and their time-outs ----

// The port's own time-outs, on a line read as it is, not settled with the radio.
class RealLineTest : public LinkTest {
 protected:
  void SetUp() override {
    settled = false;
    LinkTest::SetUp();
  }
};

TEST_F(RealLineTest, ReadTimeOutsOfTheShortAndLongSets) {
  std::uint8_t b = 0x5A;
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(port.CommReadByte(b), kCommTimeout);
  auto ms = MillisSince(start);
  EXPECT_GE(ms, 290);
  EXPECT_LT(ms, 900);  // not the long set's 1000 ms, with room for a busy machine
  EXPECT_EQ(b, 0x5A);

  start = std::chrono::steady_clock::now();
  EXPECT_EQ(port.CommReadByteLong(b), kCommTimeout);
  ms = MillisSince(start);
  EXPECT_GE(ms, 990);
  EXPECT_LT(ms, 1900);
}

TEST_F(RealLineTest, EchoReadEndsAtTheIntervalOnceBytesFlow) {
  Connect(RadioIn(Mode::kOff));  // only the cable answers
  ASSERT_TRUE(port.CommWriteByte(0x33));
  radio->Settle(1, std::chrono::steady_clock::now());  // the echo is on its way, however late the radio's thread
  std::uint8_t echo[2] = {};
  std::size_t got = 0;
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(port.ReadFile(echo, 2, got));  // under the write set: 100 ms between bytes
  const auto ms = MillisSince(start);
  EXPECT_EQ(got, 1u);
  EXPECT_EQ(echo[0], 0x33);
  EXPECT_GE(ms, 90);
  EXPECT_LT(ms, 500);  // below the 510 ms total

  // Nothing at all: the whole total of 5 x 2 + 500 ms.
  const auto silent = std::chrono::steady_clock::now();
  ASSERT_TRUE(port.ReadFile(echo, 2, got));
  EXPECT_EQ(got, 0u);
  EXPECT_GE(MillisSince(silent), 500);
}

TEST_F(LinkTest, PulledCableFailsWritesAndReadsAtOnce) {
  radio->Unplug();
  std::uint8_t b = 0;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(port.CommWriteByte(0xF0), 0);
  EXPECT_EQ(port.CommWriteBytes(&b, 1), 0);
  EXPECT_EQ(port.CommReadByte(b), kCommError);
  EXPECT_EQ(port.CommReadByteLong(b), kCommError);
  EXPECT_LT(MillisSince(start), 250);
}

TEST_F(LinkTest, SingleBytesArePacedBurstsAreNot) {
  const std::uint8_t burst[16] = {};
  ASSERT_TRUE(port.CommWriteBytes(burst, 16));
  EXPECT_TRUE(pacing.Delays().empty());
  ASSERT_TRUE(port.CommWriteByte(1));
  ASSERT_TRUE(port.CommWriteByte(2));
  EXPECT_EQ(pacing.Delays(), (std::vector<unsigned>{200, 200}));

  // The real pause is a busy wait of at least the time asked.
  const auto start = std::chrono::steady_clock::now();
  RealPacing().DelayMicroseconds(200);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 200us);
}

// ---- closing ----

TEST_F(LinkTest, ClosingTwiceLeavesOtherFilesAlone) {
  port.ClosePort();
  EXPECT_FALSE(port.IsOpen());
  // The numbers the port used now belong to other files.
  std::vector<int> others;
  for (int i = 0; i < 4; ++i) others.push_back(::open("/dev/null", O_RDONLY | O_CLOEXEC));
  port.ClosePort();
  port.CloseHandle();
  for (int fd : others) {
    EXPECT_NE(::fcntl(fd, F_GETFD), -1) << "descriptor " << fd << " was closed";
    ::close(fd);
  }
}

TEST_F(LinkTest, NextRadioClosesAndTheSamePortOpensAgainEmpty) {
  port.CloseHandle();
  EXPECT_FALSE(port.IsOpen());
  radio->PowerOn();  // sent while nobody listens: lost, as on a closed port
  ASSERT_EQ(port.OpenComPort(kCom, dialog), 1);
  std::uint8_t b = 0;
  EXPECT_EQ(port.CommReadByte(b), kCommTimeout);
  ASSERT_TRUE(EnterWordMode(port));
  radio->SetWord(1, 0x0B00);
  std::uint16_t v = 0;
  EXPECT_EQ(CloneReadWord(port, 1, v), kCommDone);
  EXPECT_EQ(v, 0x0B00);
  EXPECT_TRUE(dialog.boxes.empty());
}

// ---- waiting for the radio, and Esc ----

TEST_F(LinkTest, EscEndsTheEndlessWaitOnASilentLine) {
  dialog.PressEscAfterChecks(1);
  std::uint8_t b = 0x77;
  EXPECT_EQ(port.ReadByteCancelable(dialog, b), kCommTimeout);
  EXPECT_EQ(b, 0);
  EXPECT_EQ(dialog.Checks(), 2);  // one read between the check before the key and the one after it
}

TEST_F(LinkTest, CancelableWaitReturnsTheFirstByteOrAFailedPort) {
  radio->PowerOnAfter(100ms);
  std::uint8_t b = 0;
  EXPECT_EQ(port.ReadByteCancelable(dialog, b), kCommDone);
  EXPECT_EQ(b, RADIO_READY);
  EXPECT_EQ(dialog.Checks(), 1);

  radio->Unplug();
  EXPECT_EQ(port.ReadByteCancelable(dialog, b), kCommError);
}

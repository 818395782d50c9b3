// The serial port: finding and opening the device, the line it sets up, the
// read time-outs, pacing, closing, and the Esc check.
#include <fcntl.h>

#include <fstream>
#include <thread>
#include <vector>

#include "link/clone_protocol.h"
#include "link_fixture.h"

using namespace std::chrono_literals;
using radiosim::Mode;
using radiosim::RecordingDialog;
using radiosim::SimulatedRadio;

// ---- COM index to device ----

TEST(ComDevice, LinkInTheDeviceFolderElseTheDefault) {
  const auto dir = FreshFolder();
  std::filesystem::create_symlink("/nonexistent/ttyUSB7", dir / "com4");
  EXPECT_EQ(ResolveComDevice(3, dir), dir / "com4");  // a dangling link still names the device
  EXPECT_EQ(ResolveComDevice(4, dir), "/dev/ttyS4");
  EXPECT_EQ(ResolveComDevice(15, dir), "/dev/ttyS15");
  std::filesystem::create_symlink("/nonexistent/ttyACM0", dir / "com1");
  // Indices outside 0..15 are COM1.
  EXPECT_EQ(ResolveComDevice(16, dir), dir / "com1");
  EXPECT_EQ(ResolveComDevice(-1, dir), dir / "com1");
  std::filesystem::remove_all(dir);
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
  EXPECT_EQ(dialog.boxes[0].first, "Open err");
  EXPECT_EQ(dialog.boxes[0].second, "err");
  EXPECT_FALSE(port.IsOpen());
  std::uint8_t b = 0;
  EXPECT_EQ(port.CommWriteByte(0x40), 0);
  EXPECT_EQ(port.CommReadByte(b), kCommError);
  port.ClosePort();  // nothing to close
}

TEST_F(ComPortOpen, FileThatIsNoTerminalIsRefused) {
  std::ofstream(folder / "plain") << "x";
  std::filesystem::create_symlink(folder / "plain", folder / "com1");
  CComPort port;
  port.SetDeviceFolder(folder);
  EXPECT_EQ(port.OpenComPort(0, dialog), -1);
  EXPECT_EQ(dialog.boxes.size(), 1u);
}

TEST_F(ComPortOpen, PortInUseIsRefusedUntilClosed) {
  SimulatedRadio radio;
  radio.LinkAsCom(folder, 0);
  CComPort first, second;
  first.SetDeviceFolder(folder);
  second.SetDeviceFolder(folder);
  ASSERT_EQ(first.OpenComPort(0, dialog), 1);
  EXPECT_EQ(first.OpenComPort(0, dialog), 1);  // already open: kept
  EXPECT_EQ(second.OpenComPort(0, dialog), -1);
  ASSERT_EQ(dialog.boxes.size(), 1u);
  EXPECT_EQ(dialog.boxes[0].first, "Open err");
  first.ClosePort();
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

TEST_F(LinkTest, ReadTimeOutsOfTheShortAndLongSets) {
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

TEST_F(LinkTest, EchoReadEndsAtTheIntervalOnceBytesFlow) {
  Connect(RadioIn(Mode::kOff));  // only the cable answers
  ASSERT_TRUE(port.CommWriteByte(0x33));
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
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(port.ReadByteCancelable(dialog, b), kCommTimeout);
  EXPECT_EQ(b, 0);
  EXPECT_LT(MillisSince(start), 800);  // one read of at most 300 ms after the key
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

// A simulated radio on a pseudo-terminal, reached as COM3 through a comN link
// in a folder of its own, and a port with recorded pacing.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "link/serial_port.h"
#include "radio/link_doubles.h"
#include "radio/simulated_radio.h"

inline std::filesystem::path FreshFolder() {
  static std::atomic<int> counter{0};
  auto dir = std::filesystem::temp_directory_path() /
             ("tq_link_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline long long MillisSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

class LinkTest : public ::testing::Test {
 protected:
  static constexpr int kCom = 2;  // COM3

  static radiosim::SimulatedRadio::Options RadioIn(radiosim::Mode mode) {
    radiosim::SimulatedRadio::Options options;
    options.mode = mode;
    return options;
  }

  void SetUp() override { Connect(RadioIn(radiosim::Mode::kWordMode)); }
  void TearDown() override {
    port.ClosePort();
    radio.reset();
    std::filesystem::remove_all(folder);
  }

  void Connect(radiosim::SimulatedRadio::Options options) {
    port.ClosePort();
    radio = std::make_unique<radiosim::SimulatedRadio>(options);
    if (folder.empty()) folder = FreshFolder();
    radio->LinkAsCom(folder, kCom);
    port.SetDeviceFolder(folder);
    port.SetOpener(settled ? radiosim::SettledOpener(lineOpener) : lineOpener);
    port.SetPacing(&pacing);
    ASSERT_EQ(port.OpenComPort(kCom, dialog), 1);
  }

  // What opens the radio's line (the real device when empty); its reads are
  // settled with the radio (radiosim::SettledPort), so no time-out races the
  // radio's thread. A test that sets an opener of its own reads unsettled.
  CComPort::Opener lineOpener;
  bool settled = true;  // false: the port's own time-outs race the radio, as on a real line
  std::filesystem::path folder;
  std::unique_ptr<radiosim::SimulatedRadio> radio;
  radiosim::TestPacing pacing;
  radiosim::RecordingDialog dialog;
  CComPort port;
};

// Shared pieces of the model tests: a host that records what the model reports,
// a fresh model on the heap, a model made a VHF radio, and a blank image.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/edit_model.h"

class RecordingHost : public IModelHost {
 public:
  std::vector<std::string> messages;
  int beeps = 0;
  std::vector<std::string> loadedLabels, savedLabels;
  std::string serialText;
  std::uint32_t esn = 0;
  std::uint8_t previousSystemType = 0;
  int memMap3 = 0;

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void Beep() override { ++beeps; }
  void OnFileLoaded(const std::string& label, const std::string& serial, std::uint32_t e,
                    std::uint8_t prev) override {
    loadedLabels.push_back(label);
    serialText = serial;
    esn = e;
    previousSystemType = prev;
  }
  void OnFileSaved(const std::string& label) override { savedLabels.push_back(label); }
  int GetMemMap3() const override { return memMap3; }
};

// A model with the recording host attached.
struct TestModel {
  RecordingHost host;
  std::unique_ptr<CEditModel> model = std::make_unique<CEditModel>();
  TestModel() { model->SetHost(&host); }
  CEditModel* operator->() { return model.get(); }
  CEditModel& operator*() { return *model; }
};

// A VHF radio of the production type, with the band's parameters and tuning tables.
inline void MakeVhf(CEditModel& m, std::uint8_t productionType = 0) {
  m.global.hardwareByte = kVhfHardware;
  m.global.bandFlag = 0;
  m.store.modelWord = std::uint32_t(productionType) << 8;
  m.freqRange.Reset();
  m.store.tuning.Reset(0);
}

// An image buffer of `fill` bytes up to the end of the image, 0 past it.
inline std::vector<std::uint8_t> BlankImage(std::uint8_t fill = 0xFF) {
  std::vector<std::uint8_t> image(kImageBufferSize, 0);
  std::fill(image.begin(), image.begin() + kImageSize, fill);
  return image;
}

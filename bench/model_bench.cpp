// Unpack and pack of a whole memory image, as every load, save, read and send does;
// a zone's group count changed, moving the later zones' records.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/default_image.h"
#include "model/edit_model.h"
#include "model/zone_model.h"

static void BM_UnpackPackImage(benchmark::State& state) {
  std::vector<std::uint8_t> file;
  BuildDefaultDataFile(true, file);
  auto model = std::make_unique<CEditModel>();
  std::copy(file.begin(), file.begin() + kFileImagePart, model->image.begin());
  for (auto _ : state) {
    model->UnpackImage(model->image.data());
    benchmark::DoNotOptimize(model->PackImage(model->image.data()));
  }
}
BENCHMARK(BM_UnpackPackImage)->Unit(benchmark::kMicrosecond);

// The unpack at the end of a read that skipped the blocks past the last group
// and channel blocks: what did not arrive is read as the band's fresh start.
static void BM_UnpackSkippingRead(benchmark::State& state) {
  std::vector<std::uint8_t> file;
  BuildDefaultDataFile(true, file);
  auto model = std::make_unique<CEditModel>();
  std::copy(file.begin(), file.begin() + kFileImagePart, model->image.begin());
  ImageBlocks received;
  for (std::size_t b = 0; b < received.size(); ++b) received[b] = b <= 25 || b == 57 || (b >= 185 && b <= 191) || b >= 254;
  for (auto _ : state) model->UnpackImage(model->image.data(), received);
}
BENCHMARK(BM_UnpackSkippingRead)->Unit(benchmark::kMicrosecond);

// A zone's group count changed back and forth on a radio whose 32 zones all
// hold groups, LTR zones with repeaters on channels across the store: every
// later record moves, with every channel and group reference.
static void BM_GroupCountChange(benchmark::State& state) {
  auto model = std::make_unique<CEditModel>();
  CEditModel& m = *model;
  for (int z = 0; z < kZoneCount; ++z) {
    m.store.SetSystemDefaults(z, z % 3 ? kSystemConventional : kSystemLtr);
    ApplyGroupCount(m, z, 1 + z % 7);
    for (int r = 0; r < kRepeatersPerZone; r += 4) m.store.zoneRepeaters[z][r] = std::uint16_t((z * 7 + r) % 250);
  }
  m.global.emergencySystem = 5;
  m.global.emergencyGroup = std::uint8_t(m.store.CountGroupsBeforeZone(5));
  int count = 3;
  for (auto _ : state) {
    count = count == 3 ? 5 : 3;
    benchmark::DoNotOptimize(ApplyGroupCount(m, 1, count).count);
  }
}
BENCHMARK(BM_GroupCountChange)->Unit(benchmark::kMicrosecond);

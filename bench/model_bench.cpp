// Unpack and pack of a whole memory image, as every load, save, read and send does.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/default_image.h"
#include "model/edit_model.h"

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

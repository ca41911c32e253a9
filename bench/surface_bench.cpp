// Each worst-case plant four ways, side by side in one run:
//   <plant>/null             computing the plant alone (a surface that draws nothing)
//   <plant>/software         computing and drawing it on the software surface
//   <plant>/software_replay  drawing its recorded strokes on the software surface
//   <plant>/cairo_replay     drawing the same strokes with cairo
// Targets: software <= 2 x null; cairo_replay >= 5 x software_replay for trees and bush.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "bench/cairo_replay.h"
#include "bench/null_surface.h"
#include "bench/plant_cases.h"
#include "bench/stroke_recorder.h"
#include "saver/surface/software_surface.h"

namespace verdant {
namespace {

using Strokes = std::shared_ptr<const std::vector<Stroke>>;

void Register(const std::string& name, std::function<void(benchmark::State&)> run, long lines) {
  benchmark::RegisterBenchmark(name.c_str(), [run, lines](benchmark::State& state) {
    run(state);
    state.counters["lines"] = lines;
  })->Unit(benchmark::kMillisecond);
}

void RegisterCase(const PlantCase& plant, const Strokes& strokes, long lines) {
  Register(
      plant.name + "/null",
      [plant](benchmark::State& state) {
        NullSurface surface;
        for (auto _ : state) plant.draw(surface, plant.seed);
      },
      lines);
  Register(
      plant.name + "/software",
      [plant](benchmark::State& state) {
        SoftwareSurface surface(kBenchWidth, kBenchHeight);
        for (auto _ : state) {
          plant.draw(surface, plant.seed);
          benchmark::DoNotOptimize(surface.Data());
          benchmark::ClobberMemory();
        }
      },
      lines);
  Register(
      plant.name + "/software_replay",
      [strokes](benchmark::State& state) {
        SoftwareSurface surface(kBenchWidth, kBenchHeight);
        for (auto _ : state) {
          ReplayStrokes(*strokes, surface);
          benchmark::DoNotOptimize(surface.Data());
          benchmark::ClobberMemory();
        }
      },
      lines);
  Register(
      plant.name + "/cairo_replay",
      [strokes](benchmark::State& state) {
        CairoCanvas canvas(kBenchWidth, kBenchHeight);
        for (auto _ : state) {
          canvas.Draw(*strokes);
          canvas.Flush();
        }
      },
      lines);
}

}  // namespace
}  // namespace verdant

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  for (const verdant::PlantCase& plant : verdant::WorstCases()) {
    verdant::StrokeRecorder recording;
    plant.draw(recording, plant.seed);
    if (plant.expected_lines >= 0 && recording.lines() != plant.expected_lines) {
      std::fprintf(stderr, "%s draws %ld lines, not %ld\n", plant.name.c_str(), recording.lines(),
                   plant.expected_lines);
      return 1;
    }
    verdant::RegisterCase(plant,
                          std::make_shared<std::vector<verdant::Stroke>>(recording.strokes()),
                          recording.lines());
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

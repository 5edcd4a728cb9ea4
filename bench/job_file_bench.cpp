// Opening and saving the largest job (six facades of 400 elements): both
// should feel instant (target: well under 10 ms each).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/job_file.h"

namespace {

ventora::Job FullJob() {
  ventora::Job job;
  job.AzB = 12.5f;
  job.VeEXP = 0.25f;
  for (int f = 1; f <= ventora::kFacadeCount; ++f) {
    job.ElmCount[f] = ventora::kMaxElements;
    for (int e = 1; e <= ventora::kMaxElements; ++e) {
      job.ElmX[f][e] = static_cast<float>(e) * 0.137f;
      job.ElmZ[f][e] = static_cast<float>(f * e) * 0.0731f;
    }
  }
  return job;
}

std::string BenchJobName() {
  return (std::filesystem::temp_directory_path() / "ventora-job-file-bench").string();
}

void BM_ReadFullJob(benchmark::State& state) {
  const std::string name = BenchJobName();
  ventora::WriteJobFile(FullJob(), name);
  ventora::NumberText numbers(ventora::kPointDecimal);
  for (auto _ : state)
    benchmark::DoNotOptimize(ventora::ReadJobFile(name + ".in", numbers));
  std::filesystem::remove(name + ".in");
}
BENCHMARK(BM_ReadFullJob)->Unit(benchmark::kMillisecond);

void BM_WriteFullJob(benchmark::State& state) {
  const std::string name = BenchJobName();
  const ventora::Job job = FullJob();
  for (auto _ : state)
    ventora::WriteJobFile(job, name);
  std::filesystem::remove(name + ".in");
}
BENCHMARK(BM_WriteFullJob)->Unit(benchmark::kMillisecond);

}  // namespace

// Writes the jobs the process benchmarks run, into the folder given:
// bench-2000.in (the 2,000-element job of bench_job.h), bench-scattered.in
// (the same elements each at a height of its own) and bench-empty.in (the
// same building without elements: start-up, reading and the report's header
// only).
#include <exception>
#include <iostream>
#include <string>

#include "bench_job.h"
#include "core/job_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write_bench_jobs FOLDER\n";
    return 1;
  }
  const std::string folder = argv[1];
  try {
    ventora::Job job = ventora::bench::MakeBenchJob();
    ventora::WriteJobFile(job, folder + "/bench-2000");
    ventora::WriteJobFile(ventora::bench::MakeScatteredBenchJob(), folder + "/bench-scattered");
    job.ElmCount = {};
    ventora::WriteJobFile(job, folder + "/bench-empty");
  } catch (const std::exception& e) {
    std::cerr << "write_bench_jobs: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

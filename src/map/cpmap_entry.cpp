#include "map/cpmap_entry.h"

#include "map/cpmap_file.h"

void ventora_write_cpmap_file(const std::filesystem::path& path, const ventora::Job& job,
                              const ventora::RunResult& run, const std::string& jobName,
                              char decimal) {
  ventora::WriteCpMapFile(path, job, run, jobName, decimal);
}

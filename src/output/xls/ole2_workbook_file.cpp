#include "output/xls/ole2_workbook_file.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>

#include <cerrno>
#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace ventora {
namespace {

struct GObjectUnref {
  void operator()(void* object) const { g_object_unref(object); }
};
template <typename T>
using GsfRef = std::unique_ptr<T, GObjectUnref>;

std::string GsfErrorText(GsfOutput* output) {
  const GError* error = output != nullptr ? gsf_output_error(output) : nullptr;
  return error != nullptr && error->message != nullptr ? error->message : "write error";
}

// Closing flushes; an output that cannot finish reports it here.
void CloseOrThrow(GsfOutput* output) {
  if (!gsf_output_is_closed(output) && !gsf_output_close(output))
    throw std::runtime_error(GsfErrorText(output));
}

// The system's reason for the last failed call, for the user's message.
std::string SystemReason() {
  return errno != 0 ? std::generic_category().message(errno) : "write error";
}

void WriteFile(const std::filesystem::path& path, const guint8* bytes, std::size_t size) {
  errno = 0;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw std::runtime_error(SystemReason());
  file.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  file.close();
  if (file.fail()) throw std::runtime_error(SystemReason());
}

// The compound file is built in memory and written to disk in one go.
void WriteCompoundFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& stream) {
  GsfRef<GsfOutput> sink(gsf_output_memory_new());
  GsfRef<GsfOutfile> ole(sink ? gsf_outfile_msole_new(sink.get()) : nullptr);
  GsfRef<GsfOutput> workbook(ole ? gsf_outfile_new_child(ole.get(), "Workbook", FALSE) : nullptr);
  if (!workbook) throw std::runtime_error("cannot create the compound file");
  if (!gsf_output_write(workbook.get(), stream.size(), stream.data()))
    throw std::runtime_error(GsfErrorText(workbook.get()));
  CloseOrThrow(workbook.get());
  CloseOrThrow(GSF_OUTPUT(ole.get()));
  CloseOrThrow(sink.get());
  WriteFile(path, gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get())),
            static_cast<std::size_t>(gsf_output_size(sink.get())));
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  std::random_device random;
  std::filesystem::path temp = target;
  temp += ".tmp" + std::to_string(random() % 1000000);
  return temp;
}

}  // namespace

void SaveWorkbookFile(const std::filesystem::path& target,
                      const std::vector<std::uint8_t>& stream) {
  const std::filesystem::path temp = TemporaryBeside(target);
  try {
    WriteCompoundFile(temp, stream);
    std::filesystem::rename(temp, target);
  } catch (const std::exception& e) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    throw std::runtime_error("Cannot write the workbook \"" + target.string() + "\": " + e.what());
  }
}

}  // namespace ventora

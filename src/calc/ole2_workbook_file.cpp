#include "calc/ole2_workbook_file.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>

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

void WriteCompoundFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& stream) {
  GError* openError = nullptr;
  GsfRef<GsfOutput> sink(gsf_output_stdio_new(path.c_str(), &openError));
  if (!sink) {
    const std::string why = openError != nullptr ? openError->message : "cannot create the file";
    if (openError != nullptr) g_error_free(openError);
    throw std::runtime_error(why);
  }
  GsfRef<GsfOutfile> ole(gsf_outfile_msole_new(sink.get()));
  GsfRef<GsfOutput> workbook(gsf_outfile_new_child(ole.get(), "Workbook", FALSE));
  if (!ole || !workbook) throw std::runtime_error("cannot create the compound file");
  if (!gsf_output_write(workbook.get(), stream.size(), stream.data()))
    throw std::runtime_error(GsfErrorText(workbook.get()));
  CloseOrThrow(workbook.get());
  CloseOrThrow(GSF_OUTPUT(ole.get()));
  CloseOrThrow(sink.get());
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

#include "output/xls/ole2_workbook_file.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/replace_file.h"

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

// The compound file is built in memory and written to disk in one go.
void WriteCompoundFile(ReplacingFile& file, const std::vector<std::uint8_t>& stream) {
  GsfRef<GsfOutput> sink(gsf_output_memory_new());
  GsfRef<GsfOutfile> ole(sink ? gsf_outfile_msole_new(sink.get()) : nullptr);
  GsfRef<GsfOutput> workbook(ole ? gsf_outfile_new_child(ole.get(), "Workbook", FALSE) : nullptr);
  if (!workbook) throw std::runtime_error("cannot create the compound file");
  if (!gsf_output_write(workbook.get(), stream.size(), stream.data()))
    throw std::runtime_error(GsfErrorText(workbook.get()));
  CloseOrThrow(workbook.get());
  CloseOrThrow(GSF_OUTPUT(ole.get()));
  CloseOrThrow(sink.get());
  const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
  file.Write(std::string_view(reinterpret_cast<const char*>(bytes),
                              static_cast<std::size_t>(gsf_output_size(sink.get()))));
}

}  // namespace

void SaveWorkbookFile(const std::filesystem::path& target,
                      const std::vector<std::uint8_t>& stream) {
  try {
    ReplacingFile file(target);
    WriteCompoundFile(file, stream);
    file.Commit();
  } catch (const FileFault& e) {
    throw std::runtime_error("Cannot write the workbook " + std::string(e.what()));
  } catch (const std::exception& e) {
    throw std::runtime_error("Cannot write the workbook \"" + target.string() + "\": " + e.what());
  }
}

}  // namespace ventora

// The job between the page and core: read from a job file's text, written
// back as the desktop program writes it, and handed to the page as a plain
// object (web/bindings/page_job.h).
#include <emscripten/bind.h>

#include <sstream>
#include <string>

#include "core/job.h"
#include "core/job_file.h"
#include "web/bindings/page_job.h"

namespace ventora::web {
namespace {

using emscripten::val;

// {job} for a good file, {job, warning} when the header line lacked values
// (the desktop's words), {error} when the file cannot be read; the file is
// named as the user chose it.
val ReadJob(const std::string& text, const std::string& fileName) {
  val result = val::object();
  NumberText numbers(kPointDecimal);
  JobFileNotes notes;
  std::istringstream in(text);
  try {
    result.set("job", ToPage(ReadJobText(in, fileName, numbers, notes)));
  } catch (const std::exception& e) {
    result.set("error", std::string(e.what()));
    return result;
  }
  if (!notes.unreadHeader.empty()) result.set("warning", DamagedHeaderWarning(fileName, notes));
  return result;
}

std::string JobText(const val& page) {
  return JobFileText(FromPage(page));
}

val NewJob() {
  return ToPage(Job{});
}

// L and H of facade `iface` of the page's job.
val Extent(const val& page, int iface) {
  const FacadeExtents e = FacadeExtent(FromPage(page), iface);
  val result = val::object();
  result.set("L", e.L);
  result.set("H", e.H);
  return result;
}

}  // namespace

EMSCRIPTEN_BINDINGS(job) {
  emscripten::function("readJob", &ReadJob);
  emscripten::function("jobText", &JobText);
  emscripten::function("newJob", &NewJob);
  emscripten::function("facadeExtent", &Extent);
}

}  // namespace ventora::web

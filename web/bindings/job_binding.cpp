// The job between the page and core: read from a job file's text, written
// back as the desktop program writes it, and handed to the page as a plain
// object ({AzB, ..., Islope, facades: [{x: [], z: []} for facades 1..6]}).
#include <emscripten/bind.h>

#include <sstream>
#include <string>

#include "core/job.h"
#include "core/job_file.h"
#include "web/bindings/header_values.h"

namespace ventora::web {
namespace {

using emscripten::val;

val ToPage(const Job& job) {
  val page = val::object();
  for (const HeaderValue& h : kHeaderValues)
    page.set(h.symbol, job.*h.member);
  page.set("Islope", job.Islope);
  val facades = val::array();
  for (int f = 1; f <= kFacadeCount; ++f) {
    val x = val::array();
    val z = val::array();
    for (int i = 1; i <= job.ElmCount[f]; ++i) {
      x.call<void>("push", job.ElmX[f][i]);
      z.call<void>("push", job.ElmZ[f][i]);
    }
    val facade = val::object();
    facade.set("x", x);
    facade.set("z", z);
    facades.call<void>("push", facade);
  }
  page.set("facades", facades);
  return page;
}

// The page keeps 32-bit values as they came from here or from the checks.
Job FromPage(const val& page) {
  Job job;
  for (const HeaderValue& h : kHeaderValues)
    job.*h.member = page[h.symbol].as<float>();
  job.Islope = page["Islope"].as<std::int16_t>();
  const val facades = page["facades"];
  for (int f = 1; f <= kFacadeCount; ++f) {
    const val facade = facades[f - 1];
    const int count = facade["x"]["length"].as<int>();
    job.ElmCount[f] = static_cast<std::int16_t>(count < kMaxElements ? count : kMaxElements);
    for (int i = 1; i <= job.ElmCount[f]; ++i) {
      job.ElmX[f][i] = facade["x"][i - 1].as<float>();
      job.ElmZ[f][i] = facade["z"][i - 1].as<float>();
    }
  }
  return job;
}

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

#include "web/bindings/page_job.h"

#include <algorithm>
#include <vector>

#include "web/bindings/header_values.h"

namespace ventora::web {

using emscripten::val;

namespace {

// The elements' coordinates of one facade as a plain array, taken in one
// copy rather than one call an element.
val Coordinates(const float* values, int count) {
  const val copy =
      val::global("Float32Array")
          .new_(val(emscripten::typed_memory_view(static_cast<std::size_t>(count), values)));
  return val::global("Array").call<val>("from", copy);
}

}  // namespace

val ToPage(const Job& job) {
  val page = val::object();
  for (const HeaderValue& h : kHeaderValues)
    page.set(h.symbol, job.*h.member);
  page.set("Islope", job.Islope);
  val facades = val::array();
  for (int f = 1; f <= kFacadeCount; ++f) {
    const int count = std::clamp<int>(job.ElmCount[f], 0, kMaxElements);
    val facade = val::object();
    facade.set("x", Coordinates(&job.ElmX[f][1], count));
    facade.set("z", Coordinates(&job.ElmZ[f][1], count));
    facades.call<void>("push", facade);
  }
  page.set("facades", facades);
  return page;
}

Job FromPage(const val& page) {
  Job job;
  for (const HeaderValue& h : kHeaderValues)
    job.*h.member = page[h.symbol].as<float>();
  job.Islope = page["Islope"].as<std::int16_t>();
  const val facades = page["facades"];
  for (int f = 1; f <= kFacadeCount; ++f) {
    const val facade = facades[f - 1];
    const std::vector<float> x = emscripten::convertJSArrayToNumberVector<float>(facade["x"]);
    const std::vector<float> z = emscripten::convertJSArrayToNumberVector<float>(facade["z"]);
    const std::size_t count = std::min({x.size(), z.size(), std::size_t{kMaxElements}});
    job.ElmCount[f] = static_cast<std::int16_t>(count);
    std::copy_n(x.begin(), count, &job.ElmX[f][1]);
    std::copy_n(z.begin(), count, &job.ElmZ[f][1]);
  }
  return job;
}

}  // namespace ventora::web

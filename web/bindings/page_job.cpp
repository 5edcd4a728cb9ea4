#include "web/bindings/page_job.h"

#include "web/bindings/header_values.h"

namespace ventora::web {

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

}  // namespace ventora::web

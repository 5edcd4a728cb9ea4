// The Cp map's spread layer for the page: the model's own spread of each
// element's Cp at the job's wind direction, from the same command as
// ventora-run --spread and the desktop's layer, with the rings' look and
// words the desktop's (map/spread_ring.h). Computed only when asked: it
// runs the job at eleven directions, and a flat roof's twin once more.
#include <emscripten/bind.h>

#include <cmath>
#include <string>

#include "commands/cp_spread.h"
#include "map/spread_ring.h"
#include "output/sweep/export_text.h"
#include "web/bindings/cpmap_binding.h"
#include "web/bindings/page_job.h"

namespace ventora::web {
namespace {

using emscripten::val;

constexpr char kDecimal = '.';

// Cp low and Cp high as the CSV writes them, and how the ring looks.
val ElementToPage(const ElementSpread& s) {
  const SpreadRing ring = RingOf(s);
  val element = val::object();
  element.set("low", NumberString(s.low));
  element.set("high", NumberString(s.high));
  element.set("thickness", ring.thickness);
  element.set("colour", ColourText(ring.colour));
  element.set("wide", ring.wide);
  element.set("range", SpreadRangeText(s, kDecimal));
  element.set("tip", SpreadTipText(s, kDecimal));
  return element;
}

// {elements (by running number k - 1, null where the element has no Cp),
// key, gap, notes, error}: `page` is the job as it ran, the checks'
// changes in it.
val SpreadOfJob(const val& page) {
  const Job job = FromPage(page);
  val out = val::object();
  val elements = val::array();
  val notes = val::array();
  out.set("key", std::string(kSpreadKey));
  out.set("gap", kSpreadRingGap);
  out.set("error", std::string());
  try {
    const CpSpread spread = SpreadAround(job, {job.AnWind});
    for (const ElementSpread& s : spread.directions.front().elements)
      elements.call<void>("push", std::isfinite(s.low) ? ElementToPage(s) : val::null());
    for (const std::string& note : spread.notes)
      notes.call<void>("push", "No spread from the labelling: " + note);
  } catch (const std::exception& e) {
    out.set("error", std::string(e.what()));
  }
  out.set("elements", elements);
  out.set("notes", notes);
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(spread) {
  emscripten::function("cpSpread", &SpreadOfJob);
}

}  // namespace ventora::web

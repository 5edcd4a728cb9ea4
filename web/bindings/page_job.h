#pragma once
// The job as the page holds it: a plain object {AzB, ..., Islope, facades:
// [{x: [], z: []} for facades 1..6]}, its 32-bit values as they came from
// the engine or from its checks.

#include <emscripten/val.h>

#include "core/job.h"

namespace ventora::web {

emscripten::val ToPage(const Job& job);
Job FromPage(const emscripten::val& page);

}  // namespace ventora::web

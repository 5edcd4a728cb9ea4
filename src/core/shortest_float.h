#pragma once
// The shortest text that reads back as exactly a given 32-bit value, letter
// for letter what std::to_chars(first, last, value) writes ("0.6",
// "-0.41367", "1e-05"), at a fraction of its cost for the values a run
// produces: exports write tens of thousands of them per job.

namespace ventora {

// Writes the text at `out` and returns its end. All 16 characters from
// `out` may be overwritten, whatever the text's length.
char* WriteShortestFloat(char* out, float value);

}  // namespace ventora

#pragma once
// The program's name and version as the windows show them.

namespace ventora {

#ifndef VENTORA_VERSION
#define VENTORA_VERSION "0.0.0"
#endif

inline constexpr const char* kProgramVersion = VENTORA_VERSION;

}  // namespace ventora

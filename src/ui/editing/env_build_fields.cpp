#include "ui/editing/env_build_fields.h"

namespace ventora::ui {
namespace {

bool Angle(float v) {
  return v >= 0 && v <= 360;
}
bool Density(float v) {
  return v >= 0 && v <= 50;
}
bool Positive(float v) {
  return v > 0;
}
bool Exponent(float v) {
  return v >= 0 && v <= 0.45f;
}  // the bound as a 32-bit value
bool Tilt(float v) {
  return v >= 0 && v < 50;
}

}  // namespace

// The refusal texts are the program's own, inequality signs and all.
const std::array<EnvField, kEnvFieldCount> kEnvFields{{
    {"fAzB", "&Azimuth Angle of the Building", "Label1", "deg.", &Job::AzB, "Building Orientation",
     HelpPicture::BldgOr, Angle, "It must be a number: 0 <= Real <= 360"},
    {"fAnWind", "Wind &Direction", "Label2", "deg.", &Job::AnWind, "Building Orientation",
     HelpPicture::WindDir, Angle, "It must be a number: 0 <= Real <= 360"},
    {"fPAD", "&Plan Area Density", "Label3", "%", &Job::PAD, "Plan Area Density", HelpPicture::PAD,
     Density, "It must be a number: 0 <= Real <= 50"},
    {"fSBH", "&Surrounding Buildings' Height", "Label4", "m", &Job::SbH,
     "Surroundig Building Height", HelpPicture::SBH, Positive, "It must be a number: Real > 0"},
    {"fBdZ", "&Height of the Building", "Label5", "m", &Job::Bdz, "Height of The Building",
     HelpPicture::BldgDim, Positive, "It must be a number: Real > 0"},
    {"fBdX", "&Lenght of the Building", "Label7", "m", &Job::BdX, "Lenght of The Building",
     HelpPicture::BldgDim, Positive, "It must be a number: Real > 0"},
    {"fBdY", "&Width of the Building", "Label6", "m", &Job::BdY, "Width of The Building",
     HelpPicture::BldgDim, Positive, "It must be a number: Real > 0"},
    {"fVeEXP", "Wind Velocity Profile &Exponent", "Label8", "", &Job::VeEXP,
     "Wind Velocity Profile Exponent", HelpPicture::VETable, Exponent,
     "It must be a number: 0 <= Real > 0.45"},
    {"fPhi", "Roof &Tilt Angle", "Label9", "deg.", &Job::Phi, "Roof Tilt Angle",
     HelpPicture::tiltsl, Tilt, "It must be a number: 0 <= Real > 50"},
}};

}  // namespace ventora::ui

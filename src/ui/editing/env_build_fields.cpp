#include "ui/editing/env_build_fields.h"

namespace ventora::ui {

const std::array<EnvField, kEnvFieldCount> kEnvFields{{
    {"fAzB", "&Azimuth Angle of the Building", "Label1", "deg.", &Job::AzB, "Building Orientation",
     HelpPicture::BldgOr, limits::kAzB.accepted, &limits::kAzB},
    {"fAnWind", "Wind &Direction", "Label2", "deg.", &Job::AnWind, "Building Orientation",
     HelpPicture::WindDir, limits::kAnWind.accepted, &limits::kAnWind},
    {"fPAD", "&Plan Area Density", "Label3", "%", &Job::PAD, "Plan Area Density", HelpPicture::PAD,
     limits::kPAD.accepted, &limits::kPAD},
    {"fSBH", "&Surrounding Buildings' Height", "Label4", "m", &Job::SbH,
     "Surrounding Buildings' Height", HelpPicture::SBH, limits::kSbH.accepted, &limits::kSbH},
    {"fBdZ", "&Height of the Building", "Label5", "m", &Job::Bdz, "Height of the Building",
     HelpPicture::BldgDim, limits::kBdz.accepted, &limits::kBdz},
    {"fBdX", "&Length of the Building", "Label7", "m", &Job::BdX, "Length of the Building",
     HelpPicture::BldgDim, limits::kBdX.accepted, &limits::kBdX},
    {"fBdY", "&Width of the Building", "Label6", "m", &Job::BdY, "Width of the Building",
     HelpPicture::BldgDim, limits::kBdY.accepted, &limits::kBdY},
    {"fVeEXP", "Wind Velocity Profile &Exponent", "Label8", "", &Job::VeEXP,
     "Wind Velocity Profile Exponent", HelpPicture::VETable, limits::kVeEXPFieldAccepted,
     &limits::kVeEXP},
    {"fPhi", "Roof &Tilt Angle", "Label9", "deg.", &Job::Phi, "Roof Tilt Angle",
     HelpPicture::tiltsl, limits::kPhi.accepted, &limits::kPhi},
}};

}  // namespace ventora::ui

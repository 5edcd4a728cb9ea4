#pragma once
// Coefficient tables and grids of the roof model, transcribed from the model's
// published tables (no program writes this file); each row's comment gives
// its number and grid values as those tables list them. One row is one fitted
// curve with its coefficients c1..cn; row r is stored at index r - 1.

#include <array>

#include "engine/models/coef_table.h"

namespace ventora {

// clang-format off

// The bands that pick the angle and VeEXP factors' rows, without
// interpolation: ZH in fifths (ZH 1 in the last), the angle in steps of 22.5
// degrees up to 90 (beyond it, mirrored).
inline constexpr int kRoofZHBands = 5;
inline constexpr int kRoofVeEXPAngleBands = 4;

// ZH points of the PAD factor.
inline constexpr std::array<float, 6> kRoofPADZHGrid = {0.083f, 0.25f, 0.417f, 0.583f, 0.75f, 0.917f};

// ZH points of the RbH factor (slow axis).
inline constexpr std::array<float, 6> kRoofRbHZHGrid = {0.09f, 0.27f, 0.42f, 0.59f, 0.76f, 0.92f};

// PAD points of the RbH factor (fast axis).
inline constexpr std::array<float, 6> kRoofRbHPADGrid = {0.0f, 5.0f, 6.25f, 12.5f, 25.0f, 40.0f};

// ZH points of the FAR factor.
inline constexpr std::array<float, 6> kRoofFARZHGrid = {0.083f, 0.25f, 0.417f, 0.59f, 0.75f, 0.92f};

// ZH points of the SAR factor.
inline constexpr std::array<float, 7> kRoofSARZHGrid = {0.056f, 0.167f, 0.333f, 0.5f, 0.667f, 0.833f, 0.944f};

// ZH points of the flat roof (slow axis).
inline constexpr std::array<float, 3> kRoofFlatZHGrid = {0.07f, 0.5f, 0.93f};

// Angle points of the flat roof, degrees (fast axis).
inline constexpr std::array<float, 4> kRoofFlatAngleGrid = {0.0f, 30.0f, 60.0f, 90.0f};

// Angle points of RoofSingleSlopeMidFactor, degrees (slow axis).
inline constexpr std::array<float, 7> kRoofSingleSlopeMidAngleGrid = {0.0f, 30.0f, 60.0f, 90.0f, 120.0f, 150.0f, 180.0f};

// ZH points of RoofSingleSlopeMidFactor (fast axis).
inline constexpr std::array<float, 5> kRoofSingleSlopeMidZHGrid = {0.07f, 0.24f, 0.5f, 0.73f, 0.93f};

// Angle points of RoofSingleSlopeFactor, degrees (slow axis).
inline constexpr std::array<float, 7> kRoofSingleSlopeAngleGrid = {0.0f, 30.0f, 60.0f, 90.0f, 120.0f, 150.0f, 180.0f};

// ZH points of RoofSingleSlopeFactor (fast axis).
inline constexpr std::array<float, 2> kRoofSingleSlopeZHGrid = {0.07f, 0.88f};

// Angle points of RoofDoubleSlopeMidFactor, degrees (slow axis).
inline constexpr std::array<float, 4> kRoofDoubleSlopeMidAngleGrid = {0.0f, 30.0f, 60.0f, 90.0f};

// ZH points of RoofDoubleSlopeMidFactor (fast axis).
inline constexpr std::array<float, 6> kRoofDoubleSlopeMidZHGrid = {0.06f, 0.25f, 0.45f, 0.55f, 0.73f, 0.93f};

// Angle points of RoofDoubleSlopeFactor, degrees (slow axis).
inline constexpr std::array<float, 4> kRoofDoubleSlopeAngleGrid = {0.0f, 30.0f, 60.0f, 90.0f};

// ZH points of RoofDoubleSlopeFactor (fast axis).
inline constexpr std::array<float, 4> kRoofDoubleSlopeZHGrid = {0.07f, 0.43f, 0.57f, 0.93f};

// Angle factor: cubic c1 + c2 t + c3 t^2 + c4 t^3 in t = |theta| (degrees).
inline constexpr auto kRoofAngleTable = std::to_array<CoefRow<4>>({
    {1.0f, 0.0117805f, -0.000461847f, 2.75175e-06f},  // row 1: |theta| <= 90, ZH < 0.2
    {1.0f, -0.00515873f, -0.000309524f, 3.35097e-06f},  // row 2: |theta| <= 90, 0.2 <= ZH < 0.4
    {1.0f, -0.0227273f, 0.000252525f, -1.99646e-18f},  // row 3: |theta| <= 90, 0.4 <= ZH < 0.6
    {1.0f, 0.012037f, -0.000493827f, 5.14403e-06f},  // row 4: |theta| <= 90, 0.6 <= ZH < 0.8
    {1.0f, -0.0277778f, 0.00148148f, -1.23457e-05f},  // row 5: |theta| <= 90, ZH >= 0.8
    {-6.07229f, 0.150602f, -0.0011245f, 2.67738e-06f},  // row 6: |theta| > 90, ZH < 0.2
    {4.41429f, -0.0859524f, 0.000587302f, -1.32275e-06f},  // row 7: |theta| > 90, 0.2 <= ZH < 0.4
    {5.09091f, -0.0681818f, 0.000252525f, 1.49782e-16f},  // row 8: |theta| > 90, 0.4 <= ZH < 0.6
    {37.2778f, -0.813272f, 0.00583333f, -1.30316e-05f},  // row 9: |theta| > 90, 0.6 <= ZH < 0.8
    {19.3889f, -0.520988f, 0.00472222f, -1.26886e-05f},  // row 10: |theta| > 90, ZH >= 0.8
});

// VeEXP factor: quadratic c1 + c2 VeEXP + c3 VeEXP^2; row = (a - 1) * 5 + z.
inline constexpr auto kRoofVeEXPTable = std::to_array<CoefRow<3>>({
    {0.736793f, 2.3355f, -5.09731f},  // row 1: a 1 (|theta| < 22.5), z 1 (ZH < 0.2)
    {0.823077f, 2.14835f, -6.31868f},  // row 2: a 1 (|theta| < 22.5), z 2 (0.2 <= ZH < 0.4)
    {5.0979f, -30.2797f, 48.951f},  // row 3: a 1 (|theta| < 22.5), z 3 (0.4 <= ZH < 0.6)
    {4.04416f, -22.4145f, 35.9687f},  // row 4: a 1 (|theta| < 22.5), z 4 (0.6 <= ZH < 0.8)
    {-0.468661f, 12.5427f, -25.9972f},  // row 5: a 1 (|theta| < 22.5), z 5 (ZH >= 0.8)
    {0.961844f, 1.03022f, -4.19719f},  // row 6: a 2 (22.5 <= |theta| < 45), z 1 (ZH < 0.2)
    {4.09866f, -22.0987f, 33.0268f},  // row 7: a 2 (22.5 <= |theta| < 45), z 2 (0.2 <= ZH < 0.4)
    {2.7094f, -12.8205f, 21.3675f},  // row 8: a 2 (22.5 <= |theta| < 45), z 3 (0.4 <= ZH < 0.6)
    {3.50067f, -17.834f, 26.6532f},  // row 9: a 2 (22.5 <= |theta| < 45), z 4 (0.6 <= ZH < 0.8)
    {3.69963f, -19.1758f, 28.3883f},  // row 10: a 2 (22.5 <= |theta| < 45), z 5 (ZH >= 0.8)
    {2.44702f, -9.48476f, 11.2482f},  // row 11: a 3 (45 <= |theta| < 67.5), z 1 (ZH < 0.2)
    {1.43712f, -3.04029f, 4.2735f},  // row 12: a 3 (45 <= |theta| < 67.5), z 2 (0.2 <= ZH < 0.4)
    {2.9943f, -14.9573f, 24.9288f},  // row 13: a 3 (45 <= |theta| < 67.5), z 3 (0.4 <= ZH < 0.6)
    {5.47503f, -33.0364f, 53.3063f},  // row 14: a 3 (45 <= |theta| < 67.5), z 4 (0.6 <= ZH < 0.8)
    {2.73932f, -13.1838f, 22.4359f},  // row 15: a 3 (45 <= |theta| < 67.5), z 5 (ZH >= 0.8)
    {5.52896f, -32.9487f, 51.5195f},  // row 16: a 4 (|theta| >= 67.5), z 1 (ZH < 0.2)
    {5.0979f, -30.2797f, 48.951f},  // row 17: a 4 (|theta| >= 67.5), z 2 (0.2 <= ZH < 0.4)
    {5.0979f, -30.2797f, 48.951f},  // row 18: a 4 (|theta| >= 67.5), z 3 (0.4 <= ZH < 0.6)
    {5.0979f, -30.2797f, 48.951f},  // row 19: a 4 (|theta| >= 67.5), z 4 (0.6 <= ZH < 0.8)
    {5.52896f, -32.9487f, 51.5195f},  // row 20: a 4 (|theta| >= 67.5), z 5 (ZH >= 0.8)
});

// PAD factor (RbH 1): quartic in PAD, one row per point of kRoofPADZHGrid.
inline constexpr auto kRoofPADTable = std::to_array<CoefRow<5>>({
    {1.05258f, -0.062932f, 0.000821475f, 2.06974e-05f, -3.89421e-07f},  // row 1: ZH 0.083
    {1.02747f, -0.115347f, 0.00529545f, -0.000102754f, 7.1812e-07f},  // row 2: ZH 0.25
    {0.998148f, -0.139899f, 0.00757453f, -0.000166495f, 1.28945e-06f},  // row 3: ZH 0.417
    {0.958771f, -0.1432f, 0.00838456f, -0.000192437f, 1.53236e-06f},  // row 4: ZH 0.583
    {0.937033f, -0.113116f, 0.00677578f, -0.000152213f, 1.1718e-06f},  // row 5: ZH 0.75
    {1.02769f, -0.070838f, 0.00312923f, -4.29637e-05f, 1.33058e-07f},  // row 6: ZH 0.917
});

// RbH factor, RbH above 1: logistic c1 + c4 / (c2 + exp(-c3 (RbH - c5)));
// row = (ZH point - 1) * 6 + PAD point.
inline constexpr auto kRoofRbHTable = std::to_array<CoefRow<5>>({
    {-0.547729f, 1.06926f, 0.455201f, 2.94865f, 0.608922f},  // row 1: ZH 0.09, PAD 0
    {-1.31864f, 1.05507f, 0.792312f, 3.3166f, 0.0133522f},  // row 2: ZH 0.09, PAD 5
    {-1.78923f, 0.964714f, 0.823044f, 3.45507f, -0.269587f},  // row 3: ZH 0.09, PAD 6.25
    {-0.670559f, 1.21826f, 1.32929f, 2.77775f, 1.12316f},  // row 4: ZH 0.09, PAD 12.5
    {-0.271875f, 1.34016f, 2.05003f, 2.47299f, 1.46158f},  // row 5: ZH 0.09, PAD 25
    {-0.0993193f, 1.45485f, 2.98286f, 2.32903f, 1.53461f},  // row 6: ZH 0.09, PAD 40
    {-0.327713f, 1.12328f, 0.636783f, 3.01692f, 1.20758f},  // row 7: ZH 0.27, PAD 0
    {-0.569162f, 1.13141f, 1.06094f, 2.80661f, 1.12452f},  // row 8: ZH 0.27, PAD 5
    {-0.236602f, 1.23169f, 1.34701f, 2.54747f, 1.44776f},  // row 9: ZH 0.27, PAD 6.25
    {-0.0460413f, 1.32264f, 2.02756f, 2.24427f, 1.86756f},  // row 10: ZH 0.27, PAD 12.5
    {-0.0661239f, 1.27887f, 2.27404f, 2.23864f, 1.8733f},  // row 11: ZH 0.27, PAD 25
    {-0.0201537f, 0.649406f, 3.06272f, 1.03317f, 1.56604f},  // row 12: ZH 0.27, PAD 40
    {-10.6247f, 0.452097f, 0.340214f, 6.22915f, -6.19948f},  // row 13: ZH 0.42, PAD 0
    {0.108385f, 1.20707f, 1.80665f, 2.34774f, 1.81422f},  // row 14: ZH 0.42, PAD 5
    {0.166305f, 1.2351f, 1.94811f, 2.28755f, 1.88401f},  // row 15: ZH 0.42, PAD 6.25
    {-0.0946066f, 1.04638f, 1.61688f, 2.3555f, 2.14974f},  // row 16: ZH 0.42, PAD 12.5
    {-0.0311853f, 1.03774f, 1.8575f, 2.30244f, 2.18731f},  // row 17: ZH 0.42, PAD 25
    {-0.092178f, 0.492698f, 1.92829f, 1.15348f, 1.6813f},  // row 18: ZH 0.42, PAD 40
    {-0.764773f, 0.807335f, 0.589266f, 3.26203f, 1.13264f},  // row 19: ZH 0.59, PAD 0
    {0.135235f, 0.99765f, 1.35639f, 2.49282f, 2.15285f},  // row 20: ZH 0.59, PAD 5
    {0.0793251f, 0.943332f, 1.31013f, 2.49904f, 2.22722f},  // row 21: ZH 0.59, PAD 6.25
    {-0.146362f, 0.903782f, 1.26703f, 2.53451f, 2.37112f},  // row 22: ZH 0.59, PAD 12.5
    {0.0736569f, 0.946665f, 1.65722f, 2.40295f, 2.44812f},  // row 23: ZH 0.59, PAD 25
    {0.0281851f, 0.9569f, 1.83946f, 2.52186f, 2.29733f},  // row 24: ZH 0.59, PAD 40
    {-1.77359f, 0.502891f, 0.484331f, 2.9918f, -0.087381f},  // row 25: ZH 0.76, PAD 0
    {0.269221f, 0.694912f, 1.11039f, 2.02657f, 2.23002f},  // row 26: ZH 0.76, PAD 5
    {0.115003f, 0.748227f, 1.15385f, 2.18634f, 2.12032f},  // row 27: ZH 0.76, PAD 6.25
    {-0.249044f, 0.656804f, 1.0618f, 2.22871f, 2.2453f},  // row 28: ZH 0.76, PAD 12.5
    {0.129955f, 0.636418f, 1.32988f, 1.87475f, 2.39085f},  // row 29: ZH 0.76, PAD 25
    {-0.0791786f, 0.422085f, 1.40223f, 1.26936f, 1.76268f},  // row 30: ZH 0.76, PAD 40
    {-0.868138f, 0.703136f, 0.639982f, 3.39567f, 1.13082f},  // row 31: ZH 0.92, PAD 0
    {-1.11587f, 0.209679f, 0.277714f, 3.27376f, 2.08542f},  // row 32: ZH 0.92, PAD 5
    {-0.792862f, 0.705101f, 0.651073f, 3.26981f, 1.41133f},  // row 33: ZH 0.92, PAD 6.25
    {-1.5289f, 0.103858f, 0.289888f, 3.1448f, 2.45624f},  // row 34: ZH 0.92, PAD 12.5
    {-0.971086f, 0.102529f, 0.345677f, 2.9101f, 2.79903f},  // row 35: ZH 0.92, PAD 25
    {0.00230984f, 1.24304f, 0.951781f, 5.05195f, 3.20269f},  // row 36: ZH 0.92, PAD 40
});

// RbH factor, RbH below 1: line c1 + c2 RbH;
// row = (ZH point - 1) * 6 + PAD point.
inline constexpr auto kRoofRbHLinearTable = std::to_array<CoefRow<2>>({
    {0.48425f, 0.53f},  // row 1: ZH 0.09, PAD 0
    {0.300714f, 0.572857f},  // row 2: ZH 0.09, PAD 5
    {0.2145f, 0.605f},  // row 3: ZH 0.09, PAD 6.25
    {-0.101f, 0.525f},  // row 4: ZH 0.09, PAD 12.5
    {-0.0957857f, 0.352857f},  // row 5: ZH 0.09, PAD 25
    {0.00846429f, 0.142857f},  // row 6: ZH 0.09, PAD 40
    {0.354214f, 0.667857f},  // row 7: ZH 0.27, PAD 0
    {0.0473929f, 0.603571f},  // row 8: ZH 0.27, PAD 5
    {0.0411071f, 0.531429f},  // row 9: ZH 0.27, PAD 6.25
    {0.0283571f, 0.216429f},  // row 10: ZH 0.27, PAD 12.5
    {-0.0364286f, 0.209286f},  // row 11: ZH 0.27, PAD 25
    {0.00657143f, 0.109286f},  // row 12: ZH 0.27, PAD 40
    {0.131607f, 0.861429f},  // row 13: ZH 0.42, PAD 0
    {-0.00989286f, 0.571429f},  // row 14: ZH 0.42, PAD 5
    {0.0202143f, 0.507857f},  // row 15: ZH 0.42, PAD 6.25
    {-0.0251071f, 0.253571f},  // row 16: ZH 0.42, PAD 12.5
    {-0.0675357f, 0.292857f},  // row 17: ZH 0.42, PAD 25
    {-0.0626786f, 0.239286f},  // row 18: ZH 0.42, PAD 40
    {0.0544643f, 0.932857f},  // row 19: ZH 0.59, PAD 0
    {0.147964f, 0.447857f},  // row 20: ZH 0.59, PAD 5
    {-0.0186071f, 0.568571f},  // row 21: ZH 0.59, PAD 6.25
    {-0.125464f, 0.387143f},  // row 22: ZH 0.59, PAD 12.5
    {0.0178214f, 0.279286f},  // row 23: ZH 0.59, PAD 25
    {0.0384643f, 0.192857f},  // row 24: ZH 0.59, PAD 40
    {-0.0550676f, 1.06419f},  // row 25: ZH 0.76, PAD 0
    {0.3145f, 0.395f},  // row 26: ZH 0.76, PAD 5
    {-0.0554054f, 0.725135f},  // row 27: ZH 0.76, PAD 6.25
    {-0.191554f, 0.476351f},  // row 28: ZH 0.76, PAD 12.5
    {0.0574595f, 0.333514f},  // row 29: ZH 0.76, PAD 25
    {-0.2135f, 0.525f},  // row 30: ZH 0.76, PAD 40
    {0.114964f, 0.892857f},  // row 31: ZH 0.92, PAD 0
    {0.716036f, 0.167143f},  // row 32: ZH 0.92, PAD 5
    {0.180036f, 0.572143f},  // row 33: ZH 0.92, PAD 6.25
    {-0.143643f, 0.476429f},  // row 34: ZH 0.92, PAD 12.5
    {-0.0340714f, 0.500714f},  // row 35: ZH 0.92, PAD 25
    {-0.473964f, 1.03714f},  // row 36: ZH 0.92, PAD 40
});

// FAR factor: biquadratic in x = FAR, y = PAD (coefficient (i - 1) * 3 + j
// multiplies x^(j-1) y^(i-1)), one row per point of kRoofFARZHGrid.
inline constexpr auto kRoofFARTable = std::to_array<CoefRow<9>>({
    {0.953098f, 0.0859329f, -0.0122126f, -0.0660489f, 0.0134128f, -0.00242134f, 0.00118249f, -0.000479493f, 8.37366e-05f},  // row 1: ZH 0.083
    {0.34999f, 0.463081f, -0.0825332f, -0.0326255f, -0.0159325f, 0.00300864f, 0.000785474f, -5.00963e-05f, 2.26288e-06f},  // row 2: ZH 0.25
    {-0.00242469f, 0.811158f, -0.132272f, -0.012209f, -0.0357301f, 0.00569966f, 0.000577829f, 0.000175528f, -2.69364e-05f},  // row 3: ZH 0.417
    {0.00152731f, 0.78654f, -0.108673f, -0.00758088f, -0.0362125f, 0.00427929f, 0.000513975f, 0.000203232f, -1.18529e-05f},  // row 4: ZH 0.59
    {0.0426317f, 0.687308f, -0.0793606f, -0.015797f, -0.0202936f, 0.000488312f, 0.000761725f, -0.00012974f, 6.10457e-05f},  // row 5: ZH 0.75
    {0.304574f, 0.50833f, -0.0385091f, -0.0284582f, -0.00378569f, -0.00306442f, 0.00100574f, -0.000405361f, 0.00011848f},  // row 6: ZH 0.92
});

// SAR factor: biquadratic in x = SAR, y = PAD, one row per point of
// kRoofSARZHGrid.
inline constexpr auto kRoofSARTable = std::to_array<CoefRow<9>>({
    {0.925418f, 0.138776f, 0.00582598f, -0.0219305f, -0.0517991f, 0.0203018f, 0.000280104f, 0.000887654f, -0.000445398f},  // row 1: ZH 0.056
    {0.955974f, 0.0276617f, -0.0503592f, -0.0639506f, 0.0143214f, -0.00556718f, 0.00167701f, -0.00141803f, 0.000579135f},  // row 2: ZH 0.167
    {1.33235f, -0.730018f, 0.149367f, -0.132379f, 0.120601f, -0.0368807f, 0.0035688f, -0.00424569f, 0.00147372f},  // row 3: ZH 0.333
    {2.51354f, -2.43902f, 0.675588f, -0.262444f, 0.309653f, -0.0947274f, 0.00709438f, -0.00928894f, 0.00301579f},  // row 4: ZH 0.5
    {3.30061f, -3.66894f, 1.11037f, -0.348423f, 0.451721f, -0.144463f, 0.00935734f, -0.0128111f, 0.00421033f},  // row 5: ZH 0.667
    {3.31818f, -3.71761f, 1.16f, -0.318519f, 0.4256f, -0.141886f, 0.008603f, -0.0119864f, 0.00405297f},  // row 6: ZH 0.833
    {3.8108f, -4.16293f, 1.34391f, -0.32804f, 0.434989f, -0.146962f, 0.00846599f, -0.0116593f, 0.00397673f},  // row 7: ZH 0.944
});

// Flat roof: quartic in the mirrored XL; row = (ZH point - 1) * 4 + angle point.
inline constexpr auto kRoofFlatTable = std::to_array<CoefRow<5>>({
    {1.27693f, -1.10773f, 1.10773f, 0.0f, 0.0f},  // row 1: ZH 0.07, angle 0
    {0.453533f, 1.97823f, -1.77058f, 0.0f, 0.0f},  // row 2: ZH 0.07, angle 30
    {0.585957f, 1.41484f, -1.17351f, 0.0f, 0.0f},  // row 3: ZH 0.07, angle 60
    {0.836749f, -2.87843f, 6.40987f, 0.0f, 0.0f},  // row 4: ZH 0.07, angle 90
    {0.619135f, 3.589f, -11.7437f, 16.1933f, -8.02991f},  // row 5: ZH 0.5, angle 0
    {2.50939f, -7.98177f, 24.2933f, -43.2933f, 29.1172f},  // row 6: ZH 0.5, angle 30
    {0.349445f, 13.924f, -75.2324f, 134.636f, -69.3254f},  // row 7: ZH 0.5, angle 60
    {0.423824f, 2.84497f, -18.7613f, 43.8545f, -26.2048f},  // row 8: ZH 0.5, angle 90
    {1.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // row 9: ZH 0.93, angle 0
    // row 10: c3 listed as -3.34801; +3.34801 makes the row 1 at XL 0.5 like every other row
    {1.837f, -3.34801f, 3.34801f, 0.0f, 0.0f},  // row 10: ZH 0.93, angle 30
    {0.968827f, -0.8766f, 1.87789f, 0.0f, 0.0f},  // row 11: ZH 0.93, angle 60
    {0.836749f, -2.87843f, 6.40987f, 0.0f, 0.0f},  // row 12: ZH 0.93, angle 90
});

// Single slope, mid-line (XL 0.5): cubic in Phi;
// row = (angle point - 1) * 5 + ZH point.
inline constexpr auto kRoofSingleSlopeMidTable = std::to_array<CoefRow<4>>({
    {1.0f, 0.023176f, -0.00400268f, 5.67455e-05f},  // row 1: angle 0, ZH 0.07
    {1.0f, -0.0761905f, 0.00126984f, -1.26984e-05f},  // row 2: angle 0, ZH 0.24
    {1.0f, -0.0744108f, 0.000673401f, -1.04751e-05f},  // row 3: angle 0, ZH 0.5
    {1.0f, -0.0450617f, -0.0017284f, 1.92044e-05f},  // row 4: angle 0, ZH 0.73
    {1.0f, -0.12037f, 0.00469136f, -7.40741e-05f},  // row 5: angle 0, ZH 0.93
    {1.0f, 0.0124339f, -0.0034127f, 5.23222e-05f},  // row 6: angle 30, ZH 0.07
    {1.0f, -0.063285f, 0.000483092f, -2.14707e-06f},  // row 7: angle 30, ZH 0.24
    {1.0f, 0.0283951f, -0.00567901f, 7.13306e-05f},  // row 8: angle 30, ZH 0.5
    {1.0f, 0.0163743f, -0.00397661f, 5.19818e-05f},  // row 9: angle 30, ZH 0.73
    {1.0f, -0.00582011f, -0.00169312f, 2.58671e-05f},  // row 10: angle 30, ZH 0.93
    {1.0f, -0.0855346f, 0.00209644f, -1.67715e-05f},  // row 11: angle 60, ZH 0.07
    {1.0f, -0.0296296f, -0.00148148f, 3.29218e-05f},  // row 12: angle 60, ZH 0.24
    {1.0f, -0.0530864f, 0.000987654f, -1.09739e-05f},  // row 13: angle 60, ZH 0.5
    {1.0f, 0.00935673f, -0.00163743f, 2.07927e-05f},  // row 14: angle 60, ZH 0.73
    {1.0f, -0.00833333f, -0.000679012f, 8.23045e-06f},  // row 15: angle 60, ZH 0.93
    {1.0f, 0.0440329f, -0.000823045f, 1.28029e-05f},  // row 16: angle 90, ZH 0.07
    {1.0f, 0.0164983f, -0.00013468f, 7.48223e-06f},  // row 17: angle 90, ZH 0.24
    {1.0f, 0.0198653f, -0.00047138f, 1.49645e-05f},  // row 18: angle 90, ZH 0.5
    {1.0f, 0.0043771f, 1.93361e-17f, 7.48223e-06f},  // row 19: angle 90, ZH 0.73
    {1.0f, 0.00699588f, 7.7963e-18f, 1.82899e-06f},  // row 20: angle 90, ZH 0.93
    {1.0f, -0.00216049f, 0.00148148f, -2.33196e-05f},  // row 21: angle 120, ZH 0.07
    {1.0f, 0.102924f, -0.000935673f, -5.19818e-06f},  // row 22: angle 120, ZH 0.24
    {1.0f, 0.115432f, -0.00123457f, -2.74348e-06f},  // row 23: angle 120, ZH 0.5
    {1.0f, 0.00529101f, 0.00380952f, -6.58436e-05f},  // row 24: angle 120, ZH 0.73
    {1.0f, 0.0754717f, -0.00322851f, 3.63382e-05f},  // row 25: angle 120, ZH 0.93
    {1.0f, -0.185185f, 0.0139683f, -0.000192828f},  // row 26: angle 150, ZH 0.07
    {1.0f, -0.0479532f, 0.00690058f, -0.000106563f},  // row 27: angle 150, ZH 0.24
    {1.0f, 0.133951f, -0.00283951f, 2.19479e-05f},  // row 28: angle 150, ZH 0.5
    {1.0f, 0.170773f, -0.00898551f, 0.000117016f},  // row 29: angle 150, ZH 0.73
    {1.0f, 0.0755291f, -0.00494709f, 6.81952e-05f},  // row 30: angle 150, ZH 0.93
    {1.0f, 0.200617f, -0.00432099f, 2.19479e-05f},  // row 31: angle 180, ZH 0.07
    {1.0f, 0.267284f, -0.0102469f, 0.000120713f},  // row 32: angle 180, ZH 0.24
    {1.0f, 0.165993f, -0.00808081f, 0.000106248f},  // row 33: angle 180, ZH 0.5
    {1.0f, 0.0212698f, -0.00209524f, 3.24515e-05f},  // row 34: angle 180, ZH 0.73
    {1.0f, -0.00120482f, -0.00107095f, 1.96341e-05f},  // row 35: angle 180, ZH 0.93
});

// Single slope, other XL: biquadratic in x = Phi, y = XL;
// row = (angle point - 1) * 2 + ZH point.
inline constexpr auto kRoofSingleSlopeTable = std::to_array<CoefRow<9>>({
    {1.32995f, -0.0521104f, 0.000224406f, -1.07855f, 0.0635572f, -0.00165696f, 1.08337f, -0.0665663f, 0.00176876f},  // row 1: angle 0, ZH 0.07
    {0.939486f, -0.0479598f, -9.74832e-05f, -0.0983475f, 0.0366907f, -0.00129279f, 0.113676f, -0.0462572f, 0.0016482f},  // row 2: angle 0, ZH 0.88
    {0.487691f, -0.00193432f, -0.000264947f, 2.03167f, -0.1657f, 0.00223209f, -1.77566f, 0.162937f, -0.00279085f},  // row 3: angle 30, ZH 0.07
    {1.85503f, -0.0200304f, -0.000379455f, -3.32664f, -0.0507207f, 0.00348929f, 3.35159f, 0.0464839f, -0.00517824f},  // row 4: angle 30, ZH 0.88
    {0.589403f, -0.022196f, 0.000402863f, 1.33895f, -0.169689f, 0.00173652f, -1.10588f, 0.157449f, -0.00124198f},  // row 5: angle 60, ZH 0.07
    {0.948907f, -0.0213819f, 0.000437332f, -0.779456f, 0.00785915f, -0.00190591f, 1.79366f, 0.0018974f, 0.00156446f},  // row 6: angle 60, ZH 0.88
    {0.862901f, -0.0452041f, 0.000889104f, -2.86661f, 0.301988f, -0.00334962f, 6.33007f, -0.299657f, 0.00325234f},  // row 7: angle 90, ZH 0.07
    {0.891323f, -0.00737281f, 0.000108134f, -3.05642f, 0.051365f, -0.00103481f, 6.56912f, -0.0547788f, 0.00217719f},  // row 8: angle 90, ZH 0.88
    {1.81829f, -0.0537438f, 0.00192608f, -3.33611f, 0.334506f, -0.00612724f, 3.38255f, -0.100824f, 0.00077901f},  // row 9: angle 120, ZH 0.07
    {0.351455f, 0.0266059f, -0.000450637f, 3.0475f, -0.448697f, 0.00870523f, -2.38124f, 0.378385f, -0.00778266f},  // row 10: angle 120, ZH 0.88
    {0.884065f, 0.0302392f, -0.000129633f, -1.11225f, -0.123389f, 0.00340935f, 2.10496f, 0.059477f, -0.00241194f},  // row 11: angle 150, ZH 0.07
    {0.544123f, 0.0771035f, -0.00152814f, 3.06287f, -0.51861f, 0.00983809f, -2.37758f, 0.418814f, -0.00834239f},  // row 12: angle 150, ZH 0.88
    {0.987844f, 0.083406f, -0.000488057f, 0.130002f, 0.380621f, -0.00957706f, -0.122401f, -0.385365f, 0.0097533f},  // row 13: angle 180, ZH 0.07
    {1.27801f, -0.0393879f, 0.000522602f, -1.03004f, 0.0693849f, -0.00106563f, 1.03019f, -0.0694778f, 0.00106908f},  // row 14: angle 180, ZH 0.88
});

// Double slope, mid-line (XL 0.5): cubic in Phi;
// row = (angle point - 1) * 6 + ZH point.
inline constexpr auto kRoofDoubleSlopeMidTable = std::to_array<CoefRow<4>>({
    {1.0f, 0.070415f, -0.00484605f, 5.29526e-05f},  // row 1: angle 0, ZH 0.06
    {1.0f, -0.0212698f, -0.00179365f, 3.20988e-05f},  // row 2: angle 0, ZH 0.25
    {1.0f, 0.172727f, -0.0123906f, 0.000184063f},  // row 3: angle 0, ZH 0.45
    {1.0f, 0.219865f, -0.0126599f, 0.000172091f},  // row 4: angle 0, ZH 0.55
    {1.0f, 0.151235f, -0.00703704f, 9.32785e-05f},  // row 5: angle 0, ZH 0.73
    {1.0f, -0.0401235f, 0.00432099f, -6.03567e-05f},  // row 6: angle 0, ZH 0.93
    {1.0f, 0.0248677f, -0.0031746f, 4.11523e-05f},  // row 7: angle 30, ZH 0.06
    {1.0f, 0.00120773f, -0.00270531f, 3.97209e-05f},  // row 8: angle 30, ZH 0.25
    {1.0f, 0.280247f, -0.0153086f, 0.000186557f},  // row 9: angle 30, ZH 0.45
    {1.0f, 0.62716f, -0.032716f, 0.000430727f},  // row 10: angle 30, ZH 0.55
    {1.0f, -0.054386f, 0.00491228f, -7.01754e-05f},  // row 11: angle 30, ZH 0.73
    {1.0f, -0.113228f, 0.00857143f, -0.000124633f},  // row 12: angle 30, ZH 0.93
    {1.0f, -0.015304f, -0.00121593f, 2.04985e-05f},  // row 13: angle 60, ZH 0.06
    {1.0f, -0.0671958f, 0.00190476f, -2.58671e-05f},  // row 14: angle 60, ZH 0.25
    {1.0f, 0.0808642f, -0.00333333f, 2.74348e-05f},  // row 15: angle 60, ZH 0.45
    {1.0f, 0.0969136f, 0.000617284f, -4.38957e-05f},  // row 16: angle 60, ZH 0.55
    {1.0f, 0.10117f, -0.00233918f, 1.81936e-05f},  // row 17: angle 60, ZH 0.73
    {1.0f, 0.0317901f, -0.000493827f, -1.37174e-06f},  // row 18: angle 60, ZH 0.93
    {1.0f, -0.00205761f, 0.000987654f, -1.28029e-05f},  // row 19: angle 90, ZH 0.06
    {1.0f, -0.0239057f, 0.00161616f, -1.94538e-05f},  // row 20: angle 90, ZH 0.25
    {1.0f, -0.0124579f, 0.000673401f, -7.48223e-06f},  // row 21: angle 90, ZH 0.45
    {1.0f, -0.0124579f, 0.000673401f, -7.48223e-06f},  // row 22: angle 90, ZH 0.55
    {1.0f, -0.0239057f, 0.00161616f, -1.94538e-05f},  // row 23: angle 90, ZH 0.73
    {1.0f, -0.00205761f, 0.000987654f, -1.28029e-05f},  // row 24: angle 90, ZH 0.93
});

// Double slope, other XL: biquadratic in x = Phi, y = XL;
// row = (angle point - 1) * 4 + ZH point.
inline constexpr auto kRoofDoubleSlopeTable = std::to_array<CoefRow<9>>({
    {1.36394f, -0.0360275f, -9.52431e-05f, -1.24131f, 0.201781f, -0.00470604f, 1.24131f, -0.201781f, 0.00470604f},  // row 1: angle 0, ZH 0.07
    {0.821711f, 0.0261548f, -0.00124102f, 1.45861f, -0.192296f, 0.00509876f, -1.45861f, 0.192296f, -0.00509876f},  // row 2: angle 0, ZH 0.43
    {0.92593f, 0.0611223f, -0.00145668f, 0.998533f, -0.0949708f, 0.00169079f, -1.00382f, 0.0969675f, -0.00172994f},  // row 3: angle 0, ZH 0.57
    {0.912598f, 0.039478f, -0.000337319f, 0.105162f, -0.0630972f, 0.00233693f, -0.105162f, 0.0630972f, -0.00233693f},  // row 4: angle 0, ZH 0.93
    {0.472617f, -0.00242903f, -0.000181136f, 2.1087f, -0.00314842f, -0.00175485f, -1.9412f, -0.0585902f, 0.00264693f},  // row 5: angle 30, ZH 0.07
    {2.56275f, -0.0576536f, 0.000492225f, -6.91665f, 0.644292f, -0.0122589f, 8.33784f, -0.726118f, 0.0116847f},  // row 6: angle 30, ZH 0.43
    {2.82406f, 0.0521201f, -0.00160467f, -6.08475f, 0.679521f, -0.0126712f, 6.61769f, -0.880857f, 0.0171931f},  // row 7: angle 30, ZH 0.57
    {1.92576f, 0.0284159f, -0.00047868f, -4.23826f, -0.0654021f, 0.00334944f, 4.26872f, 0.0914265f, -0.00414925f},  // row 8: angle 30, ZH 0.93
    {0.578203f, -0.00301326f, 2.34361e-05f, 1.53436f, -0.116492f, 0.000260212f, -1.29851f, 0.0971118f, 5.66911e-05f},  // row 9: angle 60, ZH 0.07
    {1.47201f, -0.00839593f, 0.00057335f, -5.98882f, 0.23367f, -0.0057789f, 10.2007f, -0.226349f, 0.00333847f},  // row 10: angle 60, ZH 0.43
    {1.70652f, 0.124216f, -0.00250676f, -6.8314f, 0.486674f, -0.00660517f, 10.6589f, -0.896881f, 0.0138547f},  // row 11: angle 60, ZH 0.57
    {1.0705f, 0.10406f, -0.00225566f, -1.1015f, -0.102828f, 0.00308809f, 1.91545f, -0.0776195f, 0.000500771f},  // row 12: angle 60, ZH 0.93
    {0.394049f, 0.149739f, -0.00312098f, -1.57077f, -0.375168f, 0.00977172f, 5.51349f, 0.197304f, -0.00656567f},  // row 13: angle 90, ZH 0.07
    {0.212006f, 0.130233f, -0.00260911f, 0.452538f, -0.428118f, 0.00887822f, 2.2166f, 0.317125f, -0.0066466f},  // row 14: angle 90, ZH 0.43
    {0.212006f, 0.130233f, -0.00260911f, 0.452538f, -0.428118f, 0.00887822f, 2.2166f, 0.317125f, -0.0066466f},  // row 15: angle 90, ZH 0.57
    {0.394049f, 0.149739f, -0.00312098f, -1.57077f, -0.375168f, 0.00977172f, 5.51349f, 0.197304f, -0.00656567f},  // row 16: angle 90, ZH 0.93
});

static_assert(kRoofAngleTable.size() == 2 * kRoofZHBands);  // up to 90 degrees, then beyond
static_assert(kRoofVeEXPTable.size() == kRoofVeEXPAngleBands * kRoofZHBands);
static_assert(kRoofPADTable.size() == kRoofPADZHGrid.size());
static_assert(kRoofRbHTable.size() == kRoofRbHZHGrid.size() * kRoofRbHPADGrid.size());
static_assert(kRoofRbHLinearTable.size() == kRoofRbHTable.size());
static_assert(kRoofFARTable.size() == kRoofFARZHGrid.size());
static_assert(kRoofSARTable.size() == kRoofSARZHGrid.size());
static_assert(kRoofFlatTable.size() == kRoofFlatZHGrid.size() * kRoofFlatAngleGrid.size());
static_assert(kRoofSingleSlopeMidTable.size() == kRoofSingleSlopeMidAngleGrid.size() * kRoofSingleSlopeMidZHGrid.size());
static_assert(kRoofSingleSlopeTable.size() == kRoofSingleSlopeAngleGrid.size() * kRoofSingleSlopeZHGrid.size());
static_assert(kRoofDoubleSlopeMidTable.size() == kRoofDoubleSlopeMidAngleGrid.size() * kRoofDoubleSlopeMidZHGrid.size());
static_assert(kRoofDoubleSlopeTable.size() == kRoofDoubleSlopeAngleGrid.size() * kRoofDoubleSlopeZHGrid.size());

// clang-format on

}  // namespace ventora

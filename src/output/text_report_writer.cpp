#include "output/text_report_writer.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

#include "output/format_right.h"

namespace ventora {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// The patterns of the element and average lines, read once.
constexpr NumberPattern kFacadePattern("#");
constexpr NumberPattern kElementPattern("###0");
constexpr NumberPattern kPlacePattern("##0.00");
constexpr NumberPattern kCpPattern("##0.000");
constexpr NumberPattern kAveragePattern("###0.000");
constexpr std::size_t kReserve = 192 * 1024;  // a full job's report (2,400 lines)
constexpr std::string_view kColumnHeader =
    "  Facade    Element    X         Z         X/L       Z/H       CP";
// "n°" in UTF-8.
constexpr std::string_view kAverageCaption = "  CP average for  facade n\xC2\xB0 ";

struct ParameterLine {
  std::string_view label;  // 33 characters, so the values line up
  float Job::*value;
  std::string_view unit;
};

constexpr std::array<ParameterLine, 8> kLeadingParameters{{
    {"Azimuth Angle of the Building:   ", &Job::AzB, " deg."},
    {"Wind Direction:                  ", &Job::AnWind, " deg."},
    {"Wind Velocity Profile  Exponent: ", &Job::VeEXP, ""},
    {"Plan Area Density:               ", &Job::PAD, "%"},
    {"Surronding Buildings' Height:    ", &Job::SbH, " m"},
    {"Height of the Building:          ", &Job::Bdz, " m"},
    {"Lenght of the Building:          ", &Job::BdX, " m"},
    {"Width of the Building:           ", &Job::BdY, " m"},
}};
constexpr std::string_view kRoofTypeLabel = "Roof Type:                       ";
constexpr std::string_view kRoofTiltLabel = "Roof Tilt Angle:                 ";

std::unique_ptr<ReplacingFile> OpenTemporary(const std::filesystem::path& finalPath) {
  try {
    return std::make_unique<ReplacingFile>(finalPath);
  } catch (const FileFault& e) {
    throw std::runtime_error("Cannot write the report file " + std::string(e.what()));
  }
}

}  // namespace

std::string RoofTypeWord(std::int16_t Islope) {
  switch (Islope) {
    case 0:
      return "flat";
    case 1:
      return "single slope";
    case 2:
      return "double slope";
    default:
      return "";
  }
}

TextReportWriter::TextReportWriter(std::filesystem::path finalPath, NumberLocale locale)
    : finalPath_(std::move(finalPath)),
      file_(OpenTemporary(finalPath_)),
      decimalSep_(1, locale.decimal) {
  text_.reserve(kReserve);
}

TextReportWriter::~TextReportWriter() = default;

std::string TextReportWriter::Number(double value, std::string_view pattern) const {
  return FormatRight(value, pattern, decimalSep_);
}

void TextReportWriter::AppendNumber(double value, std::string_view pattern) {
  AppendFormatRight(text_, value, pattern, decimalSep_);
}

void TextReportWriter::Put(std::string_view line) {
  text_ += line;
  text_ += kLineEnd;
}

void TextReportWriter::WriteLine(const std::string& line) {
  Put(line);
}

void TextReportWriter::WriteHeader(const Job& job, const std::string& jobName,
                                   const std::string& dateText) {
  Put("  File Name: " + jobName + " - Date: " + dateText);
  Put("");
  for (const ParameterLine& p : kLeadingParameters) {
    Put("  " + std::string(p.label) + Number(job.*(p.value), "##0.00") + std::string(p.unit));
  }
  Put("  " + std::string(kRoofTypeLabel) + RoofTypeWord(job.Islope));
  Put("  " + std::string(kRoofTiltLabel) + Number(job.Phi, "##0.00") + " deg.");
  Put("");
}

void TextReportWriter::WriteColumnHeader() {
  Put(kColumnHeader);
  Put("");
}

namespace {

// The element line in one buffer, appended once; false (nothing written)
// when a value needs AppendFormatRight's rare path.
bool AppendElementLine(std::string& text, const ElementResult& e, std::string_view sep) {
  char line[7 * (kFormatRightRoom + 8)];
  char* at = line;
  const auto put = [&at, sep](std::string_view gap, double value, const NumberPattern& pattern) {
    if (at == nullptr) return;
    at = std::copy(gap.begin(), gap.end(), at);
    at = FormatRightInto(at, value, pattern, sep);
  };
  put("    ", e.iface, kFacadePattern);
  put("      ", e.k, kElementPattern);
  put("     ", e.X, kPlacePattern);
  put("    ", e.Z, kPlacePattern);
  put("    ", e.XL, kPlacePattern);
  put("    ", e.ZH, kPlacePattern);
  put("    ", e.Cp, kCpPattern);
  if (at == nullptr) return false;
  text.append(line, static_cast<std::size_t>(at - line));
  text += kLineEnd;
  return true;
}

}  // namespace

void TextReportWriter::WriteElement(const ElementResult& e) {
  if (AppendElementLine(text_, e, decimalSep_)) return;
  text_ += "    ";
  AppendFormatRight(text_, e.iface, kFacadePattern, decimalSep_);
  text_ += "      ";
  AppendFormatRight(text_, e.k, kElementPattern, decimalSep_);
  text_ += "     ";
  AppendFormatRight(text_, e.X, kPlacePattern, decimalSep_);
  for (float value : {e.Z, e.XL, e.ZH}) {
    text_ += "    ";
    AppendFormatRight(text_, value, kPlacePattern, decimalSep_);
  }
  text_ += "    ";
  AppendFormatRight(text_, e.Cp, kCpPattern, decimalSep_);
  text_ += kLineEnd;
}

void TextReportWriter::WriteAverage(std::int16_t iface, float average) {
  text_ += kAverageCaption;
  AppendFormatRight(text_, iface, kFacadePattern, decimalSep_);
  text_ += "  ";
  AppendFormatRight(text_, average, kAveragePattern, decimalSep_);
  text_ += kLineEnd;
  Put("");
}

void TextReportWriter::Close() {
  if (closed_) return;
  try {
    file_->Write(text_);
    file_->Commit();
  } catch (const FileFault& e) {
    throw std::runtime_error("Cannot write the report file " + std::string(e.what()));
  }
  closed_ = true;
}

}  // namespace ventora

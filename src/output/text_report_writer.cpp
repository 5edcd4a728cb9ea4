#include "output/text_report_writer.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "core/portable_std.h"
#include "output/fixed_number.h"
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
      decimalSep_(1, locale.decimal),
      text_(portable::UninitialisedChars(kReserve)),
      capacity_(kReserve) {}

TextReportWriter::TextReportWriter(std::string& into, NumberLocale locale)
    : into_(&into),
      decimalSep_(1, locale.decimal),
      text_(portable::UninitialisedChars(kReserve)),
      capacity_(kReserve) {}

TextReportWriter::~TextReportWriter() = default;

std::string TextReportWriter::Number(double value, std::string_view pattern) const {
  return FormatRight(value, pattern, decimalSep_);
}

void TextReportWriter::Enlarge(std::size_t count) {
  const std::size_t capacity = std::max(2 * capacity_, size_ + count);
  auto text = portable::UninitialisedChars(capacity);
  std::memcpy(text.get(), text_.get(), size_);
  text_ = std::move(text);
  capacity_ = capacity;
}

void TextReportWriter::Put(std::string_view line) {
  char* at = Room(line.size() + kLineEnd.size());
  at = std::copy(line.begin(), line.end(), at);
  Written(std::copy(kLineEnd.begin(), kLineEnd.end(), at));
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

// The element line with its line end when every value fits its column, as
// nearly all do: kElementLine characters at `at`, blanks first, the numbers
// then right-aligned over them. Gives the end, or null for a line that the
// general formatting must write.
constexpr std::size_t kElementLine = 69;
char* WriteElementLine(char* at, const ElementResult& e, char sep) {
  std::memset(at, ' ', kElementLine - kLineEnd.size());
  at = WriteFixedNumber<kFacadePattern>(at + 4, e.iface, sep);
  if (at == nullptr) return nullptr;
  at = WriteFixedNumber<kElementPattern>(at + 6, e.k, sep);
  if (at == nullptr) return nullptr;
  at = WriteFixedNumber<kPlacePattern>(at + 5, e.X, sep);
  if (at == nullptr) return nullptr;
  at = WriteFixedNumber<kPlacePattern>(at + 4, e.Z, sep);
  if (at == nullptr) return nullptr;
  at = WriteFixedNumber<kPlacePattern>(at + 4, e.XL, sep);
  if (at == nullptr) return nullptr;
  at = WriteFixedNumber<kPlacePattern>(at + 4, e.ZH, sep);
  if (at == nullptr) return nullptr;
  at = WriteFixedNumber<kCpPattern>(at + 4, e.Cp, sep);
  if (at == nullptr) return nullptr;
  return std::copy(kLineEnd.begin(), kLineEnd.end(), at);
}

}  // namespace

void TextReportWriter::WriteElement(const ElementResult& e) {
  if (char* end = WriteElementLine(Room(kElementLine), e, decimalSep_[0]))
    Written(end);
  else
    WriteWideElement(e);
}

void TextReportWriter::WriteWideElement(const ElementResult& e) {
  std::string line = "    ";
  AppendFormatRight(line, e.iface, kFacadePattern, decimalSep_);
  line += "      ";
  AppendFormatRight(line, e.k, kElementPattern, decimalSep_);
  line += "     ";
  AppendFormatRight(line, e.X, kPlacePattern, decimalSep_);
  for (float value : {e.Z, e.XL, e.ZH}) {
    line += "    ";
    AppendFormatRight(line, value, kPlacePattern, decimalSep_);
  }
  line += "    ";
  AppendFormatRight(line, e.Cp, kCpPattern, decimalSep_);
  Put(line);
}

void TextReportWriter::WriteAverage(std::int16_t iface, float average) {
  std::string line(kAverageCaption);
  AppendFormatRight(line, iface, kFacadePattern, decimalSep_);
  line += "  ";
  AppendFormatRight(line, average, kAveragePattern, decimalSep_);
  Put(line);
  Put("");
}

void TextReportWriter::Close() {
  if (closed_) return;
  if (into_ != nullptr) {
    into_->assign(text_.get(), size_);
    closed_ = true;
    return;
  }
  try {
    file_->Write(std::string_view(text_.get(), size_));
    file_->Commit();
  } catch (const FileFault& e) {
    throw std::runtime_error("Cannot write the report file " + std::string(e.what()));
  }
  closed_ = true;
}

}  // namespace ventora

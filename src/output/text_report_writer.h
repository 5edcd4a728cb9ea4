#pragma once
// The fixed-column text report (".out.txt"): UTF-8 text, lines ending in
// CR LF, numbers with the user's decimal separator. It is built under a
// unique temporary name beside the final file and renamed into place by
// Close, so a report under the final name is always complete; or, for a
// face without files (the browser edition), handed over whole by Close.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/number_locale.h"
#include "core/replace_file.h"
#include "engine/report_writer.h"

namespace ventora {

class TextReportWriter : public ReportWriter {
 public:
  // Creates the temporary file; throws std::runtime_error when it cannot.
  TextReportWriter(std::filesystem::path finalPath, NumberLocale locale);
  // Writes no file: Close puts the whole report into `into`.
  TextReportWriter(std::string& into, NumberLocale locale);
  // Without Close the temporary file is removed and nothing else is touched.
  ~TextReportWriter() override;

  void WriteHeader(const Job& job, const std::string& jobName,
                   const std::string& dateText) override;
  void WriteColumnHeader() override;
  void WriteElement(const ElementResult& element) override;
  void WriteAverage(std::int16_t iface, float average) override;
  void WriteLine(const std::string& line) override;
  void Close() override;

 private:
  void Put(std::string_view line);
  // An element line with a value that does not fit its column (too wide or
  // not finite), as few do: kept apart so that the usual line's code stays
  // short.
  [[gnu::noinline]] void WriteWideElement(const ElementResult& e);
  std::string Number(double value, std::string_view pattern) const;
  // Room for `count` more characters at the report's end, to be written
  // there and then counted by Written.
  char* Room(std::size_t count) {
    if (capacity_ - size_ < count) Enlarge(count);
    return text_.get() + size_;
  }
  void Enlarge(std::size_t count);
  void Written(const char* end) { size_ = static_cast<std::size_t>(end - text_.get()); }

  std::filesystem::path finalPath_;
  std::unique_ptr<ReplacingFile> file_;  // null when the report goes to `into_`
  std::string* into_ = nullptr;
  std::string decimalSep_;  // the user's
  // The whole report, written out at Close; its lines are written in place.
  std::unique_ptr<char[]> text_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  bool closed_ = false;
};

// The report's word for a roof type: "flat", "single slope", "double slope".
std::string RoofTypeWord(std::int16_t Islope);

}  // namespace ventora

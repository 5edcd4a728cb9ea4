#pragma once
// The number a report cell holds: the value as the text report shows it
// (`FormatRight` with the user's decimal separator), read back with
// `TextToSingle`, so the workbook holds exactly the numbers the text report
// prints. Results are remembered per pattern and 32-bit value: a meshed
// facade repeats its coordinates on every row.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/number_locale.h"
#include "core/number_text.h"

namespace ventora {

class ShownNumbers {
 public:
  explicit ShownNumbers(NumberLocale locale);

  // The shown number, as the double with the shortest text of its 32-bit
  // value (3.14, not 3.1400001049...). Nothing when the shown text is not a
  // number (a value that is not finite); Text gives what to show then.
  std::optional<double> Value(double value, std::string_view pattern);
  std::string Text(double value, std::string_view pattern) const;

 private:
  using Memo = std::unordered_map<std::uint32_t, std::optional<double>>;
  Memo& MemoFor(std::string_view pattern);
  std::optional<double> Convert(double value, std::string_view pattern);

  std::string decimalSep_;
  NumberText numbers_;
  std::vector<std::pair<std::string, Memo>> memos_;  // a handful of patterns
};

}  // namespace ventora

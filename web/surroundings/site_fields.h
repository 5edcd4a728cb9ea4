#pragma once
// The surroundings dialog's fields as the desktop's "Surroundings from a
// Map" reads them: a point or a comma as decimal separator, the site as
// "X,Y" (or "X;Y", "X Y" with decimal commas), lengths above 0 m; each
// refusal in the desktop's words.

#include <optional>
#include <string>
#include <variant>

#include "site/footprints.h"

namespace ventora::web {

// A value, or the sentence that refuses the text.
template <typename T>
using Read = std::variant<T, std::string>;

Read<site::XY> ReadSite(const std::string& text);
// `name` as the field's label says it ("Radius"); empty text is none.
Read<std::optional<double>> ReadLength(const std::string& name, const std::string& text);

}  // namespace ventora::web

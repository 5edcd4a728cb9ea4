#pragma once
// Headings of the guide as link targets: "## Plan area density (PAD)" is
// reached as "#plan-area-density-pad", the way Markdown viewers name them,
// so the same links work in the program and in the files.

#include <QString>

class QTextDocument;

namespace ventora::help {

// Lower case; letters, digits, "-" and "_" kept; blanks become "-"; the
// rest dropped.
QString HeadingAnchor(const QString& heading);

// Gives every heading of `document` its anchor name.
void AddHeadingAnchors(QTextDocument& document);

}  // namespace ventora::help

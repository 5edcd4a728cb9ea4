#pragma once
// Opening a result file with the program the desktop associates with it.

#include <string>

namespace ventora {

class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // Hands `path` to the desktop; false when the desktop refuses it.
  virtual bool Open(const std::string& path) = 0;
};

// Through QDesktopServices (xdg-open on Linux, the shell on Windows).
class DesktopDocumentOpener : public DocumentOpener {
 public:
  bool Open(const std::string& path) override;
};

}  // namespace ventora

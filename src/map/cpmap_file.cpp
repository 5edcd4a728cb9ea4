#include "map/cpmap_file.h"

#include <QGuiApplication>
#include <algorithm>
#include <memory>
#include <stdexcept>

#include "core/ascii_case.h"
#include "map/cpmap_picture.h"

namespace ventora {
namespace {

// A command-line process has no Qt application; text needs one for its
// fonts. It runs on the offscreen platform, so that no display is needed,
// and lasts as long as the drawing.
std::unique_ptr<QGuiApplication> GuiApplicationIfNone() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  static int argc = 3;
  static char arg0[] = "ventora-run";
  static char arg1[] = "-platform";
  static char arg2[] = "offscreen";
  static char* argv[] = {arg0, arg1, arg2, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool IsCpMapFileName(const std::filesystem::path& path) {
  const std::string extension = AsciiLower(path.extension().string());
  return path.has_stem() && (extension == ".png" || extension == ".svg");
}

void WriteCpMapFile(const std::filesystem::path& path, const Job& job, const RunResult& run,
                    const std::string& jobName, char decimal) {
  if (!IsCpMapFileName(path))
    throw std::runtime_error("The map file \"" + path.string() + "\" must end in .png or .svg.");
  const std::unique_ptr<QGuiApplication> app = GuiApplicationIfNone();
  const CpMapModel model = BuildCpMapModel(job, run, jobName);
  const QString error = SaveCpMapPicture(QString::fromStdString(path.string()), model,
                                         QSize(kMapFileWidth, kMapFileHeight), decimal);
  if (!error.isEmpty()) throw std::runtime_error(error.toStdString());
}

}  // namespace ventora

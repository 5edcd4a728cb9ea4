// GoogleTest entry for the GUI tests: one QApplication for the whole run, on
// Qt's offscreen platform unless the caller chose another.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");  // as the program does: Qt adopts the user's locale
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

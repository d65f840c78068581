// qt_test_main.cpp: runs the GoogleTest tests of a UI test program inside a QApplication.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Offscreen unless told otherwise, also when the build lists the tests.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Wirangga"));
  return RUN_ALL_TESTS();
}

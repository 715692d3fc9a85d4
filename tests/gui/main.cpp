// The window tests: a QApplication (offscreen unless QT_QPA_PLATFORM says otherwise).
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // no test reads or writes the user's own folders
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

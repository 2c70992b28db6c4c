// GUI tests run headless on the offscreen platform with one QApplication.
#include <gtest/gtest.h>

#include <QApplication>

#include "AppFonts.h"
#include "AppPaths.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    kmr::ui::InitApplicationIdentity();
    kmr::ui::InstallFontSubstitutions();
    return RUN_ALL_TESTS();
}

// The test main of the report's tests: one GUI application (the report needs
// Qt's fonts), on the offscreen platform unless another is asked for.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}

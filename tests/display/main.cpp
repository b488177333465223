#include <QApplication>
#include <gtest/gtest.h>

// The display tests run on the X server xvfb-run started for them.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

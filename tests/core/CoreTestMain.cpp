#include <QCoreApplication>

#include <gtest/gtest.h>

// The model's tests run without a GUI application: nothing here may need one.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

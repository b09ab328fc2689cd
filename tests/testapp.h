#ifndef TESTAPP_H
#define TESTAPP_H

#include "zelapp.h"

#include <QtTest>

/** An application object for tests: identity set by the test itself. */
class TestApp : public ZelApp
{
public:
    using ZelApp::ZelApp;
    bool Init() override { return true; }
};

/** The running test application. */
inline TestApp* testApp()
{
    return static_cast<TestApp*>(QCoreApplication::instance());
}

/** Runs the test object inside a TestApp with a graphical interface. */
#define ZEL_FRAME_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TestApp app(argc, argv, true);                                                             \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#endif

#pragma once

#include <QtTest>

template <typename Test> int runTestClass(int argc, char** argv)
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}

// Runs several test classes in order in one program, with the application set up as QTEST_MAIN sets it; the
// exit code counts the failures of all of them. A folder's tests then build and start as one program.
template <typename Application, typename... Tests> int runTestClasses(int argc, char** argv)
{
    Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    int failures = 0;
    ((failures += runTestClass<Tests>(argc, argv)), ...);
    return failures;
}

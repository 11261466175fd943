// main() for GUI tests: offscreen unless a platform is chosen, and the C
// locale so that numbers use a decimal point whatever the machine says,
// unless a test is run in ORVANTA_TEST_LOCALE on purpose.
#pragma once

#include <QApplication>
#include <QLocale>
#include <QTest>

#define ORVANTA_GUI_TEST_MAIN(TestClass)                                                                               \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {                                                          \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        }                                                                                                              \
        const QByteArray testLocale = qgetenv("ORVANTA_TEST_LOCALE");                                                  \
        qputenv("LC_ALL", testLocale.isEmpty() ? QByteArray("C") : testLocale);                                        \
        QApplication app(argc, argv);                                                                                  \
        QLocale::setDefault(QLocale::c());                                                                             \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

// The yardstick: an empty Qt Widgets window of the calculator's size.
#include "ReportIdle.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(690, 421);
    const ReportWhenPainted report(window);
    window.show();
    return QApplication::exec();
}

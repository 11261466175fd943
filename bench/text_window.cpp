// A second yardstick: the bare window with one line of text, which pays for
// the font set-up that any window showing text needs.
#include "ReportIdle.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Pre-plate pitch diameter"));
    window.setWindowTitle(QStringLiteral("text"));
    window.resize(690, 421);
    const ReportWhenPainted report(window);
    window.show();
    return QApplication::exec();
}

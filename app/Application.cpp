#include "Application.h"

#include "FrmPitch.h"
#include "PitchHandlers.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace orvanta {

Application::Application()
    : m_calculator(std::make_unique<FrmPitch>())
    , m_calculatorHandlers(std::make_unique<PitchHandlers>(*m_calculator))
{
    QObject::connect(m_calculator.get(), &forms::FormWindow::programEndRequested, [this] { endProgram(); });
}

Application::~Application() = default;

void Application::start()
{
    m_calculator->showForm();
}

void Application::endProgram()
{
    // Nothing may run after the end: hide every window at once so no further
    // input arrives, then leave the event loop.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

namespace {

// Without a display Qt aborts with a plugin error that tells a user little.
bool displayAvailable()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const bool platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    return platformChosen || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int runApplication(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("orvanta: no display available; run it on a desktop, or headless with: "
                   "xvfb-run -a orvanta\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvanta"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvanta"));
    QApplication::setQuitOnLastWindowClosed(true);

    Application application;
    application.start();
    return QApplication::exec();
}

} // namespace orvanta

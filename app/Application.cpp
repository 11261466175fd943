#include "Application.h"

#include "FrmAgreement.h"
#include "FrmContact.h"
#include "FrmPitch.h"
#include "PitchHandlers.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace orvanta {

Application::Application(WindowPrinter printer, ChartLink chartLink)
    : m_printer(std::move(printer))
    , m_chartLink(std::move(chartLink))
    , m_agreement(std::make_unique<FrmAgreement>())
    , m_calculator(std::make_unique<FrmPitch>())
    , m_calculatorHandlers(std::make_unique<PitchHandlers>(*m_calculator))
{
    FrmAgreement& agreement = *m_agreement;
    connect(agreement.cmdagree, &QPushButton::clicked, this, &Application::cmdagree_Click);
    connect(agreement.cmdexit, &QPushButton::clicked, this, &Application::endProgram);
    endWith(agreement);

    FrmPitch& calculator = *m_calculator;
    connect(calculator.Image1, &forms::PictureBox::clicked, this, &Application::Image1_Click);
    connect(calculator.cmdprint, &QPushButton::clicked, this, [this] { m_printer.print(*m_calculator); });
    connect(calculator.cmddownload, &QPushButton::clicked, this, [this] { m_chartLink.open(*m_calculator); });
    // Closing the calculator ends the program, whatever else is open.
    endWith(calculator);
}

Application::~Application()
{
    delete m_contact.data();
}

FrmContact* Application::contact() const
{
    return m_contact;
}

void Application::start()
{
    m_agreement->showForm();
}

void Application::cmdagree_Click()
{
    m_calculator->showForm();
    m_agreement->hideForm();
}

void Application::Image1_Click()
{
    if (m_contact == nullptr) {
        m_contact = new FrmContact();
        FrmContact& contact = *m_contact;
        // Unloaded at once: the next logo click loads a new window.
        const auto unload = [this] {
            if (FrmContact* closing = m_contact) {
                m_contact = nullptr;
                closing->unloadForm();
            }
        };
        connect(contact.cmdclose, &QPushButton::clicked, this, unload);
        // Closing it from the title bar is the same as Close.
        connect(&contact, &forms::FormWindow::closedByUser, this, unload);
        connect(contact.cmdprint, &QPushButton::clicked, this, [this] {
            if (m_contact != nullptr) {
                m_printer.print(*m_contact);
            }
        });
        connect(&contact, &forms::FormWindow::programEndRequested, this, &Application::endProgram);
    }
    m_contact->showForm();
}

void Application::endWith(forms::FormWindow& window)
{
    connect(&window, &forms::FormWindow::programEndRequested, this, &Application::endProgram);
    connect(&window, &forms::FormWindow::closedByUser, this, &Application::endProgram);
}

void Application::endProgram()
{
    if (m_ended) {
        return;
    }
    m_ended = true;
    // Nothing may run after the end: every window stops taking input and is
    // hidden at once; whoever runs the event loop leaves it.
    for (forms::FormWindow* window :
         {static_cast<forms::FormWindow*>(m_agreement.get()), static_cast<forms::FormWindow*>(m_calculator.get()),
          static_cast<forms::FormWindow*>(m_contact.data())}) {
        if (window != nullptr) {
            window->stopInput();
            window->hide();
        }
    }
    emit programEnded();
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

int runApplication(int argc, char* argv[], const std::function<void(Application&)>& started)
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "orvanta: no display available; run it on a desktop, or headless with: xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "orvanta");
        return EXIT_FAILURE;
    }
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvanta"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvanta"));
    QApplication::setApplicationVersion(QStringLiteral(ORVANTA_VERSION)); // the thread record names it
    // The program ends through its own moves, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    Application application;
    QObject::connect(&application, &Application::programEnded, &qtApp, [] { QCoreApplication::exit(0); });
    application.start();
    if (started) {
        started(application);
    }
    return QApplication::exec();
}

} // namespace orvanta

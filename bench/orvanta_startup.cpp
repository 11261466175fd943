// The program as users start it, agreeing at once, until the calculator
// window is shown and idle.
#include "Application.h"
#include "FrmAgreement.h"
#include "ReportIdle.h"

#include <QPushButton>

int main(int argc, char* argv[])
{
    return orvanta::runApplication(argc, argv, [](orvanta::Application& application) {
        application.agreement().cmdagree->click();
        reportWhenIdleThenQuit();
    });
}

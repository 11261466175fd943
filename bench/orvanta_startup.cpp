// The program as users start it, agreeing at once, until the calculator
// window is shown and idle.
#include "Application.h"
#include "FrmAgreement.h"
#include "FrmPitch.h"
#include "ReportIdle.h"

#include <QPushButton>

#include <memory>

int main(int argc, char* argv[])
{
    std::unique_ptr<ReportWhenPainted> report;
    return orvanta::runApplication(argc, argv, [&report](orvanta::Application& application) {
        report = std::make_unique<ReportWhenPainted>(application.calculator());
        application.agreement().cmdagree->click();
    });
}

// The program's windows and the moves between them: the agreement at start,
// the calculator once agreed, the contact window from the logo.
#pragma once

#include "ChartLink.h"
#include "WindowPrinter.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace orvanta {

class FrmAgreement;
class FrmContact;
class FrmPitch;
class PitchHandlers;

namespace forms {
class FormWindow;
}

class Application : public QObject {
    Q_OBJECT
public:
    explicit Application(WindowPrinter printer = WindowPrinter(), ChartLink chartLink = ChartLink());
    ~Application() override;

    // Shows the agreement window, the program's only start-up action.
    void start();

    [[nodiscard]] FrmAgreement& agreement() { return *m_agreement; }
    [[nodiscard]] FrmPitch& calculator() { return *m_calculator; }
    // The contact window while it is loaded, else null.
    [[nodiscard]] FrmContact* contact() const;
    [[nodiscard]] bool ended() const { return m_ended; }

signals:
    // The program has ended: every window is hidden and takes no input.
    void programEnded();

private:
    void cmdagree_Click();
    void Image1_Click();
    void endProgram();
    void endWith(forms::FormWindow& window);

    WindowPrinter m_printer;
    ChartLink m_chartLink;
    std::unique_ptr<FrmAgreement> m_agreement;
    std::unique_ptr<FrmPitch> m_calculator;
    std::unique_ptr<PitchHandlers> m_calculatorHandlers; // goes before the window it serves
    QPointer<FrmContact> m_contact;
    bool m_ended = false;
};

// Runs the program; returns its exit code. `started`, when given, runs once
// the first window is shown (the start-up benchmark uses it).
int runApplication(int argc, char* argv[], const std::function<void(Application&)>& started = {});

} // namespace orvanta

// The program's start: one window shown, and the program's end.
#pragma once

#include <memory>

namespace orvanta {

class FrmPitch;
class PitchHandlers;

// The program's windows and the moves between them.
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void start();
    [[nodiscard]] FrmPitch& calculator() { return *m_calculator; }

private:
    void endProgram();

    std::unique_ptr<FrmPitch> m_calculator;
    std::unique_ptr<PitchHandlers> m_calculatorHandlers; // goes before the window it serves
};

// Runs the program; returns its exit code.
int runApplication(int argc, char* argv[]);

} // namespace orvanta

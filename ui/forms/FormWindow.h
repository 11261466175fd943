// A window of the program: owns its controls, loads once on its first show,
// and routes focus, Enter and Esc through its FocusController.
#pragma once

#include "Twips.h"

#include <QWidget>

namespace orvanta::forms {

class CommandButton;
class FocusController;

class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(const QString& name, QWidget* parent = nullptr);
    ~FormWindow() override;

    [[nodiscard]] FocusController& focus() { return *m_focus; }

    // Loads the window on its first show (its Form_Load runs once per load),
    // shows it modeless and activates it.
    void showForm();
    // Hides it; it keeps its state.
    void hideForm();
    // Closes and discards it; its owner makes a new one for the next show.
    void unloadForm();
    [[nodiscard]] bool isLoaded() const { return m_loaded; }

    // Ends the program at once: no further input reaches a handler.
    void endProgram();
    // No further input reaches this window's handlers.
    void stopInput();

    [[nodiscard]] QRect pixels(const TwipsRect& rect) const;

signals:
    // The window asks its owner to end the program.
    void programEndRequested();
    // The window was closed other than by unloading it (its title bar).
    void closedByUser();

protected:
    virtual void Form_Load() {}

    void setClientSizeTwips(int width, int height);
    void addToTabOrder(QWidget* control, int tabIndex);
    void setDefaultButton(CommandButton* button);
    void setCancelButton(CommandButton* button);
    void closeEvent(QCloseEvent* event) override;

private:
    FocusController* m_focus;
    bool m_loaded = false;
    bool m_unloading = false;
};

} // namespace orvanta::forms

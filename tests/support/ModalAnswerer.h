// Answers the modal boxes a test provokes, as a user would, and records what
// they said. A test never waits on a dialog: unanswered boxes are closed.
#pragma once

#include <QEvent>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    ModalAnswerer();
    ~ModalAnswerer() override;

    // The next message box is answered with `button` (OK when nothing is queued).
    void answerNext(QMessageBox::StandardButton button) { m_answers.push_back(button); }
    // Answers every box from this policy instead (the queue is then unused).
    void setPolicy(std::function<QMessageBox::StandardButton(const QMessageBox&)> policy)
    {
        m_policy = std::move(policy);
    }
    // Any other modal dialog (a print dialog, ...) goes to this handler.
    void setDialogHandler(std::function<void(QWidget*)> handler) { m_dialogHandler = std::move(handler); }

    [[nodiscard]] const QList<Shown>& shown() const { return m_shown; }
    [[nodiscard]] QStringList texts() const;
    void clear() { m_shown.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void poll();

    QTimer m_timer;
    std::deque<QMessageBox::StandardButton> m_answers;
    std::function<void(QWidget*)> m_dialogHandler;
    std::function<QMessageBox::StandardButton(const QMessageBox&)> m_policy;
    QList<Shown> m_shown;
};

// A completion list that never stands between the user and the window: it
// opens where it covers none of the window's content, and a click outside
// it closes it and still reaches what was clicked (Qt's own list swallows
// that first click).
#pragma once

#include <QObject>
#include <QPointer>

class QCompleter;
class QWidget;

namespace orvanta::forms {

class CompletionPopup : public QObject {
    Q_OBJECT
public:
    // Takes over the popup of `completer`, whose widget must be set already.
    explicit CompletionPopup(QCompleter& completer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeClear();
    bool passClickThrough(const QEvent& event);

    QPointer<QWidget> m_popup;
    QPointer<QWidget> m_field;
    bool m_placing = false;
};

} // namespace orvanta::forms

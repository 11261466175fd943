#include "Accessibility.h"

#include "Look.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace orvanta::forms {

namespace {

// A caption's accessible name: its role (the accessible name set on it)
// followed by what it shows, so "Suggested pre-plate maximum, GO ring or set
// plug: 0.4465" is read rather than a bare number.
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name) {
            return QAccessibleWidget::text(kind);
        }
        const auto* label = static_cast<const QLabel*>(widget());
        const QString role = label->accessibleName();
        const QString shown = label->text().simplified();
        if (role.isEmpty()) {
            return shown;
        }
        return shown.isEmpty() ? role : role + QStringLiteral(": ") + shown;
    }
};

QAccessibleInterface* captionFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(Caption::staticMetaObject.className()) && object->isWidgetType()) {
        return new CaptionAccessible(static_cast<QLabel*>(object));
    }
    return nullptr;
}

} // namespace

void setAccessibleText(QWidget& control, const QString& name, const QString& description)
{
    control.setAccessibleName(name);
    control.setAccessibleDescription(description);
}

void setLiveText(QLabel& label, const QString& text)
{
    label.setText(text);
    QAccessibleEvent changed(&label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void installCaptionAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(captionFactory);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace orvanta::forms

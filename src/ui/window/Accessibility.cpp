#include "ui/window/Accessibility.h"

#include "ui/common/ClickableLabel.h"

#include <QAccessibleWidget>

namespace tabwise {

namespace {

class PressableLabel : public QAccessibleWidget {
public:
    explicit PressableLabel(ClickableLabel* label)
        : QAccessibleWidget(label, label->pixmap().isNull() ? QAccessible::Link : QAccessible::Button)
    {
    }
    QString text(QAccessible::Text kind) const override
    {
        const QString text = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && text.isEmpty() ? label()->text() : text;
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Q_EMIT label()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("tabwise::ClickableLabel"))
        return new PressableLabel(static_cast<ClickableLabel*>(object));
    if (className == QLatin1String("tabwise::MainWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(accessibleFor);
    installed = true;
}

} // namespace tabwise

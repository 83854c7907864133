#include "ui/page/PageColours.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace tabwise {

namespace {
const char* editingProperty = "tabwiseEditing";
const char* followerProperty = "tabwiseFollowsScheme";

// Repaints a box in its present colour (viewing or editing) when the colour scheme changes while
// the program runs, so that a viewed page takes on the new scheme's button face. The application
// itself is told of every new scheme, whether the desktop or the program sets it. Owned by the box.
class SchemeFollower : public QObject {
public:
    explicit SchemeFollower(QWidget* box)
        : QObject(box)
        , m_box(box)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp) {
            QWidget* box = m_box;
            if (hasEditingColour(box))
                setEditingColour(box);
            else
                setViewingColour(box);
        }
        return false;
    }

private:
    QWidget* m_box;
};

void followScheme(QWidget* box)
{
    if (box->property(followerProperty).toBool())
        return;
    new SchemeFollower(box);
    box->setProperty(followerProperty, true);
}
} // namespace

void setViewingColour(QWidget* box)
{
    const QPalette scheme = QApplication::palette(box);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, scheme.color(QPalette::Button));
    palette.setColor(QPalette::Text, scheme.color(QPalette::ButtonText));
    box->setPalette(palette);
    box->setProperty(editingProperty, false);
    followScheme(box);
}

void setEditingColour(QWidget* box)
{
    // White with black text in every colour scheme: light text on white would be unreadable.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    box->setProperty(editingProperty, true);
    followScheme(box);
}

bool hasEditingColour(const QWidget* box)
{
    return box->property(editingProperty).toBool();
}

} // namespace tabwise

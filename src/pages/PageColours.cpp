#include "pages/PageColours.h"

#include <QApplication>
#include <QWidget>

namespace tabwise {

namespace {
const char* editingProperty = "tabwiseEditing";
}

void setViewingColour(QWidget* box)
{
    const QPalette scheme = QApplication::palette(box);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, scheme.color(QPalette::Button));
    palette.setColor(QPalette::Text, scheme.color(QPalette::ButtonText));
    box->setPalette(palette);
    box->setProperty(editingProperty, false);
}

void setEditingColour(QWidget* box)
{
    // White with black text in every colour scheme: light text on white would be unreadable.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    box->setProperty(editingProperty, true);
}

bool hasEditingColour(const QWidget* box) { return box->property(editingProperty).toBool(); }

} // namespace tabwise

#pragma once

class QWidget;

namespace tabwise {

// A page's text box is white while its page is edited and has the button-face colour of the
// colour scheme while it is viewed; list boxes are always in the viewing colour. A box keeps its
// colour's meaning when the colour scheme changes while the program runs.
void setViewingColour(QWidget* box);
void setEditingColour(QWidget* box);
bool hasEditingColour(const QWidget* box);

} // namespace tabwise

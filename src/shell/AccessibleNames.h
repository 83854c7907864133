#pragma once

#include "shell/Form1.h"

namespace tabwise {

// The caption as a screen reader speaks it: access-key markers dropped, "&&" read as "&".
QString spokenText(const QString& caption);

// Names a page's text box and list for screen readers after the page's tab caption; a tab without
// a caption gives "Page 1" to "Page 5".
void namePageControls(const Form1::PageControls& controls, int tabIndex, const QString& caption);

} // namespace tabwise

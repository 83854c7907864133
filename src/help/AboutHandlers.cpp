// Help and the About panel.
#include "shell/Form1.h"

namespace tabwise {

void Form1::connectHelpHandlers() {}

} // namespace tabwise

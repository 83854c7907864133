// Printing pages and opening list entries.
#include "shell/Form1.h"

namespace tabwise {

void Form1::connectPrintAndOpenHandlers() {}

} // namespace tabwise

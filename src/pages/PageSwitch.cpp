// Switching pages, editing and saving them.
#include "shell/Form1.h"

namespace tabwise {

void Form1::connectPageHandlers() {}

} // namespace tabwise

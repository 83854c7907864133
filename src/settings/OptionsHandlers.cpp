// The options panel and the two options that act at their click.
#include "shell/Form1.h"

namespace tabwise {

void Form1::connectOptionsHandlers() {}

} // namespace tabwise

// Backup and restore of the page files.
#include "shell/Form1.h"

namespace tabwise {

void Form1::connectBackupHandlers() {}

} // namespace tabwise

#include "ui/common/Translations.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// The desktop's language is installed while the application object is being made, before the
// program makes any text (the command line's help included).
void installDesktopLanguage()
{
    tabwise::installTranslations(QLocale::system().uiLanguages());
}

} // namespace

// Linked into the executable itself (a static library's object would be left out), and so only
// into the program, never into a test.
Q_COREAPP_STARTUP_FUNCTION(installDesktopLanguage)

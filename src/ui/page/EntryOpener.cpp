#include "ui/page/EntryOpener.h"

#include "core/entries/EntryAddress.h"
#include "platform/Platform.h"

namespace tabwise {

void openEntry(QWidget* owner, Platform& platform, EntryTarget target, const QString& entry)
{
    const EntryAddress address = entryAddress(target, entry);
    const QString refusal = !address.url.isValid() ? address.refusal
        : !platform.openTarget().open(address.url) ? notOpenedText(entry)
                                                   : QString();
    if (!refusal.isEmpty())
        platform.messages().show(owner, refusal, msgbox::OkOnly | msgbox::Critical);
}

} // namespace tabwise

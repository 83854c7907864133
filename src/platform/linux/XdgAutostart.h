#pragma once

#include "platform/Autostart.h"

#include <QString>

namespace tabwise {

// Start at log-on through the freedesktop autostart folder of the current user. The entry runs the
// start command it is given: the program, or the launcher that gives it its application folder.
class XdgAutostart : public Autostart {
public:
    explicit XdgAutostart(const QString& startCommand);
    FileWrite add() override;
    FileWrite remove() override;

private:
    QString m_startCommand;
};

} // namespace tabwise

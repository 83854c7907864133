#pragma once

#include <QString>

class QWidget;

namespace tabwise {

// Opens a target (a mailto: address, a web address, a file) with the desktop's program for it.
// Never through a shell: the target is handed over as one argument.
class OpenTarget {
public:
    virtual ~OpenTarget() = default;
    // showCommand: 1 show normally, 5 show at the current size; informational on Linux.
    virtual void open(QWidget* owner, const QString& operation, const QString& target, int showCommand) = 0;
};

} // namespace tabwise

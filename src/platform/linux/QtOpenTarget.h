#pragma once

#include "platform/OpenTarget.h"

#include <QUrl>

namespace tabwise {

// Opens targets through the desktop (xdg-open), the target always handed over as one argument.
class QtOpenTarget : public OpenTarget {
public:
    void open(QWidget* owner, const QString& operation, const QString& target, int showCommand) override;

    // The address the desktop is given for a target: a bare web address ("www.example.com")
    // becomes a web link, an absolute path a file link, a target with a scheme of its own
    // ("mailto:", "https:") is kept. Invalid when the target cannot stand for any address.
    static QUrl targetUrl(const QString& target);
};

} // namespace tabwise

#pragma once

class QUrl;

namespace tabwise {

// Opens an address (a web page, a new mail message) with the desktop's program for it. The address
// has been decided before (core/EntryAddress.h); it is handed over as one argument, never through a
// shell.
class OpenTarget {
public:
    virtual ~OpenTarget() = default;
    // False when no program could be started for it.
    virtual bool open(const QUrl& url) = 0;
};

} // namespace tabwise

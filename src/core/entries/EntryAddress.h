#pragma once

#include "core/page/PageTable.h"

#include <QString>
#include <QUrl>

namespace tabwise {

// What a double-click on a list entry hands to the desktop, decided before anything is opened. A
// page file can come from anywhere (a synced folder, a restored backup), so only two kinds of
// address leave the program: a web page over http or https, and a new mail message to one address.
struct EntryAddress {
    QUrl url; // valid when the entry may be opened
    QString refusal; // otherwise why not, naming the entry
};

// A web entry: an http or https address; a bare host name ("www.example.org", "localhost:8080/a")
// gets "http://" in front. Every other scheme and every local path is refused.
// A mail entry: one address alone ("ann@example.org", also written "Ann <ann@example.org>" or
// "mailto:ann@example.org") becomes "mailto:" and the address; anything more (a second address, a
// subject, an attachment) is refused. Empty and all-digit entries are refused on both pages.
EntryAddress entryAddress(EntryTarget target, const QString& entry);

// The message when the desktop's opener could not be started for an address.
QString notOpenedText(const QString& entry);

} // namespace tabwise

#pragma once

#include "app/CommandLine.h"

#include <QLockFile>
#include <QObject>
#include <QString>

namespace tabwise {

// Keeps one running copy per application folder: two copies over the same folder would overwrite
// each other's pages. The first copy holds a lock file and listens on a local socket; a later
// start finds the lock taken, asks the running copy to show its window (or, for --toggle, to show
// or hide it: "show\n" or "toggle\n") and ends. The socket is a plain Unix one, readable and
// writable by the user only: Qt's networking would cost every start its library and Kerberos'.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The guard's name for an application folder and the current user: a socket path in the
    // user's runtime folder, the same for every spelling of the folder (links, "..", a final "/").
    static QString nameFor(const QString& appFolder);

    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process may run: it is now the one copy for the folder (or the guard itself
    // cannot work, for example in an unwritable runtime folder, and the program runs unguarded).
    // False when another copy runs for the folder; it has been asked to do what REQUEST says.
    bool claim(StartRequest request = StartRequest::Start);

Q_SIGNALS:
    // A later start asked this copy to show its window, with the activation token that start was
    // given by the desktop (empty when none).
    void showRequested(const QString& activationToken);
    // A later start with --toggle asked this copy to show or hide its window.
    void toggleRequested(const QString& activationToken);

private:
    void listen();
    void answer();
    // Reads what has come of a later start's line into LINE; once it is whole (or the caller has
    // hung up, or sent too much) acts on it, closes the connection and returns true.
    bool read(int caller, QByteArray& line);
    void askRunningCopy(StartRequest request);

    QString m_name;
    QLockFile m_lock;
    int m_listener = -1;
};

} // namespace tabwise

#pragma once

#include <QObject>

class QSocketNotifier;

namespace tabwise {

// SIGTERM, SIGHUP and SIGINT (the session ending without a session manager, a terminal closing,
// Ctrl+C, `kill`) arrive as a signal of the event loop instead of ending the process on the spot,
// so that the program can keep what was typed before it ends. One per process.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace tabwise

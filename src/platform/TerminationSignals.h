#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGINT (the session ending, a service manager, Ctrl+C) turned into a signal in the event
// loop, so that the program ends through its normal clean-up instead of being cut off.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    // Catches both signals for the life of the object; one object per process.
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    // One of the signals arrived.
    void terminationRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};

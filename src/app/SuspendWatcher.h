#pragma once
// Tells when the system is about to sleep (logind's PrepareForSleep on the system bus), so
// that nothing keeps moving while nobody can see it. Without a system bus it stays silent.

#include <QObject>

namespace JEX {

class SuspendWatcher : public QObject {
    Q_OBJECT
public:
    explicit SuspendWatcher(QObject* parent = nullptr);
    // Whether the system bus was reached and the signal is listened to.
    bool listening() const { return listening_; }

signals:
    void suspending();

private slots:
    void prepareForSleep(bool start);

private:
    bool listening_ = false;
};

} // namespace JEX

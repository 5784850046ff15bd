#pragma once
// The program log as a Qt signal, one emission per line, for a log pane.

#include <QObject>
#include <QString>

namespace JEX {

class SSLogQSignalLogSink : public QObject {
    Q_OBJECT
public:
    explicit SSLogQSignalLogSink(QObject* parent = nullptr);
    // Once this returns the log no longer calls into the object.
    ~SSLogQSignalLogSink() override;

signals:
    // Emitted on the thread that logged the line.
    void writeSignal(QString messageLoc);

private:
    int sinkId_;
};

} // namespace JEX

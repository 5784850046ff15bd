#pragma once
// Runs velmoractl as a process, one command at a time or as a session fed line by line, and
// hands back its exit status, output and the JSON object it printed.

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace JEX::Test {

struct CtlRun {
    int exitCode = -1;
    bool finished = false;
    QString out;
    QString err;
    qint64 elapsedMs = 0;

    QJsonObject json() const {
        return QJsonDocument::fromJson(out.section('\n', 0, 0).toUtf8()).object();
    }
    QString describe() const {
        return QString("exit %1 after %2 ms\nstdout: %3\nstderr: %4")
            .arg(exitCode)
            .arg(elapsedMs)
            .arg(out, err);
    }
};

inline CtlRun runCtl(const QString& program, const QStringList& args, int limitMs = 30000,
                     const QByteArray& input = {}) {
    QProcess p;
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    CtlRun r;
    if (!p.waitForStarted(5000)) {
        r.err = "cannot start " + program + ": " + p.errorString();
        return r;
    }
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    r.finished = p.waitForFinished(limitMs);
    if (!r.finished) {
        p.kill();
        p.waitForFinished(5000);
    }
    r.elapsedMs = timer.elapsed();
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// A session: one command in, one JSON line out.
class CtlSession {
public:
    bool start(const QString& program, const QStringList& args) {
        process_.start(program, args + QStringList{"--json", "session"});
        return process_.waitForStarted(5000);
    }
    // The command's answer and how long it took, or an empty object after limitMs.
    QJsonObject ask(const QString& line, qint64* elapsedMs = nullptr, int limitMs = 30000) {
        QElapsedTimer timer;
        timer.start();
        process_.write((line + '\n').toUtf8());
        while (!process_.canReadLine() && timer.elapsed() < limitMs &&
               process_.state() == QProcess::Running)
            process_.waitForReadyRead(int(limitMs - timer.elapsed()));
        if (elapsedMs)
            *elapsedMs = timer.elapsed();
        if (!process_.canReadLine())
            return {};
        return QJsonDocument::fromJson(process_.readLine()).object();
    }
    int finish(int limitMs = 30000) {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(limitMs)) {
            process_.kill();
            process_.waitForFinished(5000);
            return -1;
        }
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }
    QString errors() { return QString::fromUtf8(process_.readAllStandardError()); }
    ~CtlSession() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

private:
    QProcess process_;
};

} // namespace JEX::Test

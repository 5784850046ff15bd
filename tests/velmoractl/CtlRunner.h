#pragma once
// Runs velmoractl as a process, one command at a time or as a session fed line by line, and
// hands back its exit status, output and the JSON object it printed. posix_spawn rather than
// QProcess, whose fork the thread sanitizer cannot follow.

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

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

class CtlChild {
public:
    CtlChild() = default;
    CtlChild(const CtlChild&) = delete;
    CtlChild& operator=(const CtlChild&) = delete;
    ~CtlChild() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        for (int fd : {in_, out_, err_})
            if (fd >= 0)
                ::close(fd);
    }

    bool start(const QString& program, const QStringList& args) {
        int in[2], out[2], err[2];
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 ||
            ::pipe2(err, O_CLOEXEC) != 0)
            return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        std::vector<std::string> words{program.toStdString()};
        for (const QString& a : args)
            words.push_back(a.toStdString());
        std::vector<char*> argv;
        for (std::string& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        ::close(err[1]);
        in_ = in[1];
        out_ = out[0];
        err_ = err[0];
        if (spawned != 0)
            pid_ = -1;
        return spawned == 0;
    }

    void write(const QByteArray& bytes) {
        qsizetype done = 0;
        while (in_ >= 0 && done < bytes.size()) {
            const ssize_t n = ::write(in_, bytes.constData() + done, size_t(bytes.size() - done));
            if (n <= 0)
                return;
            done += n;
        }
    }
    void closeInput() {
        if (in_ >= 0)
            ::close(in_);
        in_ = -1;
    }

    // One line of standard output, or an empty one when none came within limitMs.
    QByteArray readLine(int limitMs) {
        QElapsedTimer timer;
        timer.start();
        while (!out_buffer_.contains('\n') && timer.elapsed() < limitMs && pump(50)) {
        }
        const qsizetype end = out_buffer_.indexOf('\n');
        if (end < 0)
            return {};
        const QByteArray line = out_buffer_.left(end + 1);
        out_buffer_.remove(0, end + 1);
        return line;
    }

    // Waits for the end; -1 when it had to be killed.
    int finish(int limitMs) {
        closeInput();
        QElapsedTimer timer;
        timer.start();
        while ((out_ >= 0 || err_ >= 0) && timer.elapsed() < limitMs)
            pump(50);
        int status = 0;
        while (timer.elapsed() < limitMs) {
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            ::usleep(10000);
        }
        return -1;
    }

    QByteArray takeOutput() { return std::exchange(out_buffer_, {}); }
    QByteArray takeErrors() {
        pump(0);
        return std::exchange(err_buffer_, {});
    }

private:
    // Reads what is there on both pipes, waiting at most waitMs; false once both are closed.
    bool pump(int waitMs) {
        pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
        if (out_ < 0 && err_ < 0)
            return false;
        if (::poll(fds, 2, waitMs) <= 0)
            return true;
        readFrom(out_, out_buffer_, fds[0].revents);
        readFrom(err_, err_buffer_, fds[1].revents);
        return true;
    }
    static void readFrom(int& fd, QByteArray& buffer, short revents) {
        if (fd < 0 || !(revents & (POLLIN | POLLHUP | POLLERR)))
            return;
        char chunk[4096];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0) {
            buffer.append(chunk, n);
        } else {
            ::close(fd);
            fd = -1;
        }
    }

    pid_t pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    int err_ = -1;
    QByteArray out_buffer_;
    QByteArray err_buffer_;
};

inline CtlRun runCtl(const QString& program, const QStringList& args, int limitMs = 30000,
                     const QByteArray& input = {}) {
    CtlChild child;
    QElapsedTimer timer;
    timer.start();
    CtlRun r;
    if (!child.start(program, args)) {
        r.err = "cannot start " + program;
        return r;
    }
    child.write(input);
    r.exitCode = child.finish(limitMs);
    r.finished = r.exitCode != -1;
    r.elapsedMs = timer.elapsed();
    r.out = QString::fromUtf8(child.takeOutput());
    r.err = QString::fromUtf8(child.takeErrors());
    return r;
}

// A session: one command in, one JSON line out.
class CtlSession {
public:
    bool start(const QString& program, const QStringList& args) {
        return child_.start(program, args + QStringList{"--json", "session"});
    }
    // The command's answer and how long it took, or an empty object after limitMs.
    QJsonObject ask(const QString& line, qint64* elapsedMs = nullptr, int limitMs = 30000) {
        QElapsedTimer timer;
        timer.start();
        child_.write((line + '\n').toUtf8());
        const QByteArray answer = child_.readLine(limitMs);
        if (elapsedMs)
            *elapsedMs = timer.elapsed();
        return QJsonDocument::fromJson(answer).object();
    }
    int finish(int limitMs = 30000) { return child_.finish(limitMs); }
    QString errors() { return QString::fromUtf8(child_.takeErrors()); }

private:
    CtlChild child_;
};

} // namespace JEX::Test

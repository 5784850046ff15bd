#pragma once
// Runs a program as a child process, the one way the tests start programs: standard input
// on a pipe the test writes to, output and errors in files, signals sent to it, the end
// waited for with a bound. posix_spawn rather than QProcess, whose fork the thread
// sanitizer cannot follow.

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace JEX::Test {

class Child {
public:
    Child() = default;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() {
        closeInput();
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    // argv[0] without a slash is looked up on PATH.
    bool start(const QStringList& args) {
        int in[2];
        if (!dir_.isValid() || ::pipe2(in, O_CLOEXEC) != 0)
            return false;
        const std::string out = dir_.filePath("out").toStdString();
        const std::string err = dir_.filePath("err").toStdString();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT, 0600);
        std::vector<std::string> words;
        for (const QString& a : args)
            words.push_back(a.toStdString());
        std::vector<char*> argv;
        for (std::string& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        in_ = in[1];
        return pid_ > 0;
    }

    void write(const QByteArray& bytes) {
        for (qsizetype done = 0; in_ >= 0 && done < bytes.size();) {
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

    // SIGINT as from Ctrl-C, SIGTERM as from a service manager.
    void signal(int number) const {
        if (pid_ > 0)
            ::kill(pid_, number);
    }

    // The next line of standard output, or an empty one when none came within limitMs.
    QByteArray readLine(int limitMs) {
        QByteArray line;
        within(limitMs, [&] {
            const QByteArray rest = file("out").mid(read_);
            line = rest.left(rest.indexOf('\n') + 1);
            read_ += line.size();
            return !line.isEmpty();
        });
        return line;
    }

    // Closes standard input and waits for the exit status; -1 when the program did not end
    // within limitMs or ended by a signal.
    int finish(int limitMs) {
        closeInput();
        int status = 0;
        if (pid_ <= 0 ||
            !within(limitMs, [&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }))
            return -1;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    QString output() const { return QString::fromUtf8(file("out")); }
    QString errors() const { return QString::fromUtf8(file("err")); }

private:
    // Asks done every 10 ms until it says yes or limitMs have passed.
    template <typename Done> static bool within(int limitMs, Done done) {
        for (const QDeadlineTimer deadline(limitMs); !done(); ::usleep(10000))
            if (deadline.hasExpired())
                return false;
        return true;
    }
    QByteArray file(const char* name) const {
        QFile f(dir_.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    pid_t pid_ = -1;
    int in_ = -1;
    qsizetype read_ = 0;
};

struct Run {
    int exitCode = -1; // -1: not started, or killed at the time limit
    QString out;
    QString err;

    // The JSON object on the first line of the output.
    QJsonObject json() const {
        return QJsonDocument::fromJson(out.section('\n', 0, 0).toUtf8()).object();
    }
    QString describe() const {
        return QString("exit %1\nstdout: %2\nstderr: %3").arg(exitCode).arg(out, err);
    }
};

// Runs args[0] with the rest as its arguments and the given input, and waits for it.
inline Run run(const QStringList& args, const QByteArray& input = {}, int limitMs = 30000) {
    Child child;
    if (!child.start(args))
        return {-1, {}, "cannot start " + args.value(0)};
    child.write(input);
    const int exitCode = child.finish(limitMs);
    return {exitCode, child.output(), child.errors()};
}

} // namespace JEX::Test

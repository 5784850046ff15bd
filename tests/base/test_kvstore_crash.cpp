#include "QtFileUtil.h"
#include "QtKVStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace JEX;
using Clock = std::chrono::steady_clock;

namespace {

// The child's life: save over and over, setting "counter" to the next number after start,
// and print each number on its own line once its save has returned.
[[noreturn]] void saveUntilKilled(QtKVStore& store, int32_t start, int out) {
    // Never outlive the test, whatever happens to it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    for (int32_t n = start + 1; Clock::now() < deadline; ++n) {
        store.setInt("counter", n);
        char line[32];
        const int length = std::snprintf(line, sizeof line, "%d\n", n);
        if (write(out, line, static_cast<size_t>(length)) != length)
            break;
    }
    _exit(0);
}

// One saving child, forked with the test's store already loaded: under the sanitizers a
// fresh process, or a fresh store in the child, costs a tenth of a second or more, which
// 200 rounds cannot afford. Each save still writes the whole object.
class Saver {
public:
    Saver(QtKVStore& store, int32_t start) {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            saveUntilKilled(store, start, fds[1]);
        }
        close(fds[1]);
        out_ = fds[0];
    }
    ~Saver() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0)
            close(out_);
    }

    bool started() const { return pid_ > 0 && out_ >= 0; }

    // Reads until a whole line has arrived or the deadline passes.
    bool waitForLine(Clock::time_point deadline) {
        while (!output_.contains('\n')) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0 || !readSome(static_cast<int>(left.count())))
                return false;
        }
        return true;
    }

    // Kills the saver and returns its raw wait status.
    int killNow() {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        while (readSome(-1)) {
        }
        return status;
    }

    // The last number whose save had returned when the saver died.
    int32_t lastSaved() const {
        const QList<QByteArray> lines = output_.left(output_.lastIndexOf('\n')).split('\n');
        return lines.last().toInt();
    }

private:
    bool readSome(int timeoutMs) {
        pollfd p{out_, POLLIN, 0};
        const int ready = poll(&p, 1, timeoutMs);
        if (ready <= 0)
            return false;
        char buffer[4096];
        const ssize_t n = read(out_, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        output_.append(buffer, n);
        return true;
    }

    pid_t pid_ = -1;
    int out_ = -1;
    QByteArray output_;
};

} // namespace

class TestKVStoreCrash : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveThePreviousOrTheNewFile() {
        // The rounds test the process dying, not the disk: memory-backed files keep them fast.
        const QString shm = QStringLiteral("/dev/shm");
        QTemporaryDir dir(QFileInfo(shm).isDir() && QFileInfo(shm).isWritable()
                              ? shm + QStringLiteral("/test_kvstore_crash-XXXXXX")
                              : QString());
        QVERIFY(dir.isValid());
        qputenv("VELMORA_DATA_DIR", dir.path().toUtf8());
        const QString filePath = dir.filePath("Settings.txt");

        // Padding makes each save long enough that most kills land inside one.
        constexpr int kPadMembers = 200;
        QJsonObject initial;
        for (int i = 0; i < kPadMembers; ++i)
            initial.insert(QStringLiteral("pad.%1").arg(i), QString(200, QChar(u'a' + i % 26)));
        initial.insert("counter", 0);
        QtKVStore store(QStringLiteral("Settings.txt"), std::make_shared<QtFileUtil>("KD208"));
        store.setAll(initial);

        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> delayUs(0, 4000);

        constexpr int kKills = 220;
        int32_t previous = 0;
        for (int round = 1; round <= kKills; ++round) {
            const int32_t start = round * 100000;
            Saver saver(store, start);
            QVERIFY2(
                saver.started(),
                qPrintable(
                    QStringLiteral("round %1: cannot fork: %2").arg(round).arg(strerror(errno))));
            QVERIFY2(saver.waitForLine(Clock::now() + std::chrono::seconds(30)),
                     qPrintable(QStringLiteral("round %1: the saver never saved").arg(round)));
            // The moment of the kill is what varies, not something being waited for.
            std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
            const int status = saver.killNow();
            QVERIFY2(
                WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                qPrintable(
                    QStringLiteral("round %1: saver ended with status %2").arg(round).arg(status)));

            const int32_t saved = saver.lastSaved();
            QFile file(filePath);
            QVERIFY2(file.open(QIODevice::ReadOnly),
                     qPrintable(QStringLiteral("round %1: no settings file").arg(round)));
            const QByteArray bytes = file.readAll();
            QJsonParseError error{};
            const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
            QVERIFY2(error.error == QJsonParseError::NoError && doc.isObject(),
                     qPrintable(QStringLiteral("round %1: %2 bytes, %3 at offset %4")
                                    .arg(round)
                                    .arg(bytes.size())
                                    .arg(error.errorString())
                                    .arg(error.offset)));
            const QJsonObject object = doc.object();
            const int32_t counter = object.value("counter").toInt(-1);
            QVERIFY2(counter == saved || counter == saved + 1,
                     qPrintable(QStringLiteral("round %1: file holds %2, last save returned %3")
                                    .arg(round)
                                    .arg(counter)
                                    .arg(saved)));
            QVERIFY2(counter > previous,
                     qPrintable(QStringLiteral("round %1: file holds %2, before it held %3")
                                    .arg(round)
                                    .arg(counter)
                                    .arg(previous)));
            QCOMPARE(object.size(), kPadMembers + 1);
            QCOMPARE(object.value("pad.25").toString(), QString(200, QLatin1Char('z')));
            previous = counter;
        }
    }
};

QTEST_GUILESS_MAIN(TestKVStoreCrash)
#include "test_kvstore_crash.moc"

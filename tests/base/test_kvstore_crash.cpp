// A process killed at any moment of a save leaves the previous or the new settings file.

#include "QtFileUtil.h"
#include "QtKVStore.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

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
    prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlive the test
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

// The saving child and the read end of its pipe, both gone with this object.
struct Saver {
    pid_t pid = -1;
    int out = -1;
    ~Saver() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (out >= 0)
            close(out);
    }
};

} // namespace

class TestKVStoreCrash : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveThePreviousOrTheNewFile() {
        // The rounds test the process dying, not the disk: memory-backed files keep them fast.
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        QTemporaryDir dir(shm.isDir() && shm.isWritable() ? "/dev/shm/test_kvstore_crash-XXXXXX"
                                                          : QString());
        QVERIFY(dir.isValid());
        qputenv("VELMORA_DATA_DIR", dir.path().toUtf8());

        // Padding makes each save long enough that most kills land inside one.
        constexpr int kPadMembers = 200;
        QJsonObject initial{{"counter", 0}};
        for (int i = 0; i < kPadMembers; ++i)
            initial.insert(QStringLiteral("pad.%1").arg(i), QString(200, QChar(u'a' + i % 26)));
        // The child is forked with this store loaded: a fresh process or store per round would
        // cost a tenth of a second or more under the sanitizers.
        QtKVStore store(QStringLiteral("Settings.txt"), std::make_shared<QtFileUtil>("KD208"));
        store.setAll(initial);

        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> delayUs(0, 4000);

        int32_t previous = 0;
        for (int round = 1; round <= 220; ++round) {
            const QString where = QStringLiteral("round %1: ").arg(round);
            int fds[2];
            QCOMPARE(pipe2(fds, O_CLOEXEC), 0);
            Saver saver;
            saver.out = fds[0];
            saver.pid = fork();
            if (saver.pid == 0) {
                close(fds[0]);
                saveUntilKilled(store, round * 100000, fds[1]);
            }
            close(fds[1]);
            QVERIFY2(saver.pid > 0, qPrintable(where + "cannot fork"));
            // A line is written whole (far below the pipe's atomic size) after a save returned.
            pollfd ready{saver.out, POLLIN, 0};
            QVERIFY2(poll(&ready, 1, 30000) == 1, qPrintable(where + "the saver never saved"));
            // The moment of the kill is what varies, not something being waited for.
            std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
            kill(saver.pid, SIGKILL);
            int status = 0;
            waitpid(saver.pid, &status, 0);
            saver.pid = -1;
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                     qPrintable(where + QString::number(status)));
            QByteArray output;
            char buffer[4096];
            for (ssize_t n; (n = read(saver.out, buffer, sizeof buffer)) > 0;)
                output.append(buffer, n);
            const int32_t saved = output.left(output.lastIndexOf('\n')).split('\n').last().toInt();

            QFile file(dir.filePath("Settings.txt"));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(where + "no settings file"));
            const QByteArray bytes = file.readAll();
            QJsonParseError error{};
            const QJsonObject object = QJsonDocument::fromJson(bytes, &error).object();
            QVERIFY2(error.error == QJsonParseError::NoError,
                     qPrintable(where + QStringLiteral("%1 bytes, %2 at offset %3")
                                            .arg(bytes.size())
                                            .arg(error.errorString())
                                            .arg(error.offset)));
            const int32_t counter = object.value("counter").toInt(-1);
            QVERIFY2((counter == saved || counter == saved + 1) && counter > previous,
                     qPrintable(where + QStringLiteral("file holds %1, last save returned %2, "
                                                       "the file held %3 before")
                                            .arg(counter)
                                            .arg(saved)
                                            .arg(previous)));
            QCOMPARE(object.size(), kPadMembers + 1);
            QCOMPARE(object.value("pad.25").toString(), QString(200, QLatin1Char('z')));
            previous = counter;
        }
    }
};

QTEST_GUILESS_MAIN(TestKVStoreCrash)
#include "test_kvstore_crash.moc"

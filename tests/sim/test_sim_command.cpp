// velmora-mount-sim as a process: it starts on the transports asked for, answers, writes
// its transcript as it goes, and exits 0 on SIGTERM and SIGINT.

#include "SimTestUtil.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using SimTest::UdpClient;

namespace {
constexpr int WaitMs = 5000;

QByteArray firstLine(QProcess& process) {
    QByteArray line;
    const auto deadline = SimTest::Steady::now() + std::chrono::milliseconds(WaitMs);
    while (!line.contains('\n') && SimTest::remainingMs(deadline) > 0) {
        if (process.bytesAvailable() == 0)
            process.waitForReadyRead(SimTest::remainingMs(deadline));
        line += process.read(1);
    }
    return line.trimmed();
}

QList<QJsonObject> jsonLines(const QString& path) {
    QFile file(path);
    QList<QJsonObject> out;
    if (!file.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty())
            out << QJsonDocument::fromJson(line).object();
    return out;
}
} // namespace

class TestSimCommand : public QObject {
    Q_OBJECT

    QProcess process_;

    void launch(const QStringList& arguments) {
        process_.setProgram(VELMORA_MOUNT_SIM);
        process_.setArguments(arguments);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
        QVERIFY2(process_.waitForStarted(WaitMs), qPrintable(process_.errorString()));
    }

    void expectCleanExit() {
        QVERIFY2(process_.waitForFinished(WaitMs), "the simulator did not stop");
        QCOMPARE(process_.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process_.exitCode() == 0, process_.readAllStandardError().constData());
    }

private slots:
    void cleanup() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(WaitMs);
        }
    }

    void udpAnswersWritesTranscriptAndStopsOnSigterm() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString transcript = dir.filePath("exchanges.jsonl");
        const uint16_t port = SimTest::freeUdpPort();
        launch({"--preset", "3.39-80", "--udp", QString("127.0.0.1:%1").arg(port), "--transcript",
                transcript, "--seed", "5"});
        QCOMPARE(firstLine(process_), QByteArray("udp 127.0.0.1:") + QByteArray::number(port));

        UdpClient client;
        QVERIFY(client.send(port, ":e1\r"));
        const auto reply = client.receive(WaitMs);
        QVERIFY2(reply, "no firmware reply");
        QCOMPARE(reply->data, QByteArray("=032780\r"));
        QCOMPARE(reply->fromPort, port);
        QVERIFY(client.send(port, ":X10002\r"));
        QCOMPARE(client.next(WaitMs), QByteArray("=00162B97\r"));

        // The transcript is there while the simulator still runs.
        QTRY_COMPARE_WITH_TIMEOUT(jsonLines(transcript).size(), 2, WaitMs);
        const auto lines = jsonLines(transcript);
        QCOMPARE(lines[0]["request"].toString(), QString(":e1\r"));
        QCOMPARE(lines[0]["reply"].toString(), QString("=032780\r"));
        QCOMPARE(lines[0]["channel"].toString(), QString("wifi"));
        QVERIFY(lines[0]["peer"].toString().startsWith("127.0.0.1:"));
        QCOMPARE(lines[1]["reply"].toString(), QString("=00162B97\r"));

        process_.terminate();
        expectCleanExit();
        QCOMPARE(jsonLines(transcript).size(), 2);
    }

    void ptyPrintsItsPathFirstAndStopsOnSigint() {
        launch({"--preset", "3.09-08", "--pty", "--baud", "9600", "--udp", "127.0.0.1:0"});
        const QByteArray path = firstLine(process_);
        QVERIFY2(path.startsWith("/dev/"), path.constData());
        QVERIFY(firstLine(process_).startsWith("udp 127.0.0.1:"));

        SimTest::SerialClient line(path.toStdString());
        QVERIFY(line.isOpen());
        QVERIFY(line.setSpeed(B9600));
        QVERIFY(line.write(":e1\r"));
        QCOMPARE(line.readReply(WaitMs), QByteArray("=030908\r"));

        ::kill(pid_t(process_.processId()), SIGINT);
        expectCleanExit();
    }

    void faultOptionsReachTheController() {
        const uint16_t port = SimTest::freeUdpPort();
        launch({"--udp", QString("127.0.0.1:%1").arg(port), "--garbage", "1", "--fault-letters",
                "e", "--time-scale", "1000"});
        QVERIFY(firstLine(process_).startsWith("udp "));
        UdpClient client;
        QVERIFY(client.send(port, ":e1\r"));
        const auto reply = client.receive(WaitMs);
        QVERIFY(reply);
        QVERIFY2(reply->data.endsWith("=030A08\r") && reply->data.size() > 8,
                 qPrintable(SimTest::show(reply->data)));
        QVERIFY(client.send(port, ":j1\r"));
        QCOMPARE(client.next(WaitMs), QByteArray("=000080\r"));
        process_.terminate();
        expectCleanExit();
    }

    void helpListsPresetsAndFaults() {
        launch({"--help"});
        expectCleanExit();
        const QByteArray help = process_.readAllStandardOutput();
        for (const char* word :
             {"3.10-08", "3.10-0A", "3.09-08", "3.39-80", "--udp", "--pty", "--time-scale",
              "--loss", "--late", "--stuck-busy", "--seed", "--transcript"})
            QVERIFY2(help.contains(word), word);
    }

    void badArgumentsFail_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no transport") << QStringList{"--preset", "3.10-08"};
        QTest::newRow("unknown preset") << QStringList{"--preset", "9.99", "--pty"};
        QTest::newRow("unknown option") << QStringList{"--frobnicate", "--pty"};
        QTest::newRow("probability above 1") << QStringList{"--loss", "1.5", "--pty"};
        QTest::newRow("port out of range") << QStringList{"--udp", "127.0.0.1:70000"};
        QTest::newRow("missing value") << QStringList{"--pty", "--seed"};
    }
    void badArgumentsFail() {
        QFETCH(QStringList, arguments);
        launch(arguments);
        QVERIFY(process_.waitForFinished(WaitMs));
        QCOMPARE(process_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process_.exitCode(), 2);
        QVERIFY(!process_.readAllStandardError().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSimCommand)
#include "test_sim_command.moc"

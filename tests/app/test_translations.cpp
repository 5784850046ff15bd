// The translation catalogues are complete: every text of the code is in every catalogue of its
// library with a finished translation, no catalogue keeps texts the code no longer has, and
// every translation carries the placeholders of its source text.

#include "Spawn.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString source;
    QString translationType;
    QStringList translations; // one, or one per plural form
};

// Messages keyed by context and source text.
using Catalogue = QMap<QString, Message>;

QString key(const QString& context, const QString& source) {
    return context + QLatin1String(" / \"") + source + QLatin1Char('"');
}

bool read(const QString& path, Catalogue& out, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    bool numerus = false; // the translation comes as plural forms
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isEndElement() && name == QLatin1String("message"))
            out.insert(key(context, message.source), message);
        if (!xml.isStartElement())
            continue;
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            numerus = xml.attributes().value("numerus") == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.translationType = xml.attributes().value("type").toString();
            if (!numerus)
                message.translations << xml.readElementText();
            while (numerus && xml.readNextStartElement())
                message.translations << xml.readElementText();
        }
    }
    if (xml.hasError()) {
        error = xml.errorString();
        return false;
    }
    return true;
}

// The numbers of the %1..%99 placeholders (and %n) in a text, each once, sorted.
QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%(\\d{1,2}|n)"));
    QSet<QString> found;
    for (const auto& match : pattern.globalMatch(text))
        found.insert(match.captured(1));
    QStringList list(found.begin(), found.end());
    list.sort();
    return list;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
    QTemporaryDir scratch_;
    // What the code holds, per library.
    QMap<QString, Catalogue> fromCode_;

private slots:
    void initTestCase() {
        QVERIFY(scratch_.isValid());
        const QStringList lists =
            QDir(QStringLiteral(SOURCE_LISTS_DIR))
                .entryList({QStringLiteral("sources_*.lst")}, QDir::Files, QDir::Name);
        QVERIFY2(!lists.isEmpty(), "no source lists in " SOURCE_LISTS_DIR);
        for (const QString& list : lists) {
            const QString library = list.mid(8).chopped(4);
            const QString ts = scratch_.filePath(library + QStringLiteral(".ts"));
            const JEX::Test::Run lupdate = JEX::Test::run(
                {LUPDATE, "-silent", "-locations", "none", "-no-ui-lines",
                 '@' + QDir(QStringLiteral(SOURCE_LISTS_DIR)).filePath(list), "-ts", ts},
                {}, 120000);
            QVERIFY2(lupdate.exitCode == 0, qPrintable(lupdate.describe()));
            QString error;
            QVERIFY2(read(ts, fromCode_[library], error), qPrintable(error));
        }
    }

    void catalogueIsComplete_data() {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(QStringLiteral(TS_DIR))
                                      .entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << file;
    }
    void catalogueIsComplete() {
        QFETCH(QString, file);
        const QString library = file.section(QLatin1Char('_'), 0, 0);
        QVERIFY2(fromCode_.contains(library), qPrintable("no sources for " + library));
        const Catalogue& code = fromCode_[library];

        Catalogue catalogue;
        QString error;
        QVERIFY2(read(QDir(QStringLiteral(TS_DIR)).filePath(file), catalogue, error),
                 qPrintable(error));

        QStringList faults;
        for (auto it = code.cbegin(); it != code.cend(); ++it) {
            if (!catalogue.contains(it.key()))
                faults << QStringLiteral("not in the catalogue (run update_translations): ") +
                              it.key();
        }
        for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
            const Message& m = it.value();
            if (!code.contains(it.key()))
                faults << QStringLiteral("no longer in the code: ") + it.key();
            else if (!m.translationType.isEmpty())
                faults << m.translationType + QStringLiteral(": ") + it.key();
            else if (m.translations.isEmpty() || m.translations.contains(QString()))
                faults << QStringLiteral("empty translation: ") + it.key();
            for (const QString& t : m.translations) {
                if (placeholders(t) != placeholders(m.source))
                    faults << QStringLiteral("placeholders differ: ") + it.key() +
                                  QStringLiteral(" -> \"") + t + QLatin1Char('"');
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QLatin1Char('\n') + faults.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)

#include "test_translations.moc"

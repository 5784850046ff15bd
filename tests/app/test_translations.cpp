// The translations: every text of the code is in every catalogue of its library with a
// finished translation, no catalogue keeps texts the code no longer has, and every translation
// carries the placeholders of its source text. The language manager against the compiled-in
// catalogues (with Qt's own, as the distribution installs them) and a real QML engine: start-up
// language, switching, the double-length pseudo-translation and the language list.

#include "LanguageManager.h"
#include "MemoryKVStore.h"
#include "Spawn.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <memory>

using namespace JEX;

namespace {

QString translated(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

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
    std::shared_ptr<Test::MemoryKVStore> store_;
    std::unique_ptr<QQmlEngine> engine_;

    std::unique_ptr<QObject> qmlText(const char* context, const char* text) {
        QQmlComponent component(engine_.get());
        component.setData(QStringLiteral("import QtQml\nQtObject { property string t: "
                                         "qsTranslate(\"%1\", \"%2\") }")
                              .arg(QLatin1String(context), QLatin1String(text))
                              .toUtf8(),
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        if (!object)
            qWarning() << component.errors();
        return object;
    }

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

    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        store_ = std::make_shared<Test::MemoryKVStore>();
        engine_ = std::make_unique<QQmlEngine>();
    }
    void cleanup() { engine_.reset(); }

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
        for (auto it = code.cbegin(); it != code.cend(); ++it)
            if (!catalogue.contains(it.key()))
                faults << QStringLiteral("not in the catalogue (run update_translations): ") +
                              it.key();
        for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
            const Message& m = it.value();
            if (!code.contains(it.key()))
                faults << QStringLiteral("no longer in the code: ") + it.key();
            else if (!m.translationType.isEmpty())
                faults << m.translationType + QStringLiteral(": ") + it.key();
            else if (m.translations.isEmpty() || m.translations.contains(QString()))
                faults << QStringLiteral("empty translation: ") + it.key();
            for (const QString& t : m.translations)
                if (placeholders(t) != placeholders(m.source))
                    faults << QStringLiteral("placeholders differ: ") + it.key() +
                                  QStringLiteral(" -> \"") + t + QLatin1Char('"');
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QLatin1Char('\n') + faults.join(QLatin1Char('\n'))));
    }

    // The library catalogues hold the mount texts, the app catalogue the application name.
    void startUpLanguage_data() {
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("libraryText");
        QTest::addColumn<QString>("appText");
        const auto row = [](const char* name, const char* system, const char* saved,
                            const char* language, const char* library, const char* app) {
            QTest::newRow(name) << system << saved << language << library << app;
        };
        row("saved de", "en_US", "de", "de", "Verbunden", "Einstellungen");
        row("system ja, not offered, nothing saved", "ja_JP", "", "ja", "接続済み", "設定");
        row("system pl: libraries only", "pl_PL", "", "pl", "Połączono", "Settings");
        row("saved code without catalogues", "de_DE", "xx", "en", "Connected", "Settings");
        row("saved wildcard is no code", "en_US", "*", "en", "Connected", "Settings");
    }

    void startUpLanguage() {
        QFETCH(QString, systemLocale);
        QFETCH(QString, saved);
        QFETCH(QString, language);
        QFETCH(QString, libraryText);
        QFETCH(QString, appText);
        QLocale::setDefault(QLocale(systemLocale));
        if (!saved.isEmpty())
            store_ = std::make_shared<Test::MemoryKVStore>(QJsonObject{{"lang_code", saved}});

        LanguageManager manager(store_, engine_.get());
        QCOMPARE(manager.languageCode(), language);
        QCOMPARE(translated("mount", "Connected"), libraryText);
        QCOMPARE(translated("MainMenu", "Settings"), appText);
        QVERIFY(store_->writtenKeys.empty());
    }

    void switchingRetranslatesAndRemembers() {
        LanguageManager manager(store_, engine_.get());
        const auto text = qmlText("mount", "Connected");
        QVERIFY(text);
        QSignalSpy changed(&manager, &ILanguageManager::languageChanged_q);
        int nativeCalls = 0;
        manager.languageChangedList.append([&](bool) { ++nativeCalls; });

        manager.setLanguage(QStringLiteral("de"));
        QCOMPARE(text->property("t").toString(), QStringLiteral("Verbunden"));
        // Qt's own texts follow: a text field's menu, a standard dialog.
        QCOMPARE(translated("QLineEdit", "&Undo"), QStringLiteral("&Rückgängig"));
        QCOMPARE(translated("MessageDialog", "Show Details..."),
                 QStringLiteral("Details einblenden..."));
        QCOMPARE(store_->getString("lang_code", ""), std::string("de"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(nativeCalls, 1);

        manager.setLanguage(QStringLiteral("de"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(store_->writtenKeys.size(), size_t(1));

        manager.setLanguage(QStringLiteral("en"));
        QCOMPARE(manager.languageCode(), QStringLiteral("en"));
        QCOMPARE(text->property("t").toString(), QStringLiteral("Connected"));
        QCOMPARE(translated("latitude_longitude", "E"), QStringLiteral("E"));
        QCOMPARE(translated("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
        QCOMPARE(store_->getString("lang_code", ""), std::string("en"));
    }

    void doubleLengthAnswersUnlessACatalogueDoes() {
        LanguageManager manager(store_, engine_.get());
        const auto text = qmlText("mount", "Connected");
        QVERIFY(text);
        manager.setDoubleLength(true);
        QCOMPARE(text->property("t").toString(), QStringLiteral("[Connected Connected]"));
        QCOMPARE(translated("any", "%1x %2"), QStringLiteral("[%1x %2 _1x _2]"));
        QCOMPARE(translated("any", "{%1}"), QStringLiteral("[{%1} __1_]"));

        // Catalogues installed after it answer first for the texts they hold.
        manager.setLanguage(QStringLiteral("fr"));
        QCOMPARE(text->property("t").toString(), QStringLiteral("Connecté"));
        QCOMPARE(translated("mount", "No such text"),
                 QStringLiteral("[No such text No such text]"));

        manager.setDoubleLength(false);
        QCOMPARE(translated("mount", "No such text"), QStringLiteral("No such text"));
    }

    // English first, then the list of the catalogues' info.json. The page reads the entries
    // through QML (tested with the page).
    void availableLanguagesInTheirOrder() {
        const QList<LanguageManagerEntry> all =
            LanguageManager(store_, engine_.get()).availableLanguages();
        QCOMPARE(all.size(), 12);
        QCOMPARE(all[0], (LanguageManagerEntry{"en", "English"}));
        QCOMPARE(all[1].languageCode, QStringLiteral("de"));
        QCOMPARE(all[11].nativeName, QStringLiteral("中文"));
    }

    void unusableLanguageListGivesEnglishOnly_data() {
        QTest::addColumn<QByteArray>("infoJson"); // empty: no file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("broken") << QByteArray("[{\"languageCode\": \"de\",");
        QTest::newRow("not a list") << QByteArray("{\"languageCode\": \"de\"}");
    }

    void unusableLanguageListGivesEnglishOnly() {
        QFETCH(QByteArray, infoJson);
        QTemporaryDir dir;
        if (!infoJson.isEmpty()) {
            QFile file(dir.filePath(QStringLiteral("info.json")));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(infoJson) == infoJson.size());
        }
        LanguageManager manager(store_, engine_.get(), dir.path());
        const QList<LanguageManagerEntry> expected{{"en", "English"}};
        QCOMPARE(manager.availableLanguages(), expected);
    }

    // Every compiled catalogue loads and translates a text of its library.
    void everyCatalogueTranslates() {
        const QMap<QString, std::pair<const char*, const char*>> sample{
            {"app", {"tavo_profile", "Invalid Speed"}},
            {"jexastrobase", {"mount", "Operation canceled"}},
            {"jexqtcommon", {"JEX::PolarScopeInfo", "Local time"}},
            {"jexqtcommonbase", {"cardinal_direction", "SW"}},
        };
        const QStringList files =
            QDir(QStringLiteral(":/translation/")).entryList({QStringLiteral("*.qm")}, QDir::Files);
        QCOMPARE(files.size(), 12 + 3 * 13);
        for (const QString& file : files) {
            QTranslator translator;
            QVERIFY2(translator.load(file, QStringLiteral(":/translation/")), qPrintable(file));
            const auto [context, text] = sample.value(file.section(u'_', 0, 0));
            QVERIFY2(!translator.translate(context, text).isEmpty(), qPrintable(file));
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"

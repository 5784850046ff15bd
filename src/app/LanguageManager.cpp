#include "LanguageManager.h"

#include "Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <stdexcept>
#include <utility>

namespace JEX {

namespace {

constexpr const char* kLanguageKey = "lang_code";

// "de", "pt_BR", "zh-Hant": anything else could widen the catalogue file pattern ("*")
// or leave the catalogue directory.
bool looksLikeLanguageCode(const QString& code) {
    static const QRegularExpression shape(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z0-9]{1,8})*$"));
    return shape.match(code).hasMatch();
}

// The system's locale for the language, in UTF-8 where it has that; the classic locale
// where it has none (the time formats then use the C library's own names).
std::locale localeFor(const QString& code) {
    const QString name = QLocale(code).name();
    if (name == QLatin1String("C"))
        return std::locale::classic();
    for (const QString& candidate :
         {name + QStringLiteral(".UTF-8"), name + QStringLiteral(".utf8"), name}) {
        try {
            return std::locale(candidate.toStdString());
        } catch (const std::runtime_error&) {
        }
    }
    return std::locale::classic();
}

} // namespace

LanguageManager::LanguageManager(std::shared_ptr<IKVStore> store, QQmlEngine* engine,
                                 QString catalogueDir, QString qtCatalogueDir)
    : store_(std::move(store)), engine_(engine), catalogueDir_(std::move(catalogueDir)),
      qtCatalogueDir_(std::move(qtCatalogueDir)) {
    const QString saved =
        store_ ? QString::fromStdString(store_->getString(kLanguageKey, {})) : QString();
    Loaded loaded = load(saved);
    install(std::move(loaded.translators));
    retranslate();
    code_ = loaded.code;
    locale_ = localeFor(code_);
    notify();
}

LanguageManager::~LanguageManager() {
    // The application would otherwise keep pointers to translators that go with this object.
    install({});
    if (doubleLength_)
        QCoreApplication::removeTranslator(&doubleLengthTranslator_);
}

std::string LanguageManager::language() const {
    return code_.toStdString();
}

std::locale LanguageManager::locale() const {
    return locale_;
}

QString LanguageManager::systemLanguage() const {
    return QLocale().name().split(u'_').first();
}

LanguageManager::Loaded LanguageManager::load(const QString& requested) {
    const QString code = requested.isEmpty() ? systemLanguage() : requested;
    Loaded out;
    if (looksLikeLanguageCode(code)) {
        const QDir dir(catalogueDir_);
        const QStringList files =
            dir.entryList({QStringLiteral("*_") + code + QStringLiteral(".qm")},
                          QDir::Files | QDir::CaseSensitive, QDir::Name);
        for (const QString& file : files) {
            // "<catalogue>_<code>.qm" exactly: "BR" is not the region of "app_pt_BR.qm".
            if (file.chopped(code.size() + 4).chopped(1).contains(QLatin1Char('_')))
                continue;
            auto translator = std::make_shared<QTranslator>();
            if (translator->load(file, catalogueDir_))
                out.translators.push_back(std::move(translator));
            else
                log("Language: cannot load the catalogue %s", qPrintable(dir.filePath(file)));
        }
    }
    out.code = out.translators.empty() ? QStringLiteral("en") : code;
    for (auto& translator : loadQt(out.code))
        out.translators.push_back(std::move(translator));
    return out;
}

// Debian ships "qtbase_<code>.qm" and "qtdeclarative_<code>.qm", and for a few languages only
// an older "qt_<code>.qm" that holds both. The locale finds "pt_BR" for "pt" and "zh_CN" for
// "zh". Qt's texts are English already.
LanguageManager::Translators LanguageManager::loadQt(const QString& code) {
    Translators out;
    if (code == QLatin1String("en"))
        return out;
    const QLocale locale(code);
    const auto add = [&](const QString& catalogue) {
        auto translator = std::make_shared<QTranslator>();
        if (!translator->load(locale, catalogue, QStringLiteral("_"), qtCatalogueDir_))
            return false;
        out.push_back(std::move(translator));
        return true;
    };
    const auto reportMissing = [&](const QString& catalogue) {
        const QString name = catalogue + QLatin1Char('_') + code;
        if (!missingQt_.contains(name)) {
            missingQt_.insert(name);
            log("Language: no Qt catalogue %s in %s", qPrintable(name),
                qPrintable(qtCatalogueDir_));
        }
    };
    if (!add(QStringLiteral("qtbase")) && !add(QStringLiteral("qt")))
        reportMissing(QStringLiteral("qtbase"));
    if (!add(QStringLiteral("qtdeclarative")))
        reportMissing(QStringLiteral("qtdeclarative"));
    return out;
}

void LanguageManager::install(Translators translators) {
    for (const auto& t : translators_)
        QCoreApplication::removeTranslator(t.get());
    translators_ = std::move(translators);
    for (const auto& t : translators_)
        QCoreApplication::installTranslator(t.get());
}

void LanguageManager::retranslate() {
    if (engine_)
        engine_->retranslate();
}

void LanguageManager::notify() {
    languageChangedList(false);
    emit languageChanged_q();
}

void LanguageManager::setLanguage(const QString& code) {
    if (code == code_)
        return;
    Loaded loaded = load(code);
    install(std::move(loaded.translators));
    retranslate();
    code_ = loaded.code;
    locale_ = localeFor(code_);
    if (store_)
        store_->setString(kLanguageKey, code_.toStdString());
    notify();
}

void LanguageManager::setDoubleLength(bool on) {
    if (on == doubleLength_)
        return;
    if (on)
        QCoreApplication::installTranslator(&doubleLengthTranslator_);
    else
        QCoreApplication::removeTranslator(&doubleLengthTranslator_);
    retranslate();
    doubleLength_ = on;
    emit doubleLengthChanged();
    notify();
}

QList<LanguageManagerEntry> LanguageManager::availableLanguages() const {
    QList<LanguageManagerEntry> list{{QStringLiteral("en"), QStringLiteral("English")}};
    QFile file(QDir(catalogueDir_).filePath(QStringLiteral("info.json")));
    if (!file.open(QIODevice::ReadOnly)) {
        log("Language: cannot read %s", qPrintable(file.fileName()));
        return list;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (!doc.isArray()) {
        log("Language: %s is not a JSON array (%s)", qPrintable(file.fileName()),
            error.error == QJsonParseError::NoError ? "another JSON value"
                                                    : qPrintable(error.errorString()));
        return list;
    }
    for (const QJsonValue& value : doc.array()) {
        const QString code = value[QLatin1String("languageCode")].toString();
        const QString name = value[QLatin1String("nativeName")].toString();
        if (!code.isEmpty() && !name.isEmpty())
            list.append({code, name});
    }
    return list;
}

} // namespace JEX

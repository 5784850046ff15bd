#pragma once
// The user-interface language: chosen at start from the saved choice or the system's
// language, switched at run time by installing the compiled-in catalogues with Qt's own for
// its texts (standard buttons, dialogs) and asking the QML engine to re-evaluate its texts,
// and kept under "lang_code". Also offers the double-length pseudo-translation for checking
// layouts.

#include "DoubleLengthTranslator.h"
#include "IKVStore.h"
#include "ILanguageManager.h"
#include "LanguageManagerEntry.h"

#include <QLibraryInfo>
#include <QList>
#include <QPointer>
#include <QQmlEngine>
#include <QSet>
#include <QString>
#include <QTranslator>

#include <memory>
#include <vector>

namespace JEX {

class LanguageManager : public ILanguageManager {
    Q_OBJECT
    Q_PROPERTY(QString language READ languageCode WRITE setLanguage NOTIFY languageChanged_q)
    Q_PROPERTY(QList<JEX::LanguageManagerEntry> availableLanguages READ availableLanguages CONSTANT)
    Q_PROPERTY(bool doubleLength READ doubleLength WRITE setDoubleLength NOTIFY doubleLengthChanged)
public:
    // Catalogues are "<library>_<code>.qm" files and "info.json" in catalogueDir; Qt's own
    // are in qtCatalogueDir as the distribution installs them. The store and the engine may be
    // absent. Needs the application object; GUI thread only.
    LanguageManager(std::shared_ptr<IKVStore> store, QQmlEngine* engine,
                    QString catalogueDir = QStringLiteral(":/translation/"),
                    QString qtCatalogueDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    ~LanguageManager() override;

    std::string language() const override;
    std::locale locale() const override;

    QString languageCode() const { return code_; }
    // A code without catalogues (or not shaped like a language code) falls back to "en".
    void setLanguage(const QString& code);
    // "en"/"English" first, then the entries of info.json in file order, read afresh.
    QList<LanguageManagerEntry> availableLanguages() const;
    bool doubleLength() const { return doubleLength_; }
    void setDoubleLength(bool on);

    Q_INVOKABLE QString systemLanguage() const;

signals:
    void doubleLengthChanged();

private:
    using Translators = std::vector<std::shared_ptr<QTranslator>>;
    struct Loaded {
        QString code;
        Translators translators;
    };
    Loaded load(const QString& requested);
    Translators loadQt(const QString& code);
    void install(Translators translators);
    void retranslate();
    void notify();

    std::shared_ptr<IKVStore> store_;
    QPointer<QQmlEngine> engine_;
    const QString catalogueDir_;
    const QString qtCatalogueDir_;
    // Qt catalogues found missing, each logged once.
    QSet<QString> missingQt_;
    QString code_;
    std::locale locale_;
    Translators translators_;
    bool doubleLength_ = false;
    DoubleLengthTranslator doubleLengthTranslator_;
};

} // namespace JEX

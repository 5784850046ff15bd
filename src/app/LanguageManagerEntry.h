#pragma once
// One language the user can choose: its code and its name in that language.

#include <QMetaType>
#include <QObject>
#include <QString>

namespace JEX {

class LanguageManagerEntry {
    Q_GADGET
    Q_PROPERTY(QString languageCode MEMBER languageCode)
    Q_PROPERTY(QString nativeName MEMBER nativeName)
public:
    QString languageCode;
    QString nativeName;

    bool operator==(const LanguageManagerEntry&) const = default;
};

} // namespace JEX

Q_DECLARE_METATYPE(JEX::LanguageManagerEntry)

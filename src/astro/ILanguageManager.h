#pragma once
// The user-interface language as the rest of the console reads it: its code, the standard
// library locale that goes with it, and notice when it changes.

#include "CallbackList.h"

#include <QObject>

#include <locale>
#include <string>

namespace JEX {

class ILanguageManager : public QObject {
    Q_OBJECT
public:
    // The current language code ("en", "de", ...), UTF-8.
    virtual std::string language() const = 0;
    // The locale of the current language, or the classic locale where the system has none.
    virtual std::locale locale() const = 0;

    // Native observers; called with false after every change, before languageChanged_q.
    CallbackList<void(bool)> languageChangedList;

signals:
    void languageChanged_q();
};

} // namespace JEX

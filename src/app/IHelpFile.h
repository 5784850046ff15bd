#pragma once
// The help document for the current language, as QML shows or opens it.

#include <QObject>
#include <QUrl>

namespace JEX {

class IHelpFile : public QObject {
    Q_OBJECT
    Q_PROPERTY(QUrl helpUrl READ helpUrl NOTIFY helpUrlChanged)
public:
    virtual QUrl helpUrl() const = 0;
    // Opens the document in the system's browser.
    Q_INVOKABLE virtual void openInExternalApp() = 0;
    // The document's HTML for the console's own viewer; at night in reds on black and without
    // its pictures (taken by day, they would dazzle). Empty when the file cannot be read.
    Q_INVOKABLE virtual QString document(bool night) const = 0;

signals:
    void helpUrlChanged();
};

} // namespace JEX

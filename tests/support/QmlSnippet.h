#pragma once
// A QML engine that finds the compiled-in modules, making objects from snippets of QML.
// The test program imports the static plugins it needs.

#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

#include <memory>

namespace JEX::Test {

class QmlSnippet {
public:
    QmlSnippet() { engine.addImportPath(QStringLiteral("qrc:/qt/qml")); }

    // A QtObject with id root, the given imports, members and initial properties.
    std::unique_ptr<QObject> make(const QString& imports, const QString& members,
                                  const QVariantMap& properties = {}) {
        QQmlComponent component(&engine);
        component.setData(QStringLiteral("import QtQml\n%1\nQtObject {\nid: root\n%2\n}\n")
                              .arg(imports, members)
                              .toUtf8(),
                          QUrl(QStringLiteral("qrc:/snippet.qml")));
        std::unique_ptr<QObject> object(component.createWithInitialProperties(properties));
        if (!object)
            qWarning("%s", qPrintable(component.errorString()));
        return object;
    }

    // Calls the object's QML function run() and gives what it returned.
    static QVariant run(QObject* object) {
        QVariant result;
        QMetaObject::invokeMethod(object, "run", Q_RETURN_ARG(QVariant, result));
        return result;
    }

    QQmlEngine engine;
};

} // namespace JEX::Test

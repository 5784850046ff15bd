#pragma once
// The settings store as QML sees it: typed loads with a default and typed saves by key.

#include "IKVStore.h"

#include <QObject>
#include <QString>

#include <memory>

namespace JEX {

class QmlKVStore : public QObject {
    Q_OBJECT
public:
    explicit QmlKVStore(std::shared_ptr<IKVStore> kvStore, QObject* parent = nullptr);

    Q_INVOKABLE QString loadString(const QString& key, const QString& defaultVal) const;
    Q_INVOKABLE bool loadBool(const QString& key, bool defaultVal) const;
    Q_INVOKABLE int loadInt(const QString& key, int defaultVal) const;
    Q_INVOKABLE double loadDouble(const QString& key, double defaultVal) const;
    Q_INVOKABLE void saveString(const QString& key, const QString& val);
    Q_INVOKABLE void saveBool(const QString& key, bool val);
    Q_INVOKABLE void saveInt(const QString& key, int val);
    Q_INVOKABLE void saveDouble(const QString& key, double val);

private:
    const std::shared_ptr<IKVStore> kvStore_;
};

} // namespace JEX

#include "QmlKVStore.h"

namespace JEX {

QmlKVStore::QmlKVStore(std::shared_ptr<IKVStore> kvStore, QObject* parent)
    : QObject(parent), kvStore_(std::move(kvStore)) {}

QString QmlKVStore::loadString(const QString& key, const QString& defaultVal) const {
    if (!kvStore_)
        return defaultVal;
    return QString::fromStdString(kvStore_->getString(key.toStdString(), defaultVal.toStdString()));
}

bool QmlKVStore::loadBool(const QString& key, bool defaultVal) const {
    return kvStore_ ? kvStore_->getBool(key.toStdString(), defaultVal) : defaultVal;
}

int QmlKVStore::loadInt(const QString& key, int defaultVal) const {
    return kvStore_ ? kvStore_->getInt(key.toStdString(), defaultVal) : defaultVal;
}

double QmlKVStore::loadDouble(const QString& key, double defaultVal) const {
    return kvStore_ ? kvStore_->getDouble(key.toStdString(), defaultVal) : defaultVal;
}

void QmlKVStore::saveString(const QString& key, const QString& val) {
    if (kvStore_)
        kvStore_->setString(key.toStdString(), val.toStdString());
}

void QmlKVStore::saveBool(const QString& key, bool val) {
    if (kvStore_)
        kvStore_->setBool(key.toStdString(), val);
}

void QmlKVStore::saveInt(const QString& key, int val) {
    if (kvStore_)
        kvStore_->setInt(key.toStdString(), val);
}

void QmlKVStore::saveDouble(const QString& key, double val) {
    if (kvStore_)
        kvStore_->setDouble(key.toStdString(), val);
}

} // namespace JEX

#include "AppVersion.h"

#include <QCoreApplication>
#include <QStringList>

namespace JEX {

namespace {
constexpr int kMajor = 2;
constexpr int kMinor = 6;
constexpr int kPatch = 4;
} // namespace

QString AppVersion::string() const {
    return QStringList{QString::number(kMajor), QString::number(kMinor), QString::number(kPatch)}
        .join(u'.');
}

QString AppVersion::appName() const {
    // A product's name is the same in every language.
    return QStringLiteral("Velmora Console");
}

} // namespace JEX

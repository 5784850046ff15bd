#include "QmlModules.h"

#include "CmdRet.h"
#include "QmlFutureTypes.h"

#include <QFuture>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(AppPlugin)
Q_IMPORT_QML_PLUGIN(TavoPlugin)
Q_IMPORT_QML_PLUGIN(JexAstroBasePlugin)
Q_IMPORT_QML_PLUGIN(JexQtCommonPlugin)
Q_IMPORT_QML_PLUGIN(JexQtCommonBasePlugin)
Q_IMPORT_QML_PLUGIN(QuickFuturePlugin)
Q_IMPORT_QML_PLUGIN(QuickPromisePlugin)

namespace JEX {

void importQmlModules() {
    qRegisterMetaType<CmdRet>();
    qRegisterMetaType<QFuture<CmdRet>>();
    registerQmlFutureTypes();
}

} // namespace JEX

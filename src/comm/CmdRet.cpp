#include "CmdRet.h"

#include <QCoreApplication>

namespace JEX {

QString cmdRetTypeText(CmdRetType type) {
    switch (type) {
    case CmdRetType::Ok:
        return QCoreApplication::translate("mount", "Successful");
    case CmdRetType::Nak:
        return QCoreApplication::translate("mount", "Negative response");
    case CmdRetType::Timeout:
        return QCoreApplication::translate("mount", "Communication error");
    case CmdRetType::Cancel:
        return QCoreApplication::translate("mount", "Operation canceled");
    case CmdRetType::Other:
        return QCoreApplication::translate("mount", "Unexpected response");
    }
    return {};
}

} // namespace JEX

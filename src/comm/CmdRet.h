#pragma once
// The result of one mount command, and its QML-facing value.

#include <QMetaType>
#include <QObject>
#include <QString>

#include <cstdint>

namespace JEX {

namespace CmdRetType_ {
Q_NAMESPACE

enum class E : int32_t {
    Ok = 0,      // accepted ('=' reply)
    Nak = 1,     // rejected ('!' reply)
    Timeout = 2, // no reply after every resend, or the transport failed
    Cancel = 3,  // the caller's token was cancelled before a reply came
    Other = 4,   // a reply came but it is malformed or cannot be decoded
};
Q_ENUM_NS(E)

} // namespace CmdRetType_

using CmdRetType = CmdRetType_::E;

// The user-facing text of a result type, translated in the context "mount"; empty for a
// value outside the enumeration.
QString cmdRetTypeText(CmdRetType type);

class CmdRet {
    Q_GADGET
    Q_PROPERTY(JEX::CmdRetType_::E type MEMBER type)
    Q_PROPERTY(QString message MEMBER message)
public:
    CmdRetType type = CmdRetType::Ok;
    // What a failed operation left the mount in, when the type alone does not say it: the
    // untranslated text of the context "mount", which a page translates when it shows it.
    QString message;

    CmdRet() = default;
    CmdRet(CmdRetType t) : type(t) {}
    CmdRet(CmdRetType t, QString m) : type(t), message(std::move(m)) {}
    bool operator==(const CmdRet&) const = default;
};

} // namespace JEX

Q_DECLARE_METATYPE(JEX::CmdRet)

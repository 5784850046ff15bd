#pragma once
// The part of connecting that depends on the transport: search for the mount (or open the
// configured port) in the background, offer what was found, and hand an opened link on.

#include "CallbackList.h"
#include "JexConverserEtal.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <string>

namespace JEX {

// One found device as the connection dialog lists it.
class IConnectableSearchResult {
    Q_GADGET
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString subtitle MEMBER subtitle CONSTANT)
public:
    QString title;
    QString subtitle;

    bool operator==(const IConnectableSearchResult&) const = default;
};

class IConnectableHelper : public QObject {
    Q_OBJECT
public:
    // What a helper reports while it works.
    struct Status {
        enum Kind : int { Searching = 0, SearchListPopulated = 1, Connecting = 2, Failed = 3 };
        int kind = Searching;
        std::string detail; // UTF-8; only the serial link's failures carry one
    };

    // Takes the board id (third firmware byte); false keeps the device off the list.
    using DeviceFilter = std::function<bool(uint8_t boardId)>;
    // Called on the helper's background thread with the opened link.
    using OnConnected = std::function<void(const JexConverserEtal&)>;

    using QObject::QObject;

    // A QVariantList of IConnectableSearchResult, or an invalid variant while no list has been
    // made since the last startConnect.
    Q_INVOKABLE virtual QVariant devicesList() const = 0;
    Q_INVOKABLE virtual void startConnect() = 0;
    Q_INVOKABLE virtual void selectDevice(int index) = 0;
    // Opens a link again to the endpoint of an earlier connect, without a search, in the
    // background: the link goes to the connect callback, a failure to the status list.
    virtual void reopen(const std::string& endpoint) {
        (void)endpoint;
        statusList(Status{Status::Failed, {}});
    }
    virtual void setDeviceFilter(DeviceFilter filter) = 0;
    virtual void setOnConnected(OnConnected callback) = 0;
    // True while a search or connect started here still runs in the background (the opened
    // link's hand-over included); starts and selections are ignored meanwhile.
    virtual bool busy() const { return false; }

    CallbackList<void(const Status&)> statusList;
    CallbackList<void()> devicesListChangedList;
};

} // namespace JEX

Q_DECLARE_METATYPE(JEX::IConnectableSearchResult)

#pragma once
// The helper the connection dialog talks to: it forwards every call to the helper of the
// configured connection type (the UDP helper when that type has none) and repeats the
// reports of the UDP, serial and BLE helpers to its own listeners.

#include "IConnectableHelper.h"
#include "IConnectionSettings.h"

#include <array>
#include <atomic>
#include <memory>
#include <shared_mutex>

namespace JEX {

class ConnectableHelper : public IConnectableHelper {
    Q_OBJECT
public:
    // Any helper may be null; each present helper's reports are repeated as this one's.
    ConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                      std::shared_ptr<IConnectableHelper> udp,
                      std::shared_ptr<IConnectableHelper> emulator,
                      std::shared_ptr<IConnectableHelper> serial,
                      std::shared_ptr<IConnectableHelper> ble);
    ~ConnectableHelper() override;
    ConnectableHelper(const ConnectableHelper&) = delete;
    ConnectableHelper& operator=(const ConnectableHelper&) = delete;

    QVariant devicesList() const override;
    void startConnect() override;
    void selectDevice(int index) override;
    void reopen(const std::string& endpoint) override;
    void setDeviceFilter(DeviceFilter filter) override;
    void setOnConnected(OnConnected callback) override;
    // Any of the helpers: a search of one type still running blocks a connect of another.
    bool busy() const override;

    // Uses the helper of this type whatever the settings say (the demo mount of one run),
    // without changing the stored type.
    void forceType(ConnectionType_::E type);

private:
    // The helper for the configured type, else the UDP helper (null when that is absent too).
    IConnectableHelper* current() const;

    // What the repeaters appended to the other helpers reach this object through: a helper's
    // background thread may report while this object is being destroyed, so the destructor
    // takes the writer side and empties it, and a repeater holds the reader side while it
    // calls this object's listeners.
    struct Relay {
        std::shared_mutex mutex;
        ConnectableHelper* target = nullptr;
    };

    std::shared_ptr<Relay> relay_;
    std::shared_ptr<IConnectionSettings> settings_;
    std::atomic<int> forcedType_{-1};
    // Indexed by ConnectionType_::E: UDP, emulator, serial, BLE.
    std::array<std::shared_ptr<IConnectableHelper>, 4> helpers_;
};

} // namespace JEX

#pragma once
// Finds mounts on the local networks by broadcasting the version inquiry (and asking
// 192.168.4.1 directly when it did not answer), lists those the device filter accepts, and
// opens a UDP link to the chosen one, or straight to the fixed address when not searching.

#include "DetachedThread.h"
#include "IConnectableHelper.h"
#include "IConnectionSettings.h"
#include "IJexDevice.h"
#include "IUDPBroadcaster.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace JEX {

// Create with std::make_shared: the background work holds the helper while it runs.
class UDPConnectableHelper : public IConnectableHelper,
                             public std::enable_shared_from_this<UDPConnectableHelper> {
    Q_OBJECT
public:
    // One listed mount.
    struct FoundDevice {
        std::string address;
        std::string broadcastAddress;
        std::string localAddress;
        std::string version; // "3.10.08"

        bool operator==(const FoundDevice&) const = default;
    };

    // The mount's access point, asked directly when the broadcast got nothing from it.
    static constexpr const char* kAccessPointAddress = "192.168.4.1";
    static constexpr const char* kAccessPointBroadcast = "192.168.4.255";

    UDPConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                         std::shared_ptr<IUDPBroadcaster> broadcaster,
                         std::shared_ptr<IUDPJexDeviceFactory> deviceFactory);

    QVariant devicesList() const override;
    void startConnect() override;
    void selectDevice(int index) override;
    // Binds anew to any local address: the console's own may have changed since.
    void reopen(const std::string& endpoint) override;
    void setDeviceFilter(DeviceFilter filter) override;
    void setOnConnected(OnConnected callback) override;
    bool busy() const override { return work_.busy(); }

    // The list of the last finished search; empty while no list is made.
    std::vector<FoundDevice> foundDevices() const;

    // The firmware in a reply to the version inquiry: the first "=" followed by six hex
    // digits and one more byte that ends the datagram; empty for any other shape.
    static std::optional<Firmware> parseVersionReply(const Bytes& data);

private:
    void bg_startConnect();
    void connectTo(const FoundDevice& device);
    bool accepts(uint8_t boardId) const;

    std::shared_ptr<IConnectionSettings> settings_;
    std::shared_ptr<IUDPBroadcaster> broadcaster_;
    std::shared_ptr<IUDPJexDeviceFactory> deviceFactory_;

    // The search thread writes the list and the flag while the GUI thread reads them, and the
    // GUI thread sets the filter and callback while a search may read them.
    mutable std::mutex mutex_;
    DeviceFilter filter_;
    OnConnected onConnected_;
    std::vector<FoundDevice> devices_;
    bool listMade_ = false;
    SingleFlight work_;
};

} // namespace JEX

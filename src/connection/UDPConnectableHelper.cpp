#include "UDPConnectableHelper.h"

#include "Hex.h"
#include "IJexDevice.h"

#include <algorithm>

namespace JEX {

UDPConnectableHelper::UDPConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                                           std::shared_ptr<IUDPBroadcaster> broadcaster,
                                           std::shared_ptr<IUDPJexDeviceFactory> deviceFactory)
    : settings_(std::move(settings)), broadcaster_(std::move(broadcaster)),
      deviceFactory_(std::move(deviceFactory)) {}

QVariant UDPConnectableHelper::devicesList() const {
    std::vector<FoundDevice> devices;
    {
        std::lock_guard lock(mutex_);
        if (!listMade_)
            return {};
        devices = devices_;
    }
    QVariantList list;
    for (const FoundDevice& d : devices)
        list.push_back(QVariant::fromValue(IConnectableSearchResult{
            QString::fromStdString(d.address), QString::fromStdString(d.version)}));
    return list;
}

std::vector<UDPConnectableHelper::FoundDevice> UDPConnectableHelper::foundDevices() const {
    std::lock_guard lock(mutex_);
    return listMade_ ? devices_ : std::vector<FoundDevice>{};
}

void UDPConnectableHelper::startConnect() {
    auto self = weak_from_this().lock();
    if (!self) {
        log("UDPConnectableHelper: not held by a shared pointer, nothing started");
        return;
    }
    work_.start([self] { self->bg_startConnect(); }, "UDPConnectableHelper");
}

void UDPConnectableHelper::selectDevice(int index) {
    FoundDevice device;
    {
        std::lock_guard lock(mutex_);
        if (!listMade_ || index < 0 || size_t(index) >= devices_.size())
            return;
        device = devices_[size_t(index)];
    }
    auto self = weak_from_this().lock();
    if (!self)
        return;
    work_.start([self, device] { self->connectTo(device); }, "UDPConnectableHelper");
}

void UDPConnectableHelper::reopen(const std::string& endpoint) {
    auto self = weak_from_this().lock();
    if (!self)
        return;
    work_.start(
        [self, endpoint] {
            self->connectTo(FoundDevice{endpoint, {}, {}, {}});
        },
        "UDPConnectableHelper");
}

void UDPConnectableHelper::setDeviceFilter(DeviceFilter filter) {
    std::lock_guard lock(mutex_);
    filter_ = std::move(filter);
}

void UDPConnectableHelper::setOnConnected(OnConnected callback) {
    std::lock_guard lock(mutex_);
    onConnected_ = std::move(callback);
}

std::optional<Firmware> UDPConnectableHelper::parseVersionReply(const Bytes& data) {
    const auto marker = std::find(data.begin(), data.end(), uint8_t('='));
    if (marker == data.end() || data.end() - marker != 8)
        return std::nullopt;
    const auto value = decodeHexBE(&*marker + 1, 6);
    if (!value)
        return std::nullopt;
    return Firmware{uint8_t(*value >> 16), uint8_t(*value >> 8), uint8_t(*value)};
}

bool UDPConnectableHelper::accepts(uint8_t boardId) const {
    DeviceFilter filter;
    {
        std::lock_guard lock(mutex_);
        filter = filter_;
    }
    return !filter || filter(boardId);
}

void UDPConnectableHelper::bg_startConnect() {
    {
        std::lock_guard lock(mutex_);
        listMade_ = false;
    }
    devicesListChangedList();
    statusList(Status{Status::Connecting, {}});

    if (!settings_->searchIP()) {
        connectTo(FoundDevice{settings_->fixedIP(), {}, {}, {}});
        return;
    }

    statusList(Status{Status::Searching, {}});
    const Bytes versionInquiry{':', 'e', '1', '\r'};
    const std::vector<UDPBroadcasterResult> results = broadcaster_->broadcast(versionInquiry);

    std::vector<FoundDevice> found;
    bool accessPointAnswered = false;
    for (const UDPBroadcasterResult& r : results) {
        if (r.senderAddress == kAccessPointAddress)
            accessPointAnswered = true;
        const auto firmware = parseVersionReply(r.data);
        if (!firmware || !accepts(firmware->boardId))
            continue;
        found.push_back({r.senderAddress, r.broadcastAddress, r.localAddress, firmware->text()});
    }

    // A console whose interfaces give no broadcast address (or whose broadcast the access
    // point does not hear) still finds a mount at its usual address.
    if (!accessPointAnswered) {
        const JexConverserEtal probe =
            deviceFactory_->create({}, kAccessPointAddress, kAccessPointBroadcast);
        if (probe.device) {
            const CmdResp<Firmware> firmware = probe.device->readFirmware(0);
            if (firmware.ok() && accepts(firmware.get().boardId))
                found.push_back(
                    {kAccessPointAddress, kAccessPointBroadcast, {}, firmware.get().text()});
        }
    }

    // Byte order of the address text; of several replies from one address the first stays.
    std::stable_sort(found.begin(), found.end(), [](const FoundDevice& a, const FoundDevice& b) {
        return a.address < b.address;
    });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const FoundDevice& a, const FoundDevice& b) {
                                return a.address == b.address;
                            }),
                found.end());

    {
        std::lock_guard lock(mutex_);
        devices_ = found;
        listMade_ = true;
    }
    devicesListChangedList();

    if (found.size() == 1)
        connectTo(found.front());
    else
        statusList(Status{Status::SearchListPopulated, {}});
}

void UDPConnectableHelper::connectTo(const FoundDevice& device) {
    statusList(Status{Status::Connecting, {}});
    const JexConverserEtal link =
        deviceFactory_->create(device.localAddress, device.address, device.broadcastAddress);
    OnConnected onConnected;
    {
        std::lock_guard lock(mutex_);
        onConnected = onConnected_;
    }
    if (onConnected)
        onConnected(link);
}

} // namespace JEX

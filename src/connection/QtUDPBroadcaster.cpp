#include "QtUDPBroadcaster.h"

#include "Log.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QNetworkProxy>
#include <QUdpSocket>

#include <chrono>
#include <memory>
#include <thread>

namespace JEX {
namespace {

// Qt derives a broadcast address from the netmask for every IPv4 address. For a host
// address (/32, point-to-point links) that is the address itself, and sending there only
// reaches this machine, so such an address counts as having none.
bool isUsed(const QNetworkAddressEntry& entry) {
    return entry.ip().protocol() == QAbstractSocket::IPv4Protocol && !entry.broadcast().isNull() &&
           entry.broadcast() != entry.ip();
}

const char* protocolName(QAbstractSocket::NetworkLayerProtocol protocol) {
    switch (protocol) {
    case QAbstractSocket::IPv4Protocol:
        return "IPv4Protocol";
    case QAbstractSocket::IPv6Protocol:
        return "IPv6Protocol";
    case QAbstractSocket::AnyIPProtocol:
        return "AnyIPProtocol";
    default:
        return "UnknownNetworkLayerProtocol";
    }
}

std::string text(const QHostAddress& address) {
    return address.toString().toStdString();
}

} // namespace

IUDPBroadcaster::StopPredicate IUDPBroadcaster::standardStopRule() {
    auto pass = std::make_shared<int>(1);
    return [pass] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (*pass >= 3)
            return true;
        ++*pass;
        return false;
    };
}

std::vector<std::pair<QHostAddress, QHostAddress>> QtUDPBroadcaster::usedAddresses() {
    std::vector<std::pair<QHostAddress, QHostAddress>> used;
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces())
        for (const QNetworkAddressEntry& entry : iface.addressEntries())
            if (isUsed(entry))
                used.emplace_back(entry.ip(), entry.broadcast());
    return used;
}

void QtUDPBroadcaster::broadcast(uint16_t port, const std::vector<Bytes>& payloads,
                                 const ReplyCallback& onReply, const StopPredicate& stop) {
    struct Bound {
        std::unique_ptr<QUdpSocket> socket;
        QHostAddress broadcast;
        std::string localText;
        std::string broadcastText;
    };
    std::vector<Bound> sockets;
    for (const auto& [address, broadcast] : usedAddresses()) {
        auto socket = std::make_unique<QUdpSocket>();
        // A broadcast goes out on its own interface. Asking for a proxy would also start
        // the platform's proxy resolver on a thread of its own, for nothing.
        socket->setProxy(QNetworkProxy::NoProxy);
        if (!socket->bind(address, 0))
            continue;
        sockets.push_back(Bound{std::move(socket), broadcast, text(address), text(broadcast)});
    }

    for (;;) {
        for (Bound& b : sockets)
            for (const Bytes& payload : payloads) {
                const qint64 written =
                    b.socket->writeDatagram(reinterpret_cast<const char*>(payload.data()),
                                            qint64(payload.size()), b.broadcast, port);
                if (written < qint64(payload.size()))
                    log("QtUDPBroadcaster: failed to write to %s", b.broadcastText.c_str());
            }
        if (!stop || stop())
            break;
        for (Bound& b : sockets)
            for (int n = 0; n < kMaxRepliesPerRound && b.socket->hasPendingDatagrams(); ++n) {
                const QNetworkDatagram datagram = b.socket->receiveDatagram();
                if (!datagram.isValid() || datagram.senderAddress().isNull())
                    continue;
                const QByteArray data = datagram.data();
                if (onReply)
                    onReply(UDPBroadcasterResult{b.localText, text(datagram.senderAddress()),
                                                 b.broadcastText, Bytes(data.begin(), data.end())});
            }
    }
}

std::string QtUDPBroadcaster::interfaceReport() {
    static constexpr std::pair<QNetworkInterface::InterfaceFlag, const char*> flagNames[] = {
        {QNetworkInterface::IsUp, "IsUp"},
        {QNetworkInterface::IsRunning, "IsRunning"},
        {QNetworkInterface::CanBroadcast, "CanBroadcast"},
        {QNetworkInterface::IsLoopBack, "IsLoopBack"},
        {QNetworkInterface::IsPointToPoint, "IsPointToPoint"},
        {QNetworkInterface::CanMulticast, "CanMulticast"},
    };
    QString report;
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        report += QString::asprintf("Interface: [%s]\n", qUtf8Printable(iface.name()));
        for (const auto& [flag, name] : flagNames)
            report += QString::asprintf("%s:%i ", name, iface.flags().testFlag(flag) ? 1 : 0);
        report += QLatin1Char('\n');
        for (const QNetworkAddressEntry& entry : iface.addressEntries())
            report += QString::asprintf(
                "  %s: %s broadcast: %s use: %i\n", protocolName(entry.ip().protocol()),
                qUtf8Printable(entry.ip().toString()), qUtf8Printable(entry.broadcast().toString()),
                isUsed(entry) ? 1 : 0);
    }
    return report.toStdString();
}

} // namespace JEX

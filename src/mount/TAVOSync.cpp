#include "TAVOSync.h"

#include "Hex.h"
#include "Log.h"
#include "TAVOParamMemory.h"

#include <QCoreApplication>

#include <algorithm>

namespace JEX {
namespace {

constexpr uint32_t kWifiOnValue = 0x10B;
constexpr uint32_t kWifiOffValue = 0x10C;

// What a failed start, stop or Wi-Fi write left the mount in.
const char* const kNotStarted =
    QT_TRANSLATE_NOOP("mount", "The program was not started; the mount keeps its previous state.");
const char* const kNotStartedPreviousStopped = QT_TRANSLATE_NOOP(
    "mount", "The program was not started, and the previous one may have been stopped.");
const char* const kStartUnconfirmed =
    QT_TRANSLATE_NOOP("mount", "The start of the program was sent, but the mount did not confirm "
                               "it. Read the mount's status to see whether it runs.");
const char* const kNotStopped =
    QT_TRANSLATE_NOOP("mount", "The program was not stopped; the mount keeps its previous state.");
const char* const kStopUnconfirmed =
    QT_TRANSLATE_NOOP("mount", "The stop was sent, but the mount did not confirm it. Read the "
                               "mount's status to see whether its program still runs.");
const char* const kWifiNotApplied = QT_TRANSLATE_NOOP(
    "mount", "The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.");
const char* const kWifiUnconfirmed = QT_TRANSLATE_NOOP(
    "mount", "The Wi-Fi settings were written, but the mount did not confirm that it applied "
             "them. If its Wi-Fi restarts under the new name, it did.");

CmdRet failure(CmdRetType type, const char* leftIn) {
    return CmdRet(type, QString::fromUtf8(leftIn));
}

// Which commands the mount acts on each time they arrive, so that a resend after a lost reply
// would do again what was done:
// - a mode written to the requested-mode byte 0x20 starts the program again from its first
//   photo; 0 stops it (a second stop finds nothing to stop; sent the same way for symmetry);
// - 1 written to the Wi-Fi apply byte 0x80 applies the Wi-Fi settings again, restarting it
//   (see wifiApplyEffect for when it is sent again);
// - the axis command J, arriving again after its goto has ended, starts the goto once more,
//   H steps further; it keeps the link's resends, as all but the shortest gotos outlast them.
// Everything else can be repeated without changing what the mount does: the program and
// settings fields, the commit byte 0x180 (stores the same values again), the light bytes
// 0x60 and 0x64 (on stays on), the connect and disconnect marks 0x6C and 0x70 (marked
// twice), the Wi-Fi switch W (a state, not a toggle) and the other axis commands (they set
// values or stop). The first two go out once, through writeActing.
using Effect = PersistentEEPROM::Effect;

// A start took effect when the mount runs the mode, or still has it as a request.
CmdResp<Effect> startEffect(IEEPROMConverser& memory, uint8_t mode) {
    const CmdResp<uint8_t> running = memory.readByte(TAVOAddr::RunningMode);
    if (!running.ok())
        return running.type;
    if (running.get() == mode)
        return Effect::Taken;
    const CmdResp<uint8_t> requested = memory.readByte(TAVOAddr::RequestedMode);
    if (!requested.ok())
        return requested.type;
    return requested.get() == mode ? Effect::Taken : Effect::Absent;
}

CmdResp<Effect> stopEffect(IEEPROMConverser& memory) {
    const CmdResp<uint8_t> running = memory.readByte(TAVOAddr::RunningMode);
    if (!running.ok())
        return running.type;
    return running.get() == 0 ? Effect::Taken : Effect::Absent;
}

// The apply byte reads nonzero until the mount has taken the settings. A 0 read at once
// after the lost reply mostly means the request never arrived; read after the mount's busy
// time (the read itself lost and taken up) it may mean taken already, which nothing in the
// memory tells apart. Either way the request goes out again: a second apply of the same
// settings only restarts the Wi-Fi once more, while leaving a lost one unsent would keep the
// old Wi-Fi and leave the user to find out which happened.
CmdResp<Effect> wifiApplyEffect(IEEPROMConverser& memory) {
    const CmdResp<uint8_t> apply = memory.readByte(TAVOAddr::WifiApply);
    if (!apply.ok())
        return apply.type;
    return apply.get() != 0 ? Effect::Taken : Effect::Absent;
}

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString fromUtf8(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool hasAp(WifiMode_::E mode) {
    return mode == WifiMode_::E::AP || mode == WifiMode_::E::Both;
}

bool hasSta(WifiMode_::E mode) {
    return mode == WifiMode_::E::STA || mode == WifiMode_::E::Both;
}

void requireFits(const std::string& text, uint16_t fieldLength) {
    if (text.size() > fieldLength)
        throw std::logic_error("Write string: input too long");
}

} // namespace

bool MountIdentity::matches(const Firmware& fw, const std::string& name) const {
    return fw == firmware &&
           std::find(deviceNames.begin(), deviceNames.end(), name) != deviceNames.end();
}

TAVOSync::TAVOSync(D d, QObject* parent) : ITAVOSync(parent), d_(std::move(d)) {
    registerMountMetaTypes();
}

CmdRet TAVOSync::syncOnConnect(const MountIdentity* expected) {
    if (const CmdRetType r = d_.device->init(true, 1); r != CmdRetType::Ok)
        return r;
    if (const CmdRetType r = d_.axis->prepare(); r != CmdRetType::Ok)
        return r;
    IEEPROMConverser& memory = *d_.eeprom;
    if (const auto name = readDeviceName(memory); !name.ok())
        return name.type;
    if (expected && !expected->matches(d_.device->firmware(0), deviceName())) {
        log("Another mount answers: %s \"%s\"", d_.device->firmware(0).text().c_str(),
            deviceName().c_str());
        return CmdRetType::Other;
    }
    if (const auto s = readStatus(memory); !s.ok())
        return s.type;
    if (const auto power = readPowerStatus(memory); !power.ok())
        return power.type;
    if (d_.taskState->status().value().mode != TAVOMode_::E::Manual) {
        if (const auto program = readParamSet(memory); !program.ok())
            return program.type;
    }
    if (d_.device->axisStatus(0).uninitialised) {
        if (const CmdRetType r = d_.axis->setPosition(0, 0.0); r != CmdRetType::Ok)
            return r;
        if (const CmdRetType r = d_.device->sendF(0); r != CmdRetType::Ok)
            return r;
    }
    return d_.eeprom->writeByte(TAVOAddr::ConnectMark, 1);
}

CmdRet TAVOSync::prepareDisconnect() {
    if (d_.settings->wifiOffOnDisconnect())
        return switchWifi(false);
    return d_.eeprom->writeByte(TAVOAddr::DisconnectMark, 1);
}

Nullable<TAVOStatus> TAVOSync::status() const {
    return d_.taskState->status();
}

PersistentEEPROM TAVOSync::operationMemory() const {
    return PersistentEEPROM(d_.eeprom, retired_, d_.now);
}

CmdResp<TAVOStatus> TAVOSync::readStatus() {
    PersistentEEPROM memory = operationMemory();
    return readStatus(memory);
}

CmdResp<TAVOStatus> TAVOSync::readStatus(IEEPROMConverser& memory) {
    TAVOStatus s;
    const CmdResp<uint8_t> mode = memory.readByte(TAVOAddr::RunningMode);
    if (!mode.ok())
        return mode.type;
    s.mode = static_cast<TAVOMode_::E>(static_cast<int8_t>(mode.get()));
    const CmdResp<uint32_t> pictures = memory.readU32(TAVOAddr::PicturesTaken);
    if (!pictures.ok())
        return pictures.type;
    s.numberOfPictureTaken = static_cast<int32_t>(pictures.get());
    s.updateTimeUnixMs = d_.clock->nowMs();
    d_.taskState->setStatus(s);
    return s;
}

Nullable<TAVOPowerStatus> TAVOSync::lastPowerStatus() const {
    std::lock_guard lock(cacheMutex_);
    return lastPowerStatus_;
}

CmdResp<TAVOPowerStatus> TAVOSync::readPowerStatus() {
    PersistentEEPROM memory = operationMemory();
    return readPowerStatus(memory);
}

CmdResp<TAVOPowerStatus> TAVOSync::readPowerStatus(IEEPROMConverser& memory) {
    TAVOPowerStatus power;
    power.readTimeUnixMs = d_.clock->nowMs();
    const CmdResp<uint16_t> battery = memory.readU16(TAVOAddr::BatteryVolt);
    if (!battery.ok())
        return battery.type;
    power.batteryVolt = static_cast<int16_t>(battery.get()) / 100.0;
    const CmdResp<uint16_t> usb = memory.readU16(TAVOAddr::UsbVolt);
    if (!usb.ok())
        return usb.type;
    power.usbVolt = static_cast<int16_t>(usb.get()) / 100.0;
    {
        std::lock_guard lock(cacheMutex_);
        lastPowerStatus_.set(power);
    }
    emit propertyChanged();
    return power;
}

Nullable<ReadTAVOParamSet> TAVOSync::lastParamSet() const {
    return d_.taskState->readParamSet();
}

CmdResp<ReadTAVOParamSet> TAVOSync::readParamSet() {
    PersistentEEPROM memory = operationMemory();
    return readParamSet(memory);
}

CmdResp<ReadTAVOParamSet> TAVOSync::readParamSet(IEEPROMConverser& memory) {
    const CmdResp<ReadTAVOParamSet> program = readProgram(memory, *d_.device);
    if (program.ok())
        d_.taskState->setReadParamSet(program.get());
    return program;
}

CmdRet TAVOSync::programManualMode() {
    PersistentEEPROM memory = operationMemory();
    const PersistentEEPROM::ActingWrite stop =
        memory.writeActing(TAVOAddr::RequestedMode, 0, [&] { return stopEffect(memory); });
    if (stop.type != CmdRetType::Ok)
        return failure(stop.type, stop.unsettled ? kStopUnconfirmed : kNotStopped);
    if (Nullable<TAVOStatus> s = d_.taskState->status()) {
        TAVOStatus stopped = s.value();
        stopped.mode = TAVOMode_::E::Manual;
        stopped.numberOfPictureTaken = 0;
        stopped.updateTimeUnixMs = d_.clock->nowMs();
        d_.taskState->setStatus(stopped);
    }
    return CmdRetType::Ok;
}

CmdRet TAVOSync::programAutoMode(const TAVOParamSet& params) {
    PersistentEEPROM memory = operationMemory();
    if (const CmdRetType r = waitNotBusy(memory, TAVOAddr::RequestedMode); r != CmdRetType::Ok)
        return failure(r, kNotStarted);
    const auto mode = static_cast<uint8_t>(static_cast<int32_t>(params.mode));
    const char* leftIn = kNotStarted;
    const auto start = [&]() -> CmdRetType {
        // After a lost reply the running mode tells whether the start arrived; it cannot tell
        // while the mount runs that mode already, so that program is stopped first.
        const CmdResp<uint8_t> running = memory.readByte(TAVOAddr::RunningMode);
        if (!running.ok())
            return running.type;
        if (running.get() == mode) {
            const PersistentEEPROM::ActingWrite stop =
                memory.writeActing(TAVOAddr::RequestedMode, 0, [&] { return stopEffect(memory); });
            if (stop.type == CmdRetType::Ok || stop.unsettled)
                leftIn = kNotStartedPreviousStopped;
            if (stop.type != CmdRetType::Ok)
                return stop.type;
        }
        const PersistentEEPROM::ActingWrite started = memory.writeActing(
            TAVOAddr::RequestedMode, mode, [&] { return startEffect(memory, mode); });
        if (started.unsettled)
            leftIn = kStartUnconfirmed;
        return started.type;
    };
    const CmdResp<int64_t> started = writeProgram(memory, *d_.device, *d_.clock, params,
                                                  d_.settings->wifiOffOnTaskStart(), start);
    if (!started.ok())
        return failure(started.type, leftIn);
    const int64_t startMs = started.get();
    if (Nullable<TAVOStatus> s = d_.taskState->status()) {
        TAVOStatus running = s.value();
        running.mode = params.mode;
        running.numberOfPictureTaken = 0;
        running.updateTimeUnixMs = d_.clock->nowMs();
        d_.taskState->setStatus(running);
    }
    d_.taskState->setReadParamSet(ReadTAVOParamSet{startMs, params});
    return CmdRetType::Ok;
}

std::string TAVOSync::deviceName() const {
    std::lock_guard lock(cacheMutex_);
    return deviceName_;
}

CmdResp<std::string> TAVOSync::readDeviceName() {
    PersistentEEPROM memory = operationMemory();
    return readDeviceName(memory);
}

CmdResp<std::string> TAVOSync::readDeviceName(IEEPROMConverser& memory) {
    const CmdResp<std::string> name = memory.readString(TAVOAddr::ApSsid, TAVOFieldLen::DeviceName);
    if (!name.ok())
        return name;
    {
        std::lock_guard lock(cacheMutex_);
        deviceName_ = name.get();
    }
    emit propertyChanged();
    return name;
}

CmdResp<WifiSettings> TAVOSync::readWifiSettings() {
    PersistentEEPROM memory = operationMemory();
    WifiSettings w;
    const CmdResp<uint8_t> mode = memory.readByte(TAVOAddr::WifiMode);
    if (!mode.ok())
        return mode.type;
    w.mode = static_cast<WifiMode_::E>(mode.get());
    const CmdResp<uint8_t> sec = memory.readByte(TAVOAddr::WifiApSecurity);
    if (!sec.ok())
        return sec.type;
    w.AP_SEC = static_cast<WifiSec_::E>(static_cast<int8_t>(sec.get()));

    const struct {
        uint16_t address;
        uint16_t length;
        QString WifiSettings::*field;
        QByteArray WifiSettings::*bytes;
    } texts[] = {
        {TAVOAddr::ApSsid, TAVOFieldLen::ApSsid, &WifiSettings::AP_SSID,
         &WifiSettings::AP_SSID_read},
        {TAVOAddr::ApPass, TAVOFieldLen::ApPass, &WifiSettings::AP_pass,
         &WifiSettings::AP_pass_read},
        {TAVOAddr::StaSsid, TAVOFieldLen::StaSsid, &WifiSettings::STA_SSID,
         &WifiSettings::STA_SSID_read},
        {TAVOAddr::StaPass, TAVOFieldLen::StaPass, &WifiSettings::STA_pass,
         &WifiSettings::STA_pass_read},
        {TAVOAddr::StaFixedIp, TAVOFieldLen::StaFixedIp, &WifiSettings::STA_fixedIP,
         &WifiSettings::STA_fixedIP_read},
    };
    for (const auto& text : texts) {
        const CmdResp<std::string> value = memory.readString(text.address, text.length);
        if (!value.ok())
            return value.type;
        w.*text.field = fromUtf8(value.get());
        w.*text.bytes = QByteArray::fromStdString(value.get());
    }
    return w;
}

CmdRet TAVOSync::writeWifiSettings(const WifiSettings& w) {
    const bool ap = hasAp(w.mode);
    const bool sta = hasSta(w.mode);
    // A mode or security the mount does not know could leave it unreachable: refuse it before
    // anything is written.
    if (!ap && !sta) {
        log("writeWifiSettings: refused unknown Wi-Fi mode %d", static_cast<int>(w.mode));
        return CmdRetType::Other;
    }
    if (ap && !isKnownWifiSecurity(w.AP_SEC)) {
        log("writeWifiSettings: refused unknown access-point security %d",
            static_cast<int>(w.AP_SEC));
        return CmdRetType::Other;
    }
    const bool apPass = ap && w.AP_SEC != WifiSec_::E::Open;
    // A text left as read goes back as the bytes read, valid UTF-8 or not.
    const auto bytesOf = [](const QString& text, const QByteArray& read) {
        return !read.isEmpty() && fromUtf8(read.toStdString()) == text ? read.toStdString()
                                                                       : utf8(text);
    };
    const std::string apSsid = bytesOf(w.AP_SSID, w.AP_SSID_read);
    const std::string apPassword = bytesOf(w.AP_pass, w.AP_pass_read);
    const std::string staSsid = bytesOf(w.STA_SSID, w.STA_SSID_read);
    const std::string staPassword = bytesOf(w.STA_pass, w.STA_pass_read);
    const std::string staIp = bytesOf(w.STA_fixedIP, w.STA_fixedIP_read);
    // An overlong text is found before the first write, so that the mount never keeps half a
    // configuration because of it.
    if (ap)
        requireFits(apSsid, TAVOFieldLen::ApSsid);
    if (apPass)
        requireFits(apPassword, TAVOFieldLen::ApPass);
    if (sta) {
        requireFits(staSsid, TAVOFieldLen::StaSsid);
        requireFits(staPassword, TAVOFieldLen::StaPass);
        requireFits(staIp, TAVOFieldLen::StaFixedIp);
    }

    PersistentEEPROM e = operationMemory();
    const auto written = [&]() -> CmdRetType {
        if (const CmdRetType r = waitNotBusy(e, TAVOAddr::WifiApply); r != CmdRetType::Ok)
            return r;
        CmdRetType r = e.writeU32(TAVOAddr::WifiMode, static_cast<uint32_t>(w.mode));
        if (r != CmdRetType::Ok)
            return r;
        if (ap) {
            r = e.writeU32(TAVOAddr::WifiApSecurity, static_cast<uint32_t>(w.AP_SEC));
            if (r != CmdRetType::Ok)
                return r;
            r = e.writeString(TAVOAddr::ApSsid, TAVOFieldLen::ApSsid, apSsid);
            if (r != CmdRetType::Ok)
                return r;
            if (apPass) {
                r = e.writeString(TAVOAddr::ApPass, TAVOFieldLen::ApPass, apPassword);
                if (r != CmdRetType::Ok)
                    return r;
            }
        }
        if (sta) {
            r = e.writeString(TAVOAddr::StaSsid, TAVOFieldLen::StaSsid, staSsid);
            if (r != CmdRetType::Ok)
                return r;
            r = e.writeString(TAVOAddr::StaPass, TAVOFieldLen::StaPass, staPassword);
            if (r != CmdRetType::Ok)
                return r;
            r = e.writeString(TAVOAddr::StaFixedIp, TAVOFieldLen::StaFixedIp, staIp);
            if (r != CmdRetType::Ok)
                return r;
        }
        return CmdRetType::Ok;
    }();
    if (written != CmdRetType::Ok)
        return failure(written, kWifiNotApplied);
    const PersistentEEPROM::ActingWrite apply =
        e.writeActing(TAVOAddr::WifiApply, 1, [&] { return wifiApplyEffect(e); });
    if (apply.type != CmdRetType::Ok)
        return failure(apply.type, apply.unsettled ? kWifiUnconfirmed : kWifiNotApplied);
    // The mount comes back under the name it was given: a reconnect must know it by it.
    if (ap) {
        {
            std::lock_guard lock(cacheMutex_);
            deviceName_ = apSsid;
        }
        emit propertyChanged();
    }
    return CmdRetType::Ok;
}

CmdResp<uint32_t> TAVOSync::readWifiTimeoutSec() {
    return operationMemory().readU32(TAVOAddr::WifiAutoOffSec);
}

CmdRet TAVOSync::writeWifiTimeoutSec(uint32_t seconds) {
    return operationMemory().writeU32(TAVOAddr::WifiAutoOffSec, seconds);
}

CmdRet TAVOSync::switchWifi(bool on) {
    const Cmd cmd{0, 'W', hexLE(on ? kWifiOnValue : kWifiOffValue, 3)};
    return d_.converser->converse(cmd).type;
}

CmdRet TAVOSync::writePolarSightLightOn(bool on) {
    return operationMemory().writeByte(on ? TAVOAddr::LightOn : TAVOAddr::LightOff, 1);
}

CmdResp<uint32_t> TAVOSync::readPolarSightLightTimeoutSec() {
    return operationMemory().readU32(TAVOAddr::LightAutoOffSec);
}

CmdRet TAVOSync::writePolarSightLightTimeoutSec(uint32_t seconds) {
    PersistentEEPROM memory = operationMemory();
    return commit(memory, memory.writeU32(TAVOAddr::LightAutoOffSec, seconds));
}

CmdResp<bool> TAVOSync::readPowerOnAutoPreviousTask() {
    const CmdResp<uint8_t> value = operationMemory().readByte(TAVOAddr::AutoRunPrevious);
    if (!value.ok())
        return value.type;
    return value.get() != 0;
}

CmdRet TAVOSync::writePowerOnAutoPreviousTask(bool enabled) {
    PersistentEEPROM memory = operationMemory();
    return commit(memory, memory.writeByte(TAVOAddr::AutoRunPrevious, enabled ? 1 : 0));
}

CmdResp<uint32_t> TAVOSync::readAutoShutdownSec() {
    return operationMemory().readU32(TAVOAddr::AutoShutdownSec);
}

CmdRet TAVOSync::writeAutoShutdownSec(uint32_t seconds) {
    PersistentEEPROM memory = operationMemory();
    return commit(memory, memory.writeU32(TAVOAddr::AutoShutdownSec, seconds));
}

bool TAVOSync::isVelmoraWifi() const {
    return isVelmoraWifiBoard(*d_.device);
}

bool TAVOSync::hasPolarSightLight() const {
    return !isVelmoraWifi();
}

bool TAVOSync::hasAutoShutdown() const {
    return !isVelmoraWifi();
}

bool TAVOSync::hasDithering() const {
    return supportsMillisecondPeriods(*d_.device);
}

bool TAVOSync::hasMillisecondPeriods() const {
    return supportsMillisecondPeriods(*d_.device);
}

QString TAVOSync::programOutOfRange(const TAVOParamSet& params) const {
    return JEX::programOutOfRange(*d_.device, params);
}

CmdRetType TAVOSync::waitNotBusy(IEEPROMConverser& memory, uint16_t address) {
    for (int reads = 1;; ++reads) {
        const CmdResp<uint8_t> busy = memory.readByte(address);
        if (!busy.ok())
            return busy.type;
        if (busy.get() == 0)
            return CmdRetType::Ok;
        if (reads == kBusyReads)
            return CmdRetType::Other;
        if (d_.waitable->wait(kBusyPollMs))
            return CmdRetType::Cancel;
    }
}

CmdRetType TAVOSync::commit(IEEPROMConverser& memory, CmdRetType written) {
    if (written != CmdRetType::Ok)
        return written;
    return memory.writeByte(TAVOAddr::SettingsCommit, 1);
}

} // namespace JEX

// indi_velmora_tracker: the tracker as an INDI telescope with a guider port. libindi supplies
// main and its event loop on standard input; this program holds the device object. The mount
// is reached through the console's own connection (a search, an address, a serial port or
// the console's stored choice), and the tracker's logic lives in TrackerDevice; here it is
// put on INDI's standard properties. Qt's own work (queued signals, the reconnect timer) is
// done from libindi's loop, and every libindi call is made on its thread.

#include "AstroCalc.h"
#include "IAstroClock.h"
#include "Location.h"
#include "MountStack.h"
#include "QtFileUtil.h"
#include "QtKVStore.h"
#include "Reconnector.h"
#include "TAVOParams.h"
#include "TrackerDevice.h"

#include <eventloop.h>
#include <indiguiderinterface.h>
#include <inditelescope.h>

#include <QCoreApplication>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <numbers>
#include <thread>
#include <unistd.h>

using namespace JEX;

namespace {

constexpr double kRadHours = 12.0 / std::numbers::pi;
constexpr double kRadDeg = 180.0 / std::numbers::pi;
// The multiples of the sidereal rate of the four slew rates, slowest first.
constexpr double kSlewMultiples[] = {2, 16, 128, 720};
constexpr auto kConnectLimit = std::chrono::seconds(60);
constexpr auto kDisconnectLimit = std::chrono::seconds(30);

enum LinkChoice { LinkStored, LinkSearch, LinkAddress, LinkSerial };

// Written by a signal handler, read on libindi's thread.
int wakePipe[2] = {-1, -1};
volatile sig_atomic_t terminating = 0;

// An empty text of libindi's may be no text at all.
std::string textOf(const IText& t) {
    return t.text ? t.text : "";
}

void onTerminate(int) {
    terminating = 1;
    const char byte = 't';
    [[maybe_unused]] const ssize_t n = write(wakePipe[1], &byte, 1);
}

class VelmoraTracker : public INDI::Telescope, public INDI::GuiderInterface {
public:
    VelmoraTracker() {
        setVersion(1, 0);
        SetTelescopeCapability(TELESCOPE_CAN_SYNC | TELESCOPE_CAN_ABORT | TELESCOPE_HAS_TIME |
                                   TELESCOPE_HAS_LOCATION | TELESCOPE_HAS_TRACK_MODE |
                                   TELESCOPE_CAN_CONTROL_TRACK | TELESCOPE_HAS_TRACK_RATE,
                               4);
        setTelescopeConnection(CONNECTION_NONE);
    }

    const char* getDefaultName() override { return "Velmora Tracker"; }

    bool initProperties() override {
        INDI::Telescope::initProperties();
        startQt();
        AddTrackMode("TRACK_SIDEREAL", "Sidereal", true);
        AddTrackMode("TRACK_SOLAR", "Solar");
        AddTrackMode("TRACK_LUNAR", "Lunar");
        AddTrackMode("TRACK_CUSTOM", "Custom");
        TrackRateN[AXIS_RA].value = 15.041067;
        TrackRateN[AXIS_DE].value = 0;
        for (int i = 0; i < SlewRateSP.nsp; ++i)
            snprintf(SlewRateS[i].label, MAXINDILABEL, "%gx", kSlewMultiples[i]);
        IUResetSwitch(&SlewRateSP);
        SlewRateS[1].s = ISS_ON;

        IUFillSwitch(&linkS_[LinkStored], "LINK_STORED", "As the console", ISS_ON);
        IUFillSwitch(&linkS_[LinkSearch], "LINK_SEARCH", "Search", ISS_OFF);
        IUFillSwitch(&linkS_[LinkAddress], "LINK_ADDRESS", "Address", ISS_OFF);
        IUFillSwitch(&linkS_[LinkSerial], "LINK_SERIAL", "Serial port", ISS_OFF);
        IUFillSwitchVector(&linkSP_, linkS_, 4, getDeviceName(), "VELMORA_LINK", "Mount",
                           CONNECTION_TAB, IP_RW, ISR_1OFMANY, 60, IPS_IDLE);
        IUFillText(&targetT_[0], "ADDRESS", "Address", "");
        IUFillText(&targetT_[1], "SERIAL_PORT", "Serial port", "");
        IUFillTextVector(&targetTP_, targetT_, 2, getDeviceName(), "VELMORA_LINK_TARGET",
                         "Mount at", CONNECTION_TAB, IP_RW, 60, IPS_IDLE);

        IUFillNumber(&timeoutN_[0], "TIMEOUT_SEC", "Seconds", "%.0f", 1, 300, 1,
                     TrackerDevice::kDefaultMotionTimeoutMs / 1000.0);
        IUFillNumberVector(&timeoutNP_, timeoutN_, 1, getDeviceName(), "MOTION_TIMEOUT",
                           "Motion time-out", MOTION_TAB, IP_RW, 60, IPS_IDLE);
        IUFillNumber(&guideRateN_[0], "GUIDE_RATE_WE", "W/E rate (× sidereal)", "%.2f", 0.1, 0.9,
                     0.05, TrackerDevice::kDefaultGuideRate);
        IUFillNumberVector(&guideRateNP_, guideRateN_, 1, getDeviceName(), "GUIDE_RATE",
                           "Guiding rate", GUIDE_TAB, IP_RW, 60, IPS_IDLE);
        initGuiderProperties(getDeviceName(), GUIDE_TAB);

        IUFillText(&infoT_[0], "FIRMWARE", "Firmware", "");
        IUFillText(&infoT_[1], "DEVICE_NAME", "Name", "");
        IUFillTextVector(&infoTP_, infoT_, 2, getDeviceName(), "MOUNT_INFO", "Mount", INFO_TAB,
                         IP_RO, 60, IPS_IDLE);
        IUFillNumber(&powerN_[0], "BATTERY_V", "Battery (V)", "%.2f", 0, 30, 0, 0);
        IUFillNumber(&powerN_[1], "USB_V", "USB (V)", "%.2f", 0, 30, 0, 0);
        IUFillNumberVector(&powerNP_, powerN_, 2, getDeviceName(), "MOUNT_POWER", "Power", INFO_TAB,
                           IP_RO, 60, IPS_IDLE);
        IUFillText(&programT_[0], "STATE", "Program", "None");
        IUFillTextVector(&programTP_, programT_, 1, getDeviceName(), "MOUNT_PROGRAM",
                         "Mount's program", INFO_TAB, IP_RO, 60, IPS_IDLE);

        setDriverInterface(getDriverInterface() | GUIDER_INTERFACE);
        addAuxControls();
        return true;
    }

    void ISGetProperties(const char* dev) override {
        INDI::Telescope::ISGetProperties(dev);
        defineProperty(&linkSP_);
        defineProperty(&targetTP_);
        loadConfig(true, "VELMORA_LINK");
        loadConfig(true, "VELMORA_LINK_TARGET");
    }

    bool updateProperties() override {
        INDI::Telescope::updateProperties();
        if (isConnected()) {
            // One axis: west and east only.
            defineProperty(&MovementWESP);
            defineProperty(&SlewRateSP);
            defineProperty(&timeoutNP_);
            defineProperty(&GuideNSNP);
            defineProperty(&GuideWENP);
            defineProperty(&guideRateNP_);
            defineProperty(&infoTP_);
            defineProperty(&powerNP_);
            defineProperty(&programTP_);
            publishLocation();
        } else {
            deleteProperty(MovementWESP.name);
            deleteProperty(SlewRateSP.name);
            deleteProperty(timeoutNP_.name);
            deleteProperty(GuideNSNP.name);
            deleteProperty(GuideWENP.name);
            deleteProperty(guideRateNP_.name);
            deleteProperty(infoTP_.name);
            deleteProperty(powerNP_.name);
            deleteProperty(programTP_.name);
        }
        return true;
    }

    bool ISNewSwitch(const char* dev, const char* name, ISState* states, char* names[],
                     int n) override {
        if (dev && !strcmp(dev, getDeviceName())) {
            if (!strcmp(name, linkSP_.name)) {
                IUUpdateSwitch(&linkSP_, states, names, n);
                linkSP_.s = IPS_OK;
                IDSetSwitch(&linkSP_, nullptr);
                return true;
            }
            if (!strcmp(name, MovementWESP.name))
                return newMotion(states, names, n);
            if (!strcmp(name, MovementNSSP.name)) {
                IUResetSwitch(&MovementNSSP);
                MovementNSSP.s = IPS_ALERT;
                IDSetSwitch(&MovementNSSP, "The tracker has one axis: no north or south motion.");
                return false;
            }
        }
        return INDI::Telescope::ISNewSwitch(dev, name, states, names, n);
    }

    bool ISNewText(const char* dev, const char* name, char* texts[], char* names[],
                   int n) override {
        if (dev && !strcmp(dev, getDeviceName()) && !strcmp(name, targetTP_.name)) {
            IUUpdateText(&targetTP_, texts, names, n);
            targetTP_.s = IPS_OK;
            IDSetText(&targetTP_, nullptr);
            return true;
        }
        return INDI::Telescope::ISNewText(dev, name, texts, names, n);
    }

    bool ISNewNumber(const char* dev, const char* name, double values[], char* names[],
                     int n) override {
        if (dev && !strcmp(dev, getDeviceName())) {
            if (!strcmp(name, timeoutNP_.name)) {
                IUUpdateNumber(&timeoutNP_, values, names, n);
                device_->setMotionTimeoutMs(int(timeoutN_[0].value * 1000));
                timeoutNP_.s = IPS_OK;
                IDSetNumber(&timeoutNP_, nullptr);
                return true;
            }
            if (!strcmp(name, guideRateNP_.name)) {
                IUUpdateNumber(&guideRateNP_, values, names, n);
                device_->setGuideRate(guideRateN_[0].value);
                guideRateNP_.s = IPS_OK;
                IDSetNumber(&guideRateNP_, nullptr);
                return true;
            }
            if (!strcmp(name, GuideNSNP.name) || !strcmp(name, GuideWENP.name)) {
                processGuiderProperties(name, values, names, n);
                return true;
            }
        }
        return INDI::Telescope::ISNewNumber(dev, name, values, names, n);
    }

    bool saveConfigItems(FILE* fp) override {
        INDI::Telescope::saveConfigItems(fp);
        IUSaveConfigSwitch(fp, &linkSP_);
        IUSaveConfigText(fp, &targetTP_);
        IUSaveConfigNumber(fp, &timeoutNP_);
        IUSaveConfigNumber(fp, &guideRateNP_);
        return true;
    }

    bool Connect() override {
        chooseLink();
        struct Outcome {
            std::atomic<bool> done{false};
            std::atomic<bool> connected{false};
        };
        auto outcome = std::make_shared<Outcome>();
        stack_->connectable->startSession(SessionRequest{[outcome](bool c) {
                                                             outcome->connected = c;
                                                             outcome->done = true;
                                                         },
                                                         {}});
        const auto deadline = std::chrono::steady_clock::now() + kConnectLimit;
        while (std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents();
            if (outcome->done && outcome->connected && stack_->container->get())
                break;
            const ConnectableState_::E state = stack_->connectable->state();
            if (state == ConnectableState_::E::Failed) {
                LOGF_ERROR("Cannot connect: %s %s", qPrintable(stack_->connectable->statusText()),
                           qPrintable(stack_->connectable->statusDetailText()));
                stack_->connectable->cancelSession();
                return false;
            }
            if (state == ConnectableState_::E::SearchListPopulated) {
                QStringList found;
                for (const QVariant& v : stack_->connectable->devicesList().toList()) {
                    const auto r = v.value<IConnectableSearchResult>();
                    found << r.title + " (" + r.subtitle + ")";
                }
                stack_->connectable->cancelSession();
                if (found.isEmpty())
                    LOG_ERROR("No mount answered the search.");
                else
                    LOGF_ERROR("Several mounts answered: %s. Choose one by its address.",
                               qPrintable(found.join(", ")));
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (!stack_->container->get()) {
            stack_->connectable->cancelSession();
            LOG_ERROR("Cannot connect: no answer within 60 s.");
            return false;
        }
        LOGF_INFO("Connected to %s over %s.", qPrintable(stack_->container->get()->deviceName()),
                  qPrintable(stack_->connectable->connectedEndpoint()));
        LOG_INFO("The tracker turns one axis: the declination shown is the one of the last sync "
                 "(a plate solve in Ekos syncs it), and it has no go-to.");
        SetTimer(getCurrentPollingPeriod());
        return true;
    }

    bool Disconnect() override {
        if (device_->motion() || device_->pulsing())
            device_->settle(settleLimitMs());
        reconnector_->cancel();
        stack_->connectable->startNextAction();
        const auto deadline = std::chrono::steady_clock::now() + kDisconnectLimit;
        while (stack_->connectable->state() != ConnectableState_::E::NotShown &&
               std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }

    bool ReadScopeStatus() override {
        const std::shared_ptr<ITAVO> tavo = stack_->container->get();
        if (!tavo) {
            EqNP.s = IPS_ALERT;
            IDSetNumber(&EqNP, nullptr);
            return false;
        }
        device_->poll();
        showMount(*tavo);
        const TrackerDevice::Pointing p = device_->pointing();
        TrackState = device_->motion()     ? SCOPE_SLEWING
                     : device_->tracking() ? SCOPE_TRACKING
                                           : SCOPE_IDLE;
        NewRaDec(p.raRad * kRadHours, p.decRad * kRadDeg);
        return true;
    }

    bool Sync(double ra, double dec) override {
        const TrackerDevice::Outcome r = device_->sync(ra / kRadHours, dec / kRadDeg);
        if (!r.ok) {
            LOG_ERROR(r.message.c_str());
            return false;
        }
        LOGF_INFO("Synced: the axis now points at RA %.4f h, Dec %.3f°.", ra, dec);
        NewRaDec(ra, dec);
        return true;
    }

    bool Abort() override {
        const TrackerDevice::Outcome r = device_->abort();
        if (!r.ok) {
            LOG_ERROR(r.message.c_str());
            return false;
        }
        // Abort ends every motion of the axis, tracking included: it stands still.
        TrackState = SCOPE_IDLE;
        IUResetSwitch(&TrackStateSP);
        TrackStateS[TRACK_OFF].s = ISS_ON;
        TrackStateSP.s = IPS_IDLE;
        IDSetSwitch(&TrackStateSP, nullptr);
        LOG_INFO("Aborted: the axis stopped, tracking is off.");
        return true;
    }

    bool SetTrackEnabled(bool enabled) override {
        if (enabled && !applyTrackMode(IUFindOnSwitchIndex(&TrackModeSP)))
            return false;
        return report(device_->setTracking(enabled));
    }

    bool SetTrackMode(uint8_t mode) override { return applyTrackMode(mode); }

    bool SetTrackRate(double raRate, double deRate) override {
        return report(device_->setCustomRate(raRate, deRate));
    }

    bool updateLocation(double latitude, double longitude, double elevation) override {
        CLocation here = location_->location();
        here.latitudeRad = latitude / kRadDeg;
        here.longitudeRad = TrackerDevice::westLongitudeRad(longitude);
        here.mockLatitude = false;
        here.altitudeMeter = elevation;
        location_->setLocation(here);
        return true;
    }

    bool updateTime(ln_date*, double) override {
        LOG_INFO("The computer's clock is used for the sidereal time.");
        return true;
    }

    IPState GuideNorth(uint32_t) override { return refuseNorthSouth(); }
    IPState GuideSouth(uint32_t) override { return refuseNorthSouth(); }
    IPState GuideEast(uint32_t ms) override { return pulse(TrackerDevice::Direction::East, ms); }
    IPState GuideWest(uint32_t ms) override { return pulse(TrackerDevice::Direction::West, ms); }

    // The end of the driver: the axis goes back to what tracking asks for.
    void finish() {
        if (!device_)
            return;
        if (!device_->settle(settleLimitMs()))
            IDLog("The mount did not confirm the end of the motion.\n");
    }

private:
    void startQt() {
        if (QCoreApplication::instance())
            return;
        static int argc = 1;
        static char name[] = "indi_velmora_tracker";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
        registerMountMetaTypes();
        // The console's settings are read, never written.
        auto store =
            std::make_shared<QtKVStore>("Settings.txt", std::make_shared<QtFileUtil>("KD208"));
        location_ = std::make_shared<Location>(nullptr);
        location_->setLocation(Location(store).location());
        auto clock = std::make_shared<CRealClock>();
        stack_ = std::make_unique<MountStack>(
            MountStack::D{MountStack::storedSettings(store), location_, clock});
        auto sky = std::make_shared<AstroCalc>(location_, std::make_shared<AstroClock>(clock));
        device_ = std::make_unique<TrackerDevice>(
            TrackerDevice::D{stack_->container, stack_->taskState, location_, sky, [] { wake(); }});
        Reconnector::Timing timing;
        timing.keepAliveMs = TrackerDevice::kReconnectKeepAliveMs;
        reconnector_ = std::make_unique<Reconnector>(Reconnector::D{
            stack_->connectable, stack_->connector, stack_->container, stack_->conversers,
            stack_->taskState, [this](const QString& line) { journal(line); }, timing});

        if (pipe2(wakePipe, O_NONBLOCK | O_CLOEXEC) == 0)
            IEAddCallback(
                wakePipe[0],
                [](int fd, void* self) {
                    char buffer[64];
                    while (read(fd, buffer, sizeof buffer) > 0) {
                    }
                    static_cast<VelmoraTracker*>(self)->woken();
                },
                this);
        // Qt's timers and queued calls.
        IEAddPeriodicTimer(
            50, [](void*) { QCoreApplication::processEvents(); }, nullptr);
        struct sigaction action {};
        action.sa_handler = onTerminate;
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGINT, &action, nullptr);
        // A write to an indiserver that has gone fails instead of ending the program; the end
        // of standard input follows and ends it through exit().
        signal(SIGPIPE, SIG_IGN);
        std::atexit([] { driverFinish(); });
    }

    static void wake() {
        const char byte = 'w';
        [[maybe_unused]] const ssize_t n = write(wakePipe[1], &byte, 1);
    }

    static void driverFinish();

    void woken() {
        if (terminating) {
            finish();
            std::_Exit(0);
        }
        QCoreApplication::processEvents();
        for (const TrackerDevice::Event& e : device_->takeEvents()) {
            switch (e.kind) {
            case TrackerDevice::Event::Kind::PulseEnded:
                if (!e.ok) {
                    LOG_WARN(e.message.c_str());
                    GuideWENP.s = IPS_ALERT;
                }
                GuideWEN[0].value = GuideWEN[1].value = 0;
                if (e.ok)
                    GuideComplete(AXIS_RA);
                else
                    IDSetNumber(&GuideWENP, nullptr);
                break;
            case TrackerDevice::Event::Kind::MotionEnded:
                LOG_WARN(e.message.c_str());
                IUResetSwitch(&MovementWESP);
                MovementWESP.s = IPS_IDLE;
                IDSetSwitch(&MovementWESP, nullptr);
                break;
            case TrackerDevice::Event::Kind::MountChanged:
                break;
            }
        }
        std::vector<QString> lines;
        {
            std::lock_guard lock(journalMutex_);
            lines.swap(journal_);
        }
        for (const QString& line : lines)
            LOG_INFO(qPrintable(line));
    }

    void journal(const QString& line) {
        {
            std::lock_guard lock(journalMutex_);
            journal_.push_back(line);
        }
        wake();
    }

    void chooseLink() {
        auto stored = MountStack::storedSettings(
            std::make_shared<QtKVStore>("Settings.txt", std::make_shared<QtFileUtil>("KD208")));
        ConnectionSettings& s = *stack_->settings;
        s.setType(stored->type());
        s.setSearchIP(stored->searchIP());
        s.setFixedIP(stored->fixedIP());
        s.setSerialPortName(stored->serialPortName());
        switch (IUFindOnSwitchIndex(&linkSP_)) {
        case LinkSearch:
            s.setType(ConnectionType_::E::UDP);
            s.setSearchIP(true);
            break;
        case LinkAddress:
            s.setType(ConnectionType_::E::UDP);
            s.setSearchIP(false);
            s.setFixedIP(textOf(targetT_[0]));
            break;
        case LinkSerial:
            s.setType(ConnectionType_::E::Serial);
            s.setSerialPortName(textOf(targetT_[1]));
            break;
        default:
            // The demo mount lives in the console's window only.
            if (s.type() == ConnectionType_::E::Emulator)
                s.setType(ConnectionType_::E::UDP);
            break;
        }
    }

    int settleLimitMs() const {
        return 1000 + 2 * stack_->settings->readTimeoutMs_other() *
                          (stack_->settings->maxRetryCount() + 1);
    }

    bool report(const TrackerDevice::Outcome& r) {
        if (!r.ok)
            LOG_ERROR(r.message.c_str());
        return r.ok;
    }

    bool applyTrackMode(int index) {
        using M = TrackerDevice::TrackMode;
        const M modes[] = {M::Sidereal, M::Solar, M::Lunar, M::Custom};
        if (index < 0 || index > 3)
            return false;
        if (modes[index] == M::Custom &&
            !report(device_->setCustomRate(TrackRateN[AXIS_RA].value, TrackRateN[AXIS_DE].value)))
            return false;
        return report(device_->setTrackMode(modes[index]));
    }

    bool newMotion(ISState* states, char* names[], int n) {
        IUUpdateSwitch(&MovementWESP, states, names, n);
        const int on = IUFindOnSwitchIndex(&MovementWESP);
        if (on < 0) {
            device_->stopMotion();
            MovementWESP.s = IPS_IDLE;
            IDSetSwitch(&MovementWESP, nullptr);
            return true;
        }
        const int rate = std::clamp(IUFindOnSwitchIndex(&SlewRateSP), 0, 3);
        const TrackerDevice::Outcome r = device_->move(
            on == DIRECTION_WEST ? TrackerDevice::Direction::West : TrackerDevice::Direction::East,
            kSlewMultiples[rate]);
        if (!r.ok) {
            IUResetSwitch(&MovementWESP);
            MovementWESP.s = IPS_ALERT;
            IDSetSwitch(&MovementWESP, "%s", r.message.c_str());
            return false;
        }
        MovementWESP.s = IPS_BUSY;
        IDSetSwitch(&MovementWESP, nullptr);
        return true;
    }

    IPState refuseNorthSouth() {
        LOG_ERROR("The tracker has one axis: north and south pulses are refused. In PHD2 set "
                  "the declination guide mode to Off.");
        return IPS_ALERT;
    }

    IPState pulse(TrackerDevice::Direction direction, uint32_t ms) {
        const TrackerDevice::Outcome r = device_->guide(direction, ms);
        if (!r.ok) {
            LOG_ERROR(r.message.c_str());
            return IPS_ALERT;
        }
        return ms == 0 ? IPS_OK : IPS_BUSY;
    }

    void showMount(ITAVO& tavo) {
        const std::string firmware = stack_->connectable->firmwareText().toStdString();
        const std::string name = tavo.deviceName().toStdString();
        if (firmware != textOf(infoT_[0]) || name != textOf(infoT_[1])) {
            IUSaveText(&infoT_[0], firmware.c_str());
            IUSaveText(&infoT_[1], name.c_str());
            infoTP_.s = IPS_OK;
            IDSetText(&infoTP_, nullptr);
        }
        const QVariant power = tavo.lastPowerStatus();
        if (power.isValid()) {
            const auto p = power.value<TAVOPowerStatus>();
            if (p.batteryVolt != powerN_[0].value || p.usbVolt != powerN_[1].value) {
                powerN_[0].value = p.batteryVolt;
                powerN_[1].value = p.usbVolt;
                powerNP_.s = IPS_OK;
                IDSetNumber(&powerNP_, nullptr);
            }
        }
        std::string program = "None";
        if (device_->programRunning()) {
            program = "Running";
            if (const Nullable<TAVOStatus> s = stack_->taskState->status(); s.hasValue())
                program += ", " + std::to_string(s.value().numberOfPictureTaken) + " photos taken";
        }
        if (program != textOf(programT_[0])) {
            IUSaveText(&programT_[0], program.c_str());
            programTP_.s = device_->programRunning() ? IPS_BUSY : IPS_IDLE;
            IDSetText(&programTP_, nullptr);
        }
    }

    void publishLocation() {
        const CLocation here = location_->location();
        LocationN[LOCATION_LATITUDE].value = here.latitudeRad * kRadDeg;
        LocationN[LOCATION_LONGITUDE].value = TrackerDevice::eastLongitudeDeg(here.longitudeRad);
        LocationN[LOCATION_ELEVATION].value = here.altitudeMeter;
        LocationNP.s = IPS_OK;
        IDSetNumber(&LocationNP, nullptr);
    }

    std::shared_ptr<Location> location_;
    std::unique_ptr<MountStack> stack_;
    std::unique_ptr<TrackerDevice> device_;
    std::unique_ptr<Reconnector> reconnector_;
    std::mutex journalMutex_;
    std::vector<QString> journal_;

    ISwitch linkS_[4]{};
    ISwitchVectorProperty linkSP_{};
    IText targetT_[2]{};
    ITextVectorProperty targetTP_{};
    INumber timeoutN_[1]{};
    INumberVectorProperty timeoutNP_{};
    INumber guideRateN_[1]{};
    INumberVectorProperty guideRateNP_{};
    IText infoT_[2]{};
    ITextVectorProperty infoTP_{};
    INumber powerN_[2]{};
    INumberVectorProperty powerNP_{};
    IText programT_[1]{};
    ITextVectorProperty programTP_{};
};

// libindi finds the device through the object itself.
std::unique_ptr<VelmoraTracker> tracker(new VelmoraTracker());

void VelmoraTracker::driverFinish() {
    if (tracker)
        tracker->finish();
}

} // namespace

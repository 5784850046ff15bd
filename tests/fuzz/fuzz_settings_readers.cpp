// The readers of stored settings, fed any JSON object as the settings store: the link
// time-outs and resend count come back within their bounds, the location is known exactly
// when a finite latitude is stored, the language is English or one with catalogues, and the
// saved window is a finite rectangle of at least 50 × 50 that opens on a screen.

#include "ConnectionSettings.h"
#include "FuzzSupport.h"
#include "LanguageManager.h"
#include "Location.h"
#include "MemoryKVStore.h"
#include "WindowRect.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QScreen>
#include <QTemporaryDir>

#include <cmath>

using namespace JEX;

namespace {

const QStringList kCatalogued{"de", "pt_BR"};

// Catalogues without texts: the language choice only asks whether they load.
QString catalogueDir() {
    static QTemporaryDir dir;
    static const char magic[] = "\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd";
    for (const QString& code : kCatalogued) {
        QFile file(dir.filePath("velmora_" + code + ".qm"));
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(magic, 16) == 16,
                   "cannot write a catalogue");
    }
    return dir.path() + '/';
}

} // namespace

// The window's place depends on the screens, which need the application object.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char* argv[] = {const_cast<char*>("fuzz_settings_readers"), nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString catalogues = catalogueDir();
    const QJsonDocument doc = QJsonDocument::fromJson(Fuzz::qbytes(data, size));
    if (!doc.isObject())
        return 0;
    const QJsonObject stored = doc.object();
    auto store = std::make_shared<Test::MemoryKVStore>(stored);

    const ConnectionSettings link(store, [] { return QStringList(); });
    for (const int ms :
         {link.readTimeoutMs_other(), link.readTimeoutMs_BLE(), link.discoveryTimeoutMs_BLE()})
        FUZZ_CHECK(ms >= 10 && ms <= 60000, "time-out of %d ms", ms);
    FUZZ_CHECK(link.maxRetryCount() >= 0 && link.maxRetryCount() <= 20, "%d resends",
               link.maxRetryCount());

    const Location location(store);
    const QJsonValue lat = stored.value("loc.lat");
    FUZZ_CHECK(location.known() == (lat.isDouble() && std::isfinite(lat.toDouble())) &&
                   (!location.known() || location.latitudeRad() == lat.toDouble()),
               "known %d at latitude %.17g", int(location.known()), location.latitudeRad());

    const LanguageManager languages(store, nullptr, catalogues);
    const QString code = languages.languageCode();
    const QString asked = stored.value("lang_code").toString();
    FUZZ_CHECK((code == "en" || kCatalogued.contains(code)) &&
                   (code == asked || !kCatalogued.contains(asked)),
               "language '%s' chosen for '%s'", qPrintable(code), qPrintable(asked));

    // What the window promises: at least 50 × 50 (a NaN size fails the comparisons), no larger
    // than its screen, and more than a 10-unit strip of it on that screen.
    const QRectF r = WindowRect(store).loadRect(QRectF(40, 40, 320, 640));
    const QRectF screen = QGuiApplication::primaryScreen()->geometry();
    FUZZ_CHECK(std::isfinite(r.x()) && std::isfinite(r.y()) && r.width() >= 50 &&
                   r.height() >= 50 && r.width() <= std::max(50.0, screen.width()) &&
                   r.height() <= std::max(50.0, screen.height()) &&
                   r.adjusted(10, 10, -10, -10).intersects(screen),
               "window %g,%g %g x %g on the screen %g,%g %g x %g", r.x(), r.y(), r.width(),
               r.height(), screen.x(), screen.y(), screen.width(), screen.height());
    return 0;
}

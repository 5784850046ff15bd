// How quickly a program page answers an edit: each of the four program pages is opened
// several times on the demo graph (offscreen) and one of its numbers is typed in; measured is
// the time from the edit to the first frame that shows the recomputed values. Target: at most
// one frame (16 ms) for the median; the ratio printed is median / 16 ms.
//
//   bench_page [--runs N]     how many openings per page (50)

#include "ObjectGraph.h"
#include "QmlModules.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGeoPositionInfoSource>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr double kTargetMs = 16.0;

struct PageCase {
    const char* name;
    int mode; // TAVOMode
    // Run in the page's scope once it is open: make the edited value an input.
    const char* prepare;
    const char* editedRow; // its field gets the new text
    const char* shownRow;  // the text that the edit recomputes
};

// Each page holds a program that can run, so that every edit also lays out and draws its
// preview.
const PageCase kCases[] = {
    {"Astrophotography", 1, "profile.input_photos = true", "exposureField", "totalTime"},
    {"Regular-Exposure Time-lapse", 2,
     "profile.input_videoTimeSpanHour = true; profile.input_framePeriodSec = true; "
     "profile.input_swingRangeDeg = true; profile.swingCount = 2",
     "framePeriodField", "photosField"},
    {"Long-Exposure Time-lapse", 3,
     "profile.input_videoTimeSpanHour = true; profile.input_framePeriodSec = true; "
     "profile.input_speedDph = true",
     "framePeriodField", "photosField"},
    {"Astro Time-lapse", 4, "profile.input_videoTimeSpanHour = true", "exposureField",
     "photosField"},
};

QVariant eval(QObject* scope, const QString& script) {
    QQmlExpression expression(qmlContext(scope), scope, script);
    const QVariant result = expression.evaluate();
    if (expression.hasError())
        std::fprintf(stderr, "bench_page: %s: %s\n", qPrintable(script),
                     qPrintable(expression.error().toString()));
    return result;
}

// Spins the event loop until the window has shown a new frame (or a second has passed).
void waitForFrame(QQuickWindow& window) {
    QEventLoop loop;
    const auto connection =
        QObject::connect(&window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    window.update();
    loop.exec();
    QObject::disconnect(connection);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0.0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 50;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: bench_page [--runs N]\n");
            return 2;
        }
    }
    JEX::importQmlModules();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir data;
    qputenv("VELMORA_DATA_DIR", data.path().toUtf8());
    QFile settings(data.filePath(QStringLiteral("Settings.txt")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write("{\"loc.use_sensor\": false}\n");
    settings.close();
    QGuiApplication app(argc, argv);

    QList<std::shared_ptr<QObject>> keepAlive;
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    JEX::GraphOptions options;
    options.demo = true;
    options.locationSource = [] { return nullptr; };
    JEX::dependencyInjectToQml(engine, keepAlive, options);
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/App/Main.qml")));
    auto* window = engine.rootObjects().isEmpty()
                       ? nullptr
                       : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!window) {
        std::fprintf(stderr, "bench_page: the window did not load\n");
        return 1;
    }
    window->resize(320, 640);
    waitForFrame(*window);

    std::vector<double> all;
    for (const PageCase& c : kCases) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            eval(window, QStringLiteral("inj_stackView.pop(null); "
                                        "inj_stackView.currentItem.openProgram(%1)")
                             .arg(c.mode));
            waitForFrame(*window);
            auto* page = qvariant_cast<QObject*>(eval(window, "inj_stackView.currentItem"));
            auto* edited = page ? page->findChild<QObject*>(c.editedRow) : nullptr;
            auto* shown = page ? page->findChild<QObject*>(c.shownRow) : nullptr;
            if (!edited || !shown) {
                std::fprintf(stderr, "bench_page: %s: rows not found\n", c.name);
                return 1;
            }
            eval(page, QString::fromLatin1(c.prepare));
            waitForFrame(*window);
            const QString before = shown->property("text").toString();
            // Alternate between two values so that every edit changes the result.
            const QString text = run % 2 ? QStringLiteral("20") : QStringLiteral("15");
            QElapsedTimer timer;
            timer.start();
            // As typed: the field's text, then the signal a keystroke gives.
            edited->setProperty("text", text);
            QMetaObject::invokeMethod(edited, "textEdited");
            waitForFrame(*window);
            const double ms = timer.nsecsElapsed() / 1e6;
            if (shown->property("text").toString() == before) {
                std::fprintf(stderr, "bench_page: %s: the edit changed nothing on screen\n",
                             c.name);
                return 1;
            }
            times.push_back(ms);
            all.push_back(ms);
        }
        std::printf("%-28s median %.2f ms, max %.2f ms over %d edits\n", c.name, median(times),
                    *std::max_element(times.begin(), times.end()), runs);
    }
    const double m = median(all);
    std::printf("edit to recomputed frame, median of %zu: %.2f ms (target %.0f ms)\n", all.size(),
                m, kTargetMs);
    std::printf("ratio to the target: %.3f\n", m / kTargetMs);
    return 0;
}

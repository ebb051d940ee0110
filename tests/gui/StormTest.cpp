// Both windows under a long random storm of real input, checked after every step. The seed
// is printed; PIPEWEIGHT_STORM_SEED=<seed> replays a run, PIPEWEIGHT_STORM_EVENTS=<count>
// shortens or lengthens it.
#include "Storm.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

namespace {

#ifdef PIPEWEIGHT_STORM_DEFAULT_EVENTS
constexpr int kDefaultEvents = PIPEWEIGHT_STORM_DEFAULT_EVENTS;
#else
constexpr int kDefaultEvents = 60000;
#endif

int eventsForThisRun() {
    bool given = false;
    const int events = qEnvironmentVariableIntValue("PIPEWEIGHT_STORM_EVENTS", &given);
    return given && events > 0 ? events : kDefaultEvents;
}

std::uint64_t seedForThisRun() {
    bool given = false;
    const std::uint64_t seed = qEnvironmentVariable("PIPEWEIGHT_STORM_SEED").toULongLong(&given);
    return given ? seed : QRandomGenerator::system()->generate64();
}

} // namespace

class StormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::initialiseApplication(*qApp); }

    void bothWindowsKeepTheirInvariants() {
        const std::uint64_t seed = seedForThisRun();
        qInfo("seed %llu (PIPEWEIGHT_STORM_SEED=%llu replays it)",
              static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed));
        QElapsedTimer clock;
        clock.start();
        Storm storm(seed, eventsForThisRun());
        const QString failure = storm.run();
        qInfo("%s in %.1f s, digest %08x", qPrintable(storm.summary()),
              static_cast<double>(clock.elapsed()) / 1000, storm.digest());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_MAIN(StormTest)
#include "StormTest.moc"

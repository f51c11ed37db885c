// A short run of the random-event soak: every window, every box answered at
// random, the rules that must always hold checked after each event.
// bench/soak.sh runs the same driver for a million events.
#include "Dauerlauf.h"

class TestSoak : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void zufallsfolge() { dauerlaufPruefen(3000); }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"

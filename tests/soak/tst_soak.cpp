// A short run of bench/soak.sh's random events: every window and box, the rules that always hold checked.
#include "Dauerlauf.h"

class TestSoak : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void zufallsfolge() { dauerlaufPruefen(3000); }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"

// Benchmarks of the trainer's hot paths, run offscreen. Prints one table.
#include "info/Bericht.h"
#include "info/Protokoll.h"
#include "lists/Dateien.h"
#include "renderings/Darstellung.h"
#include "ui/Boxen.h"
#include "ui/Dateibrowser.h"
#include "ui/Druckflaeche.h"
#include "windows/Berichtfenster.h"
#include "windows/Form1.h"
#include "windows/Programm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <ctime>
#include <sys/resource.h>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

/// Boxes that answer at once: OK, Yes, and an empty input.
class StilleBoxen : public Boxen
{
public:
    Antwort meldung(const QString &, const QString &, Knoepfe k, Symbol, Antwort) override
    {
        return k == Knoepfe::OK ? Antwort::OK : Antwort::Ja;
    }
    QString eingabe(const QString &, const QString &, const QString &) override { return QString(); }
};

QStringList deutscheWoerter(int n, Zufall &z)
{
    static const char *const silben[] = {"ba", "be", "bä", "schu", "schö", "stra", "ße", "ung", "ter", "ke",
                                         "lin", "mäu", "se", "ho", "für", "gel", "ün", "dra", "chen", "ei",
                                         "sto", "pf", "au", "zel", "kö", "nig", "wa", "ld", "rü", "be"};
    QStringList l;
    l.reserve(n);
    for (int i = 0; i < n; ++i) {
        QString w;
        const int k = 2 + z.index(3);
        for (int s = 0; s < k; ++s)
            w += QString::fromUtf8(silben[z.index(30)]);
        if (z.rnd() < 0.4)
            w[0] = w[0].toUpper();
        l << w;
    }
    return l;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double messen(int laeufe, const std::function<void()> &vorher, const std::function<void()> &was)
{
    std::vector<double> zeiten;
    for (int i = 0; i < laeufe; ++i) {
        if (vorher)
            vorher();
        QElapsedTimer t;
        t.start();
        was();
        zeiten.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(zeiten);
}

void zeile(const char *was, double wert, const char *einheit, const QString &ziel, const QString &bemerkung = {})
{
    const QString text = QString::fromUtf8(was).leftJustified(44);
    std::printf("| %s | %12.3f %-3s | %-14s | %s\n", qPrintable(text), wert, einheit, qPrintable(ziel),
                qPrintable(bemerkung));
}

/// Loads a list file the way the trainer does and shows the first word.
void laden(Programm &p, const QString &pfad)
{
    Form1 &f = p.form1();
    f.Datei1->setPath(QFileInfo(pfad).absolutePath());
    const int i = f.Datei1->eintraege().indexOf(QFileInfo(pfad).fileName());
    f.Datei1->setListIndex(i);
}

int messenAlles()
{
    QTemporaryDir ordner;
    StilleBoxen boxen;
    Programm p(boxen, ordner.path());
    p.zufall().setFesterSeed(1);
    p.starten(false);
    Form1 &f = p.form1();
    MODUL1 &m = p.modul;

    std::printf("| %-44s | %16s | %-14s | %s\n", "Messung (Median)", "Wert", "Ziel", "Bemerkung");
    std::printf("|%s|%s|%s|%s\n", QByteArray(46, '-').constData(), QByteArray(18, '-').constData(),
                QByteArray(16, '-').constData(), QByteArray(20, '-').constData());

    // ---- list loading
    Zufall z;
    z.seed(99);
    for (int n : {1000, 100000, 1000000}) {
        const QStringList woerter = deutscheWoerter(n, z);
        const QString pfad = ordner.filePath(QStringLiteral("LISTE%1.TXT").arg(n));
        Dateien::zeilenSchreiben(pfad, woerter);
        const double ms = messen(n >= 1000000 ? 3 : 5, nullptr, [&] { laden(p, pfad); });
        const QString ziel = n == 100000 ? QStringLiteral("< 150 ms") : n == 1000000 ? QStringLiteral("< 2000 ms") : QString();
        zeile(qPrintable(QStringLiteral("Liste laden, %1 Wörter").arg(n)), ms, "ms", ziel,
              QStringLiteral("%1 µs/Wort, %2 Einträge").arg(ms * 1000.0 / n, 0, 'f', 3).arg(f.Liste1->ListCount()));
    }

    // ---- a full pass of WortZiehen
    {
        const QString pfad = ordner.filePath(QStringLiteral("LISTE100000.TXT"));
        laden(p, pfad);
        const int n = f.Liste1->ListCount();
        const double ms = messen(3, [&] { m.Benutzt = QString(n, QLatin1Char('0')); }, [&] {
            for (int i = 0; i < n; ++i)
                m.WortZiehen();
        });
        zeile("WortZiehen, ganzer Durchgang 100000", ms, "ms", QStringLiteral("< 1000 ms"),
              QStringLiteral("%1 µs/Zug").arg(ms * 1000.0 / n, 0, 'f', 3));
    }

    // ---- a typed letter checked and shown
    {
        f.Liste1->Clear();
        f.Liste1->addItems(QStringList(50, QStringLiteral("Donaudampfschifffahrtsgesellschaft")));
        m.Benutzt = QString(50, QLatin1Char('0'));
        f.Befehl21_Click();
        std::vector<double> proTaste;
        for (int runde = 0; runde < 200; ++runde) {
            m.Leeren();
            m.NaechsteAufgabe();
            const QString wort = m.Loesungswort;
            for (int i = 0; i + 1 < wort.size(); ++i) {
                QKeyEvent ev(QEvent::KeyPress, 0, Qt::NoModifier, QString(wort.at(i)));
                QElapsedTimer t;
                t.start();
                QApplication::sendEvent(f.Bezeichnung2, &ev);
                proTaste.push_back(t.nsecsElapsed() / 1e6);
            }
            if (m.Eingabe != wort.left(wort.size() - 1)) {
                std::printf("Tasten kamen nicht an: \"%s\"\n", qPrintable(m.Eingabe));
                return 1;
            }
        }
        std::sort(proTaste.begin(), proTaste.end());
        zeile("Taste geprüft und gezeigt, 99. Perzentil", proTaste[proTaste.size() * 99 / 100], "ms",
              QStringLiteral("< 1 ms"), QStringLiteral("Median %1 ms").arg(median(proTaste), 0, 'f', 4));
    }

    // ---- all 28 renderings
    {
        const QStringList woerter = deutscheWoerter(100000, z);
        const QStringList kandidaten = woerter.mid(0, 20);
        const double ms = messen(3, nullptr, [&] {
            for (int typ = 1; typ <= 28; ++typ)
                for (const QString &w : woerter)
                    darstellen(typ, w, z, kandidaten);
        });
        zeile("28 Darstellungen über 100000 Wörter", ms, "ms", QString(),
              QStringLiteral("%1 µs/Darstellung").arg(ms * 1000.0 / (28.0 * woerter.size()), 0, 'f', 3));
    }
    // ---- printing 1000 words to a PDF file, as the print command does
    {
        f.Liste1->setEintraege(deutscheWoerter(1000, z));
        m.Benutzt = QString(1000, QLatin1Char('0'));
        f.Befehl13_Click();
        const QString pdf = ordner.filePath(QStringLiteral("BLATT.PDF"));
        p.druckflaeche = [&pdf] { return Druckflaeche::pdfDatei(pdf); };
        const double ms = messen(3, nullptr, [&] { f.Bild14_Click(); });
        zeile("1000 Wörter als PDF gedruckt", ms, "ms", QStringLiteral("< 2000 ms"),
              QStringLiteral("%1 kB").arg(QFileInfo(pdf).size() / 1024));
    }
    // ---- the practice log: one line appended
    {
        Protokoll::Schreiber log(ordner.filePath(QStringLiteral("TIPPOLO.LOG")));
        std::vector<double> proZeile;
        for (int i = 0; i < 1000; ++i) {
            QElapsedTimer t;
            t.start();
            log.falscherBuchstabe(QStringLiteral("Anna"), 13, false, QStringLiteral("Mutter"), 4, QStringLiteral("t"),
                                  QStringLiteral("e"));
            proZeile.push_back(t.nsecsElapsed() / 1e6);
        }
        QElapsedTimer platte;
        platte.start();
        log.warten();
        const double nachlauf = platte.nsecsElapsed() / 1e6;
        std::sort(proZeile.begin(), proZeile.end());
        zeile("Protokollzeile angehängt, 99. Perzentil", proZeile[proZeile.size() * 99 / 100], "ms",
              QStringLiteral("< 1 ms"),
              QStringLiteral("Median %1 ms; danach noch %2 ms, bis alle 1000 Zeilen auf der Platte sind%3")
                  .arg(median(proZeile), 0, 'f', 4)
                  .arg(nachlauf, 0, 'f', 1)
                  .arg(log.fehler().isEmpty() ? QString() : QStringLiteral(", ") + log.fehler()));
        // One line at a time, each waited for: what the log's thread spends on one line.
        std::vector<double> einzeln;
        for (int i = 0; i < 200; ++i) {
            QElapsedTimer t;
            t.start();
            log.wortGeloest(QStringLiteral("Anna"), 13, false, QStringLiteral("Mutter"));
            log.warten();
            einzeln.push_back(t.nsecsElapsed() / 1e6);
        }
        std::sort(einzeln.begin(), einzeln.end());
        zeile("Protokollzeile auf der Platte, Hintergrund", median(einzeln), "ms", QStringLiteral("—"),
              QStringLiteral("99. Perzentil %1 ms").arg(einzeln[einzeln.size() * 99 / 100], 0, 'f', 2));
    }
    return 0;
}

/// The report on a class's year: 25 children, 1.5 million lines. Run in a
/// process of its own so that its peak memory is its own.
int berichtMessen()
{
    QTemporaryDir ordner;
    StilleBoxen boxen;
    Zufall z;
    z.seed(7);
    const QStringList woerter = deutscheWoerter(3000, z);
    QStringList kinder;
    for (int i = 0; i < 25; ++i)
        kinder << QStringLiteral("Kind %1").arg(i + 1);
    kinder[3] = QStringLiteral("Müller, Jörg");
    const QString buchstaben = QStringLiteral("abdepqstuäößieHM");
    const QDate heute = QDate::currentDate();
    constexpr int kZeilen = 1500000;
    {
        QFile datei(ordner.filePath(QStringLiteral("TIPPOLO.LOG")));
        if (!datei.open(QIODevice::WriteOnly))
            return 1;
        QByteArray bytes = Protokoll::kopfzeile();
        for (int i = 0; i < kZeilen; ++i) {
            Protokoll::Eintrag e;
            e.datum = heute.addDays(-365 + i / (kZeilen / 365));
            e.zeit = QTime(8 + z.index(8), z.index(60), z.index(60));
            e.name = kinder.at(z.index(25));
            e.uebung = 1 + z.index(28);
            e.lesen = z.rnd() < 0.2;
            e.wort = woerter.at(z.index(3000));
            if (z.rnd() < 0.5) {
                e.art = Protokoll::Art::Fehler;
                e.stelle = 1 + z.index(static_cast<int>(e.wort.size()));
                e.soll = e.wort.at(e.stelle - 1);
                e.ist = buchstaben.at(z.index(static_cast<int>(buchstaben.size())));
            }
            bytes += Protokoll::zeile(e);
            if (bytes.size() > (1 << 20) || i + 1 == kZeilen) {
                if (datei.write(bytes) != bytes.size())
                    return 1;
                bytes.clear();
            }
        }
    }
    const qint64 groesse = QFileInfo(ordner.filePath(QStringLiteral("TIPPOLO.LOG"))).size();
    Programm p(boxen, ordner.path());
    p.starten(false);
    struct rusage vorher;
    ::getrusage(RUSAGE_SELF, &vorher);
    // The processor time too: on a busy machine the clock time says little.
    auto rechenzeit = [] {
        timespec ts;
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
    };
    const double rechnenVorher = rechenzeit();
    QElapsedTimer t;
    t.start();
    Berichtfenster &b = p.berichtfenster();
    b.Form_Activate();
    const double oeffnen = t.nsecsElapsed() / 1e6;
    zeile("Bericht öffnen, 1,5 Mio. Protokollzeilen", oeffnen, "ms", QStringLiteral("< 1000 ms"),
          QStringLiteral("Rechenzeit %1 ms; %2 Ereignisse, %3 MB, %4 Fehler von %5")
              .arg(rechenzeit() - rechnenVorher, 0, 'f', 0)
              .arg(b.bestand().size())
              .arg(groesse / (1024 * 1024))
              .arg(b.auswertung().fehler)
              .arg(b.auswertung().name));
    t.restart();
    b.ansichtWahl->setCurrentIndex(1);
    const double klasse = t.nsecsElapsed() / 1e6;
    zeile("Klassenübersicht, 25 Kinder", klasse, "ms", QStringLiteral("< 1000 ms"),
          QStringLiteral("%1 Zeilen").arg(b.klassenTabelle->rowCount()));
    b.ansichtWahl->setCurrentIndex(0);
    std::vector<double> wieder;
    for (int runde = 0; runde < 5; ++runde) {
        for (int i = 0; i < 100; ++i)
            p.protokoll().wortGeloest(kinder.at(i % 25), 13, false, woerter.at(i));
        p.protokoll().warten();
        t.restart();
        b.Form_Activate();
        wieder.push_back(t.nsecsElapsed() / 1e6);
    }
    zeile("Bericht wieder aktiviert, 100 neue Zeilen", median(wieder), "ms", QStringLiteral("< 50 ms"),
          QStringLiteral("%1 Ereignisse").arg(b.bestand().size()));
    struct rusage danach;
    ::getrusage(RUSAGE_SELF, &danach);
    zeile("Bericht, Spitzenspeicher des Prozesses", danach.ru_maxrss / 1024.0, "MB", QStringLiteral("< 150 MB"),
          QStringLiteral("vor dem Öffnen %1 MB").arg(vorher.ru_maxrss / 1024));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "bericht") == 0)
        return berichtMessen();
    return messenAlles();
}

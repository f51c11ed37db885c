// The help, the program information, the practice log and the teacher's report.
#include "support/Testprogramm.h"

#include "info/Bericht.h"
#include "info/Protokoll.h"
#include "lists/Dateien.h"
#include "ui/Druckflaeche.h"
#include "windows/Berichtfenster.h"
#include "windows/Form7.h"
#include "windows/Form8.h"
#include "windows/TPOLABEL.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include <cstdlib>
#include <memory>

using Bericht::Fehlerklasse;

namespace {

const QDateTime kJetzt(QDate(2026, 12, 6), QTime(9, 15, 2));

/// The rows of a report table, cells joined by "|".
QStringList zeilen(const QTableWidget *t)
{
    QStringList l;
    for (int r = 0; r < t->rowCount(); ++r) {
        QStringList z;
        for (int c = 0; c < t->columnCount(); ++c)
            z << t->item(r, c)->text();
        l << z.join('|');
    }
    return l;
}

/// The texts `drucken` prints through the program's canvas after an OK to its box, indented by column.
QString gedruckt(Testprogramm &t, const std::function<void()> &drucken)
{
    QList<Druckzeile> zeilen;
    t.programm->druckflaeche = [&zeilen] { return std::make_unique<DruckAufzeichnung>(zeilen); };
    t.boxen.ok();
    drucken();
    QStringList texte;
    for (const Druckzeile &z : zeilen)
        texte << QString(z.spalte - 1, ' ') + z.text;
    return texte.join('\n');
}

/// Opens the settings window and from there the report, on the day of kJetzt.
Berichtfenster &berichtOeffnen(Testprogramm &t)
{
    t.programm->protokoll().uhr = [] { return kJetzt; };
    t.boxen.tippe(t.f1().Bezeichnung8->Caption());
    t.f1().Bild5_Click();
    QTest::mouseClick(t.programm->form8().Bild9, Qt::LeftButton);
    return t.programm->berichtfenster();
}

/// An entry of exercise 13: a wrong letter when `soll` is given, else a solved word.
Protokoll::Eintrag eintrag(const QString &name, const QString &wort, const QDate &tag = kJetzt.date(), int stelle = 0,
                           const QString &soll = {}, const QString &ist = {})
{
    return {tag, kJetzt.time(), soll.isEmpty() ? Protokoll::Art::Wort : Protokoll::Art::Fehler, name, 13, false, wort,
            stelle, soll, ist};
}

/// Another computer's program appending words of "Kind `kennung`", or ("abbrechen") dying mid-append.
int treiber(const QString &ordner, const QByteArray &kennung, int anzahl)
{
    const QString pfad = QDir(ordner).filePath(Protokoll::dateiname());
    if (kennung == "abbrechen") {
        QLockFile sperre(pfad + ".lock");
        QFile log(pfad);
        if (!sperre.tryLock(5000) || !log.open(QIODevice::Append) ||
            log.write("2026-12-06 09:00:00;Wort;Tot;13;Schreiben;Ma") < 0 || !log.flush())
            return 4;
        std::_Exit(0);  // the lock stays behind
    }
    Protokoll::Schreiber log(pfad);
    for (int i = 0; i < anzahl; ++i) {
        log.wortGeloest("Kind " + QString::fromLatin1(kennung), 1 + i % 28, false, QStringLiteral("Wort%1").arg(i));
        log.warten();
    }
    return log.fehler().isEmpty() ? 0 : 1;
}

} // namespace

class TestInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hilfeseiten()
    {
        Testprogramm t;
        QTest::mouseClick(t.f1().Bild7, Qt::LeftButton);
        Form7 &h = t.programm->form7();
        QVERIFY(h.isVisible() && t.f1().isVisible() && t.m().Hilfethema == 1);
        const Zeichnung &z = h.zeichnung();
        // 25 lines, printed one below the other from the top-left corner, the empty ones left out.
        QVERIFY(z.CurrentY == 25 * z.zeilenhoehe() && z.inhalt().size() == 20);
        QCOMPARE(QPoint(z.inhalt().at(1).x, z.inhalt().at(1).y), QPoint(0, 2 * z.zeilenhoehe()));
        // Page 2 as the settings window opens it while the help is open.
        t.m().Hilfethema = 2;
        h.move(h.pos() - QPoint(40, 0));  // where the user put it
        const QPoint ort = h.pos();
        h.zeigen();
        QVERIFY(z.inhalt().size() == 28 && h.pos() == ort);
        // Back to the main window's help icon: page 1, drawn once. Only the window system activates a window.
        t.programm->aktiviert(&t.f1());
        QEvent neben(QEvent::Enter);
        QCoreApplication::sendEvent(&h, &neben);
        QCOMPARE(t.programm->aktivesFenster(), &t.f1());
        t.f1().Bild7_Click();
        QVERIFY(z.inhalt().size() == 20 && h.pos() == ort);
        QTest::mouseClick(h.Befehl1, Qt::LeftButton);
        QVERIFY(h.isHidden() && t.f1().isVisible() && t.programm->aktivesFenster() == &t.f1());
        // Beside its opener on the screen, whether that is a narrow window at the left edge or at the right.
        const QRect platz = t.f1().screen()->availableGeometry();
        Fenster links(*t.programm, u("Links"), u("Links"), 3000, 3000), rechts(*t.programm, u("Rechts"), u("Rechts"), 3000, 3000);
        links.move(platz.topLeft() + QPoint(10, 20));
        rechts.move(platz.right() + 1 - 3 * links.width() / 2, platz.top() + 40);
        for (Fenster *oeffner : {&links, &rechts}) {
            oeffner->zeigen();
            h.zeigen();
            QVERIFY(!h.frameGeometry().intersects(oeffner->frameGeometry()) && h.y() == oeffner->y() && platz.contains(h.frameGeometry()));
        }
    }
    void infofensterBringtHauptfensterZurueck()
    {
        // Through "O k a y" or the picture.
        for (const char *weg : {"Bezeichnung1", "Bild1"}) {
            Testprogramm t;
            Form1 &f = t.f1();
            const QString wort = t.m().Loesungswort, anzeige = f.Bezeichnung1->Caption();
            t.m().Eingabe = wort.left(1);
            const QPoint ort = f.pos();
            QTest::mouseClick(f.Bild16, Qt::LeftButton);
            TPOLABEL &i = t.programm->tpolabel();
            QVERIFY(f.isHidden() && i.isVisible() && t.programm->aktivesFenster() == &i);
            // Centred across, and a quarter of the room left down from the top.
            const QRect bild = i.screen()->availableGeometry();
            const QRect aussen = i.frameGeometry();
            QCOMPARE(aussen.topLeft() - bild.topLeft(),
                     QPoint((bild.width() - aussen.width()) / 2, (bild.height() - aussen.height()) / 4));
            QTest::mouseClick(i.findChild<QWidget *>(weg), Qt::LeftButton);
            QVERIFY(i.isHidden() && f.isVisible() && t.programm->aktivesFenster() == &f && f.pos() == ort);
            QCOMPARE((QStringList{t.m().Loesungswort, t.m().Eingabe, f.Bezeichnung1->Caption()}),
                     (QStringList{wort, wort.left(1), anzeige}));
        }
    }

    void fehlerklassen()
    {
        // Every pair first in a word or after every letter: the two letters decide, then a consonant or "i" before them.
        const QString abc = u("aäAÄoöOÖuüÜsSßbdpqBDPQeEiIVFtTnN");
        const auto grund = [](QChar c) {
            c = c.toLower();
            return c == u'ä' ? u'a' : c == u'ö' ? u'o' : c == u'ü' ? u'u' : c;
        };
        for (QChar v : abc + u(" "))
            for (QChar s : abc)
                for (QChar i : abc) {
                    const QString paar = QString(s) + i, klein = paar.toLower();
                    const QChar vk = v.toLower();
                    const bool konsonant = u("bcdfghjklmnpqrstvwxz").contains(vk);
                    const Fehlerklasse soll = s == i ? Fehlerklasse::Andere
                        : klein[0] == klein[1]          ? Fehlerklasse::GrossKlein
                        : grund(s) == grund(i)          ? Fehlerklasse::Umlaut
                        : klein == u("sß") || klein == u("ßs") ? Fehlerklasse::Eszett
                        : u("bdpq").contains(s) && u("bdpq").contains(i) ? Fehlerklasse::Spiegel
                        : konsonant && vk == klein[0] ? Fehlerklasse::DoppeltFehlt
                        : konsonant && vk == klein[1] ? Fehlerklasse::DoppeltZuviel
                        : vk == u'i' && klein.contains(u'e') ? Fehlerklasse::IeI
                                                             : Fehlerklasse::Andere;
                    QVERIFY2(Bericht::klassifizieren(v == u' ' ? QString(s) : QString(v) + s, v == u' ' ? 1 : 2, s, i) == soll,
                             qPrintable(v + paar));
                }
    }

    void protokollRundreise()
    {
        // Generated records, some with one field broken: whole ones are read back, broken ones skipped.
        QRandomGenerator z(2718);
        const std::u32string vorrat = U"abcXYZäÖüßé ;\",\t-Ł🐯";
        const auto text = [&](int laenge) {
            std::u32string t;
            for (int i = 0; i < laenge; ++i)
                t += vorrat[z.bounded(int(vorrat.size()))];
            return QString::fromStdU32String(t);
        };
        const auto feld = [](QString t) {  // as written: a blank for a tab, "?" outside Windows-1252
            t.replace('\t', ' ').replace(u("Ł"), "?").replace(u("🐯"), "?");
            return t.contains(';') || t.contains('"') ? '"' + t.replace("\"", "\"\"") + '"' : t;
        };
        QByteArray log = Protokoll::kopfzeile();
        QList<Protokoll::Eintrag> erwartet;
        QSet<QString> woerter;  // each kept once, however often and in whichever encoding it comes
        QDate tag(2026, 1, 1);
        for (int n = 0; n < 400; ++n) {
            tag = tag.addDays(z.bounded(3) ? 0 : z.bounded(-800, 800));
            const bool fehler = z.bounded(2);
            const auto kante = [&](int n) { return z.bounded(3) ? z.bounded(n) : z.bounded(2) * (n - 1); };  // ends often
            Protokoll::Eintrag e{tag, QTime(kante(24), kante(60), kante(60)),
                                 fehler ? Protokoll::Art::Fehler : Protokoll::Art::Wort, text(1 + z.bounded(8)),
                                 1 + z.bounded(28), bool(z.bounded(2)), text(1 + z.bounded(8))};
            QStringList f{e.datum.toString("yyyy-MM-dd ") + e.zeit.toString("hh:mm:ss"), fehler ? "Fehler" : "Wort",
                          feld(e.name), QString::number(e.uebung), e.lesen ? "Lesen" : "Schreiben", feld(e.wort)};
            if (fehler) {
                e.stelle = z.bounded(2) ? 1 + z.bounded(9) : 100000 - z.bounded(3);
                e.soll = text(1);
                e.ist = z.bounded(8) ? text(1) : u("€");  // a byte that would continue a UTF-8 character
                f << QString::number(e.stelle) << feld(e.soll) << feld(e.ist);
            }
            QByteArray bytes;
            QVERIFY(Dateien::kodieren(f.join(';'), bytes));
            QCOMPARE(Protokoll::zeile(e), bytes + "\r\n");
            const auto zeit = [&](int i, const char *neu) { return std::pair{0, QString(f[0]).replace(i, qstrlen(neu), neu)}; };
            const QList<std::pair<int, QString>> brueche{
                zeit(11, "24"), zeit(14, "60"), zeit(17, "60"), zeit(5, "13"), zeit(8, "00"), zeit(13, "."), zeit(10, "T"),
                zeit(4, "/"), zeit(QList{0, 3, 6, 9, 12, 14, 18}.at(z.bounded(7)), "/"), {0, f[0].left(18)}, {1, "Lob"}, {2, ""}, {2, "\"x\"y"}, {3, "0"}, {3, "29"}, {3, "1x"}, {4, "Malen"}, {5, ""},
                {6, fehler ? "0" : "1;H;h"}, {6, fehler ? "100001" : "1;H;h"}, {6, fehler ? "0000001" : "1;H;h"}, {7, fehler ? "ab" : "1;H"}, {8, fehler ? "" : "1;H;h;i"}};
            if (z.bounded(4) == 0) {
                const auto &[i, neu] = brueche.at(z.bounded(int(brueche.size())));
                if (i < f.size())
                    f[i] = neu;
                else
                    f << neu;
                QVERIFY(Dateien::kodieren(f.join(';'), bytes = {}));
            } else {
                for (QString *t : {&e.name, &e.wort, &e.soll, &e.ist})
                    *t = t->replace('\t', ' ').replace(u("Ł"), "?").replace(u("🐯"), "?");
                erwartet << e;
                woerter << e.wort;
                // Or as another editor saved it: LF alone, UTF-8, UTF-16 (whose last NUL begins the next line).
                const QString zeile = f.join(';') + "\r\n";
                const QList<QByteArray> formen{bytes + "\n", zeile.toUtf8(),
                                               QByteArray(reinterpret_cast<const char *>(zeile.utf16()), zeile.size() * 2)};
                if (z.bounded(2)) {
                    log += formen.at(z.bounded(3));
                    continue;
                }
            }
            log += bytes + "\r\n";
        }
        Protokoll::Bestand b;
        b.lesen(log);
        QCOMPARE(b.eintraege(), erwartet);
        QCOMPARE(b.woerter().size(), woerter.size());
    }

    void abgeschnitteneZeilen()
    {
        // A crash or a full disk cuts the record `e` anywhere; then one more is appended.
        const Protokoll::Eintrag e = eintrag(u("Anna \"Nini\"; B."), u("Bär"), kJetzt.date(), 2, u("ä"), "a");
        const Protokoll::Eintrag igel = eintrag("Ben", "Igel"), neu = eintrag("Ben", "Igel", kJetzt.date(), 1, "I", "i");
        const QByteArray davor = Protokoll::kopfzeile() + Protokoll::zeile(igel), ganz = Protokoll::zeile(e);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("TIPPOLO.LOG");
        for (qsizetype k = 0; k <= ganz.size(); ++k) {
            const bool heil = k == ganz.size();
            QVERIFY(dateiSchreiben(pfad, davor + ganz.left(k)));
            Protokoll::Bestand gelesen;
            QVERIFY(gelesen.nachlesen(pfad));
            QCOMPARE(gelesen.size(), heil ? 2 : 1);
            {
                Protokoll::Schreiber log(pfad);
                log.uhr = [] { return kJetzt; };
                log.falscherBuchstabe("Ben", 13, false, "Igel", 1, "I", "i");
            }
            const QByteArray bytes = dateiLesen(pfad);
            QCOMPARE(bytes, davor + ganz.left(k) + (k > 0 && !heil ? "\r\r\n" : "") + Protokoll::zeile(neu));
            // Read again from the start, or only what was appended: the same events, the cut one never.
            Protokoll::Bestand frisch;
            frisch.lesen(bytes);
            QVERIFY(gelesen.nachlesen(pfad));
            const QList<Protokoll::Eintrag> erwartet = heil ? QList{igel, e, neu} : QList{igel, neu};
            QVERIFY2(gelesen.eintraege() == erwartet && frisch.eintraege() == erwartet, qPrintable(QString::number(k)));
        }
        // Another file in its place, as long and ending alike, shrunk or rewritten: read from its start.
        Protokoll::Bestand b;
        QVERIFY(b.nachlesen(pfad) && b.size() == 3);
        const Protokoll::Eintrag cem = eintrag("Cem", "Igel");
        QVERIFY(dateiSchreiben(pfad + ".neu", Protokoll::kopfzeile() + Protokoll::zeile(cem) + ganz + Protokoll::zeile(neu)));
        QVERIFY(QFile::remove(pfad) && QFile::rename(pfad + ".neu", pfad));
        QVERIFY(b.nachlesen(pfad) && b.eintraege() == (QList{cem, e, neu}));
        QVERIFY(dateiSchreiben(pfad, davor));
        QVERIFY(b.nachlesen(pfad) && b.eintraege() == QList{igel});
        const Protokoll::Eintrag hase = eintrag("Ben", "Hase");  // the same file written anew, no shorter
        QVERIFY(dateiSchreiben(pfad, Protokoll::kopfzeile() + Protokoll::zeile(hase) + Protokoll::zeile(neu)));
        QVERIFY(b.nachlesen(pfad) && b.eintraege() == (QList{hase, neu}));
    }

    void grossesProtokoll()
    {
        // The events behind 70 MB of zeros left by a crash, the first across the border of two pieces read.
        Testprogramm t(1, false);
        QFile f(t.programm->datei("TIPPOLO.LOG"));
        const qint64 nullen = (70 << 20) - 20;
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(nullen) && f.seek(nullen));
        QVERIFY(f.write("\r\n" + Protokoll::zeile(eintrag("Anna", "Apfel"))) > 0);
        // Behind a long line of garbage, a record that begins at the next border is no event either.
        QVERIFY(f.write(QByteArray((71 << 20) - f.pos(), 'x') + Protokoll::zeile(eintrag("Anna", "Birne"))) > 0);
        f.close();
        t.start();
        Berichtfenster &b = berichtOeffnen(t);
        QVERIFY(b.kindWahl->currentText() == "Anna" && b.auswertung().geloest == 1 && b.hinweis->Caption().isEmpty());
        QCOMPARE(b.bestand().gelesen(), f.size());
        // Opened again, only what was appended is read.
        t.programm->protokoll().wortGeloest("Anna", 13, false, "Birne");
        b.Form_Activate();
        QVERIFY(b.auswertung().geloest == 2 && b.bestand().gelesen() == f.size());
    }

    void mehrereProgramme()
    {
        // One program died mid-append holding the lock, then six at once: no line lost, the cut one never read.
        QTemporaryDir ordner;
        const QString treiber = QCoreApplication::applicationFilePath();
        QCOMPARE(QProcess::execute(treiber, {"--treiber", ordner.path(), "abbrechen", "0"}), 0);
        QVERIFY(QFile::exists(ordner.filePath("TIPPOLO.LOG.lock")));
        constexpr int kProgramme = 6, kWoerter = 100;
        std::vector<std::unique_ptr<QProcess>> laeufe;
        for (int i = 1; i <= kProgramme; ++i) {
            laeufe.push_back(std::make_unique<QProcess>());
            laeufe.back()->start(treiber, {"--treiber", ordner.path(), QString::number(i), QString::number(kWoerter)});
        }
        for (auto &p : laeufe)
            QVERIFY(p->waitForFinished(120000) && p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0);
        const QByteArray bytes = dateiLesen(ordner.filePath("TIPPOLO.LOG"));
        Protokoll::Bestand b;
        b.lesen(bytes);
        // The cut line, every record, and nothing after the last line end.
        QCOMPARE(bytes.count('\n'), kProgramme * kWoerter + 1);
        QVERIFY(bytes.endsWith("\r\n") && b.size() == kProgramme * kWoerter);
        QCOMPARE(Bericht::namen(b).size(), kProgramme);
        QVERIFY(!QFile::exists(ordner.filePath("TIPPOLO.LOG.lock")));
    }

    void berichtZahlen()
    {
        // Generated practice over 80 days: every figure, list and class row of every period, as a simple count gives them.
        QRandomGenerator z(1618);
        const QDate heute = kJetzt.date();
        const QStringList kinder{"Anna", "anna", "Ben"}, woerter{"Haus", "haus", "Igel", "Ei"}, paare{"Hh", "ea", "ts", "bd", "ie"};
        for (int runde = 0; runde < 30; ++runde) {
            QList<Protokoll::Eintrag> log;
            for (int n = z.bounded(60); n > 0; --n) {
                const QString paar = z.bounded(3) ? QString() : paare.at(z.bounded(5));
                log << eintrag(kinder.at(z.bounded(3)), woerter.at(z.bounded(4)), heute.addDays(-z.bounded(80)), 1 + z.bounded(3),
                               paar.left(1), paar.mid(1));
            }
            QByteArray bytes;
            for (const Protokoll::Eintrag &e : log)
                bytes += Protokoll::zeile(e);
            Protokoll::Bestand bestand;
            bestand.lesen(bytes);
            for (const auto &[zeitraum, laenge] : QList<std::pair<Bericht::Zeitraum, int>>{
                     {Bericht::Zeitraum::Heute, 1}, {Bericht::Zeitraum::SiebenTage, 7}, {Bericht::Zeitraum::DreissigTage, 30},
                     {Bericht::Zeitraum::Alle, 9999}}) {
                const QList<Bericht::Kind> klasse = Bericht::klasse(bestand, zeitraum, heute);
                QStringList da;  // the children in the log, in the report's order: a capital before its small letter
                std::copy_if(kinder.begin(), kinder.end(), std::back_inserter(da), [&](const QString &n) { return bestand.namen().contains(n); });
                QVERIFY(Bericht::namen(bestand) == da && da.size() == klasse.size());
                for (const Bericht::Kind &k : klasse) {
                    struct Zahlen { int geloest = 0, fehler = 0; QMap<QDate, std::pair<int, int>> tage; QMap<QString, int> paare, woerter;
                                    QList<int> klassen = QList<int>(Bericht::kAnzahlKlassen); QSet<QString> geuebt; } m, vor;
                    QDate zuletzt;
                    for (const Protokoll::Eintrag &e : log) {
                        const qint64 alter = e.datum.daysTo(heute);
                        Zahlen *zahlen = e.name != k.name ? nullptr : alter < laenge ? &m : alter < 2 * laenge && laenge < 9999 ? &vor : nullptr;
                        zuletzt = e.name == k.name ? std::max(zuletzt, e.datum) : zuletzt;
                        if (!zahlen)
                            continue;
                        const bool f = e.art == Protokoll::Art::Fehler;
                        (f ? zahlen->fehler : zahlen->geloest)++;
                        (f ? zahlen->tage[e.datum].second : zahlen->tage[e.datum].first)++;
                        zahlen->geuebt << e.wort;
                        if (f) {
                            zahlen->paare[e.soll + e.ist]++;
                            zahlen->woerter[e.wort]++;
                            zahlen->klassen[int(Bericht::klassifizieren(e.wort, e.stelle, e.soll, e.ist))]++;
                        }
                    }
                    const Bericht::Auswertung a = Bericht::auswerten(bestand, k.name, zeitraum, heute);
                    QList<std::pair<int, int>> tage;
                    for (const Bericht::Tag &t : a.tage)
                        tage << std::pair{t.geloest, t.fehler};
                    QCOMPARE((QList<int>{a.geloest, a.fehler, a.verschiedene}), (QList<int>{m.geloest, m.fehler, int(m.geuebt.size())}));
                    QCOMPARE(tage, m.tage.values());
                    QVERIFY(std::equal(m.tage.keyBegin(), m.tage.keyEnd(), a.tage.begin(), a.tage.end(), [](const QDate &d, const Bericht::Tag &t) { return d == t.datum; }));
                    QCOMPARE(a.klassen, m.klassen);
                    // Most frequent first; equal letters as coded, equal words in the dictionary's order, capitals first.
                    QStringList paareSoll, paareIst, woerterSoll, woerterIst;
                    for (const Bericht::Verwechslung &v : a.verwechslungen)
                        paareIst << u("%1 %2%3").arg(v.anzahl).arg(v.soll, v.ist);
                    for (const Bericht::Fehlerwort &w : a.woerter)
                        woerterIst << u("%1 %2").arg(w.fehler).arg(w.wort);
                    for (auto [liste, zaehler] : {std::pair{&paareSoll, &m.paare}, std::pair{&woerterSoll, &m.woerter}}) {
                        for (auto i = zaehler->cbegin(); i != zaehler->cend(); ++i)
                            *liste << u("%1 %2").arg(i.value()).arg(i.key());
                        std::stable_sort(liste->begin(), liste->end(), [&](const QString &x, const QString &y) {
                            const int ax = x.section(' ', 0, 0).toInt(), ay = y.section(' ', 0, 0).toInt();
                            return ax != ay ? ax > ay : liste == &woerterSoll && x.section(' ', 1).toLower() < y.section(' ', 1).toLower();
                        });
                    }
                    QCOMPARE(paareIst, paareSoll);
                    QCOMPARE(woerterIst, woerterSoll);
                    const QString jeHundert = m.geloest ? QString::number(m.fehler * 100 / m.geloest) : u("–");
                    QCOMPARE(Bericht::zusammenfassung(a).last(), u("Falsche Buchstaben je 100 Wörter: ") + jeHundert);
                    const int vorher = vor.geloest ? vor.fehler * 100 / vor.geloest : -1;
                    const int aenderung = m.geloest ? m.fehler * 100 / m.geloest - vorher : 0;
                    const auto haeufigste = std::max_element(m.klassen.begin(), m.klassen.end());
                    QCOMPARE(Bericht::zellen(k), (QStringList{k.name, QString::number(m.geloest), jeHundert,
                                                              m.fehler ? Bericht::klassenname(Bericht::Fehlerklasse(haeufigste - m.klassen.begin())) : u("–"),
                                                              zuletzt.toString("dd.MM.yyyy"),
                                                  !m.geloest || vorher < 0 ? u("–") : aenderung > 0 ? '+' + QString::number(aenderung)
                                                                        : aenderung < 0 ? u("−") + QString::number(-aenderung) : "0"}));
                }
            }
        }
    }

    void sitzungUndBericht()
    {
        Testprogramm t;
        t.programm->protokoll().uhr = [] { return kJetzt; };
        t.boxen.tippe("Anna");
        t.f1().Bild23_Click();
        // "Mutter" with two wrong letters: a small m and a single t.
        t.liste({"Mutter"}, true);
        for (int i = 0; i < 3; ++i)
            t.boxen.ok();
        tippe(t.f1().Bezeichnung2, "mMuteter");
        t.liste({u("Straße")}, true);
        t.boxen.ok();
        tippe(t.f1().Bezeichnung2, u("Straße"));
        QVERIFY(t.m().Loesungen == 2 && t.boxen.offeneAntworten() == 0);
        t.programm->protokoll().warten();
        QCOMPARE(t.lesen("TIPPOLO.LOG"),
                 QByteArray("Zeit;Art;Name;\xdc" "bung;Modus;Wort;Stelle;Soll;Ist\r\n"
                            "2026-12-06 09:15:02;Fehler;Anna;13;Schreiben;Mutter;1;M;m\r\n"
                            "2026-12-06 09:15:02;Fehler;Anna;13;Schreiben;Mutter;4;t;e\r\n"
                            "2026-12-06 09:15:02;Wort;Anna;13;Schreiben;Mutter\r\n"
                            "2026-12-06 09:15:02;Wort;Anna;13;Schreiben;Stra\xdf" "e\r\n"));

        Berichtfenster &b = berichtOeffnen(t);
        const QString summe = u("Zeitraum: Letzte 7 Tage (30.11.2026 bis 06.12.2026)\nGelöste Wörter: 2\n"
                                "Geübte Wörter (verschiedene): 2\nFalsche Buchstaben: 2\n"
                                "Falsche Buchstaben je 100 Wörter: 100");
        QCOMPARE(b.zusammenfassung->Caption(), summe);
        const QImage bild = b.balken->grab().toImage();  // today's errors: one red bar, in the last of seven columns
        int links = bild.width(), rechts = -1;
        for (int x = 0; x < bild.width(); ++x)
            for (int y = 0; y < bild.height(); ++y)
                rechts = bild.pixelColor(x, y) == QColor(229, 57, 53) ? (links = std::min(links, x), x) : rechts;
        QVERIFY(links > bild.width() * 6 / 7 && rechts < bild.width() - 8 && rechts - links > 4);
        // The tables hold what the print below shows.
        QCOMPARE(zeilen(b.verwechslungen) + zeilen(b.klassen).filter(QRegularExpression("[^0]$")) + zeilen(b.woerter),
                 (QStringList{u("M → m|1×"), u("t → e|1×"), u("Groß- und Kleinschreibung|1"), u("Doppelkonsonant vergessen|1"),
                              u("Mutter|2")}));
        QCOMPARE(b.klassen->rowCount(), 8);

        // Printed through the program's canvas, every line.
        const QString druck = gedruckt(t, [&b] { b.druckenKnopf_Click(); });
        pruefeBox(t.boxen, u("Der Bericht wird gedruckt ..."), u("Bericht drucken"));
        QCOMPARE(druck, u("Fehlerbericht für Anna\n \n  ") + QString(summe).replace("\n", "\n  ") +
                                       u("\n \nVerwechselte Buchstaben (erwartet → getippt)\n  M → m  1×\n  t → e  1×\n \n"
                                         "Fehlerarten\n  Groß- und Kleinschreibung: 1\n  Doppelkonsonant vergessen: 1\n \n"
                                         "Wörter mit den meisten Fehlern\n  Mutter: 2\n \nÜbungstage\n"
                                         "  06.12.2026: 2 Wörter gelöst, 2 falsche Buchstaben"));
    }

    void kinderUndKlasse()
    {
        QByteArray log("2026-11-26 10:00:00;Wort;Anna;13;Schreiben;Haus\r\n"
                       "2026-11-26 10:00:00;Fehler;Anna;13;Schreiben;Maus;1;M;m\r\n"
                       "2026-11-26 10:00:00;Fehler;Anna;13;Schreiben;M\xe4use;2;\xe4;a\r\n"
                       "2026-10-27 10:00:00;Wort;Cem;13;Schreiben;Igel\r\n"
                       "2026-12-06 09:00:00;Wort;Anna;13;Schreiben;Apfel\r\n"
                       "2026-12-06 09:00:00;Fehler;Anna;13;Schreiben;Haus;1;H;h\r\n"
                       "2026-12-06 09:01:00;Wort;Anna;13;Schreiben;Birne\r\n");
        for (int i = 0; i < 21; ++i)  // long ago: more words with errors than the report shows
            log += Protokoll::zeile(eintrag("Anna", u("Wort%1").arg(i), QDate(2026, 10, 1), 1, "W", "w"));
        Testprogramm t("TIPPOLO.LOG", log);
        Berichtfenster &b = berichtOeffnen(t);
        b.zeitraumWahl->setCurrentIndex(3);
        const QString liste = gedruckt(t, [&b] { b.druckenKnopf_Click(); }).section(u("Wörter mit den meisten Fehlern"), 1);
        QVERIFY(b.woerter->rowCount() == 20 && liste.section("\n \n", 0, 0).count('\n') == 20);
        b.zeitraumWahl->setCurrentIndex(1);
        // Chosen once, the child stays chosen when the report is opened again.
        b.kindWahl->setCurrentIndex(1);
        b.schliessenKnopf_Click();
        QTest::mouseClick(t.programm->form8().Bild9, Qt::LeftButton);
        QCOMPARE(b.kindWahl->currentText(), u("Cem"));

        // The class: one row per child for the last 7 days, the change against the 7 days before.
        QTest::mouseClick(b.ansichtWahl, Qt::LeftButton, {}, b.ansichtWahl->tabRect(1).center());
        QVERIFY(b.klassenTabelle->isVisible() && !b.kindWahl->isVisible() && !b.speichernKnopf->isEnabled());
        const QStringList anna{u("Anna|2|50|Groß- und Kleinschreibung|06.12.2026|−150")}, cem{u("Cem|0|–|–|27.10.2026|–")};
        QCOMPARE(zeilen(b.klassenTabelle), anna + cem);
        for (int s = 0; s < 6; ++s)  // figures to the right
            QCOMPARE(bool(int(b.klassenTabelle->item(0, s)->textAlignment()) & Qt::AlignRight), s != 0 && s != 3);
        b.klassenTabelle->sortByColumn(3, Qt::AscendingOrder);  // no class before every class
        QCOMPARE(zeilen(b.klassenTabelle), cem + anna);
        // A click on a column title sorts by it; a missing figure comes before every number.
        QHeaderView *kopf = b.klassenTabelle->horizontalHeader();
        for (int klick = 0; klick < 2; ++klick) {  // the second click the other way round
            QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(kopf->sectionViewportPosition(2) + 4, 4));
            QCOMPARE(zeilen(b.klassenTabelle), kopf->sortIndicatorOrder() == Qt::AscendingOrder ? cem + anna : anna + cem);
        }
        b.klassenTabelle->sortByColumn(4, Qt::DescendingOrder);
        QCOMPARE(zeilen(b.klassenTabelle), anna + cem);
        // Printed in the order shown.
        const QString druck = gedruckt(t, [&b] { b.druckenKnopf_Click(); });
        pruefeBox(t.boxen, u("Die Klassenübersicht wird gedruckt ..."), u("Klassenübersicht drucken"));
        QCOMPARE(druck, u("Klassenübersicht\n \n  Zeitraum: Letzte 7 Tage (30.11.2026 bis 06.12.2026)\n \nAnna\n"
                          "  Gelöste Wörter: 2\n  Fehler je 100 Wörter: 50\n  Häufigste Fehlerart: Groß- und Kleinschreibung\n"
                          "  Zuletzt geübt: 06.12.2026\n  Änderung: −150\n \nCem\n  Gelöste Wörter: 0\n  Fehler je 100 Wörter: –\n"
                          "  Häufigste Fehlerart: –\n  Zuletzt geübt: 27.10.2026\n  Änderung: –"));
    }
};

int main(int argc, char **argv)
{
    if (argc == 5 && qstrcmp(argv[1], "--treiber") == 0)
        return treiber(QString::fromLocal8Bit(argv[2]), argv[3], QByteArray(argv[4]).toInt());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestInfo test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_info.moc"

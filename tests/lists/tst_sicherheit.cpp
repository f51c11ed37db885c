#include "games/Bestenliste.h"
#include "info/Protokoll.h"
#include "lists/Arbeitsordner.h"
#include "lists/Dateien.h"
#include "support/EngerRaum.h"
#include "support/Testprogramm.h"
#include "ui/Dateibrowser.h"
#include "ui/Liste.h"
#include "windows/Berichtfenster.h"
#include "windows/Form8.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

/// Files on full and read-only disks (a real tmpfs), links, devices, pipes and odd names: the old file stays.

namespace {

const QByteArray kIni = " 30 \r\nCourier\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\n 1 \r\n";
const QString kPlatz = QStringLiteral("Auf dem Datenträger ist nicht genug Platz frei.");
const QString kNurLesbar = QStringLiteral("Der Datenträger ist schreibgeschützt.");
const QString kKeineDatei = QStringLiteral("Sie ist keine gewöhnliche Datei (sondern zum Beispiel ein Gerät).");
const QString kOrdner = QStringLiteral("An ihrer Stelle steht ein Ordner.");
const QString kLink = QStringLiteral("An ihrer Stelle steht eine Verknüpfung; das Programm schreibt nicht durch Verknüpfungen.");
const QString kStandard = QStringLiteral("\rDas Programm arbeitet mit den Standardeinstellungen.");

/// Puts `lage` at `pfad`: "Pipe", "Ordner", "gross" (over 64 MB), else a link to `lage`.
bool anlegen(const QString &lage, const QString &pfad)
{
    const QByteArray n = QFile::encodeName(pfad);
    if (lage == u("Pipe"))
        return ::mkfifo(n.constData(), 0644) == 0;
    if (lage == u("Ordner"))
        return QDir().mkdir(pfad);
    if (lage == u("gross"))
        return dateiSchreiben(pfad, "Haus") && ::truncate(n.constData(), 64 * 1024 * 1024 + 1) == 0;
    return QFile::link(lage, pfad);
}

/// What stands at `pfad`: kind, link target and bytes.
QString art(const QString &pfad)
{
    struct stat st;
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0)
        return u("fehlt");
    const bool klein = S_ISREG(st.st_mode) && st.st_size < 4096;
    return u("%1 %2 %3 %4").arg(st.st_mode & S_IFMT).arg(st.st_size).arg(QFile::symLinkTarget(pfad),
                                                                        klein ? QString::fromLatin1(dateiLesen(pfad)) : QString());
}

/// The save command of the settings window with "Haus", or of the report on a log where `kind` mistyped "Mutter".
std::function<void()> listeSpeichern(Testprogramm &t, bool bericht, const QString &kind = u("Anna"))
{
    if (!bericht) {
        t.programm->form8().Liste2->addItems({u("Haus")});
        return [&t] { t.programm->form8().Bild5_Click(); };
    }
    t.programm->protokoll().uhr = [] { return QDateTime(QDate(2026, 12, 6), QTime(9, 0)); };
    QByteArray name;
    Dateien::kodieren(kind, name);
    t.datei(u("TIPPOLO.LOG"), "Zeit;Art;Name;\xdc" "bung;Modus;Wort;Stelle;Soll;Ist\r\n2026-12-06 08:00:00;Fehler;" + name +
                                  ";13;Schreiben;Mutter;1;M;m\r\n");
    t.boxen.tippe(t.f1().Bezeichnung8->Caption());
    t.f1().Bild5_Click();
    QTest::mouseClick(t.programm->form8().Bild9, Qt::LeftButton);
    Berichtfenster *b = &t.programm->berichtfenster();
    return [b] { b->speichernKnopf_Click(); };
}

} // namespace

class TestSicherheit : public QObject
{
    Q_OBJECT
public:
    explicit TestSicherheit(const QString &ohneMounts) : m_ohneMounts(ohneMounts) {}

private:
    QString m_ohneMounts;

private Q_SLOTS:
    void init() { QVERIFY2(m_ohneMounts.isEmpty(), qPrintable(m_ohneMounts)); }
    void speichernScheitert_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("lage");
        QTest::addColumn<QString>("grund");
        for (const char *datei : {"LISTE.TXT", "TIPPOLO.INI", "BESTHANG.LST"}) {
            QTest::addRow("%s, Platte voll", datei) << u(datei) << u("voll") << kPlatz;
            QTest::addRow("%s, schreibgeschützt", datei) << u(datei) << u("nurLesbar") << kNurLesbar;
            QTest::addRow("%s, Verknüpfung", datei) << u(datei) << u("ziel.dat") << kLink;
            QTest::addRow("%s, Pipe", datei) << u(datei) << u("Pipe") << kKeineDatei;
            QTest::addRow("%s, Ordner", datei) << u(datei) << u("Ordner") << kOrdner;
        }
        // A best list that cannot be read whole is not saved over.
        QTest::newRow("BESTHANG.LST, Lesefehler") << u("BESTHANG.LST") << u("/proc/self/mem") << u("Der Datenträger meldet einen Fehler.");
    }
    void speichernScheitert()
    {
        QFETCH(QString, datei);
        QFETCH(QString, lage);
        QFETCH(QString, grund);
        Testprogramm t(1, false);
        EngerRaum raum(t.ordner.path());
        QVERIFY(raum.eingehaengt());
        const QString pfad = t.programm->datei(datei);
        t.datei(u("TIPPOLO.INI"), kIni);
        t.datei(lage == u("ziel.dat") ? lage : datei, datei == u("TIPPOLO.INI") ? kIni : QByteArray("0003  Ida\r\n"));
        const bool unlesbar = lage == u("Pipe") || lage == u("Ordner") || lage.startsWith(u("/proc"));
        if (lage == u("ziel.dat") || unlesbar) {
            QFile::remove(pfad);
            QVERIFY(anlegen(lage, pfad));
        }
        if (datei == u("TIPPOLO.INI") && (lage == u("Pipe") || lage == u("Ordner")))
            t.boxen.ok(); // not read at start either
        t.start();
        QVERIFY(lage != u("voll") || raum.fuellen());
        QVERIFY(lage != u("nurLesbar") || raum.nurLesbar());
        const QString vorher = art(pfad), ziel = art(t.programm->datei(u("ziel.dat")));
        Form8 &e = t.programm->form8();
        QString text = u("Die Datei \"%1\" konnte nicht gespeichert werden.\r%2").arg(datei, grund), titel;
        if (datei == u("LISTE.TXT")) {
            e.Liste2->addItems({u("neu")});
            if (lage == u("voll") || lage == u("nurLesbar")) {
                // A new file fails alike and leaves no empty file of its name.
                t.boxen.tippe(u("NEU.TXT"));
                t.boxen.ok();
                e.Bild5_Click();
                QVERIFY(t.boxen.letzte().text.startsWith(u("Die Datei \"NEU.TXT\" konnte nicht gespeichert werden.")));
            }
            t.boxen.tippe(datei);
            t.boxen.ja();
            t.boxen.ok();
            e.Bild5_Click();
            text += u("\rDie Liste wurde nicht gespeichert.");
            titel = u("Liste speichern");
        } else if (datei == u("TIPPOLO.INI")) {
            t.boxen.ok();
            e.Bild2_Click();
            text += u("\rDie Einstellungen wurden nicht gespeichert.");
            titel = u("Einstellungen");
        } else {
            t.boxen.ok();
            BestenlisteSichern(t.programm->boxen(), t.programm->datei(datei), u("0001  Neu"), u("Galgenspiel"));
            // The list is read again before it is saved.
            if (unlesbar)
                text = u("Die Datei \"%1\" konnte nicht gelesen werden.\r%2").arg(datei, grund);
            text = u("Die Bestenliste konnte nicht gespeichert werden.\r") + text + u("\r");
            titel = u("Galgenspiel");
        }
        pruefeBox(t.boxen, text, titel, Knoepfe::OK, Symbol::Stop);
        QCOMPARE(t.boxen.offeneAntworten(), 0);
        QCOMPARE(art(pfad), vorher);
        QCOMPARE(art(t.programm->datei(u("ziel.dat"))), ziel);
        // No half-written copy is left behind.
        QCOMPARE(QDir(t.ordner.path()).entryList({u("*.TXT*"), u("*.INI*"), u("*.LST*")}, QDir::AllEntries | QDir::System).size(),
                 datei == u("TIPPOLO.INI") ? 1 : 2);
    }

    /// A log that cannot be written: the child practises on, and the report says why.
    void protokollScheitert_data()
    {
        QTest::addColumn<QString>("lage");
        QTest::addColumn<QString>("hinweis");
        const QString fehlen = u(" Die Übungen seit dem Start fehlen im Bericht. ");
        const QString lesen = u("Die Datei \"TIPPOLO.LOG\" konnte nicht gelesen werden. ");
        QTest::newRow("Ordner") << u("Ordner") << kOrdner + fehlen + lesen + kOrdner;
        QTest::newRow("Verknüpfung") << u("ANDERS.LOG") << kLink + fehlen + lesen + kKeineDatei;
        QTest::newRow("voll") << u("voll") << kPlatz + fehlen + u("Es sind noch keine Übungen aufgezeichnet.");
    }
    void protokollScheitert()
    {
        QFETCH(QString, lage);
        QFETCH(QString, hinweis);
        Testprogramm t(1, false);
        EngerRaum raum(t.ordner.path());
        QVERIFY(raum.eingehaengt());
        const QString anders = t.programm->datei(u("ANDERS.LOG"));
        QVERIFY(lage == u("voll") || anlegen(lage == u("Ordner") ? lage : anders, t.programm->datei(u("TIPPOLO.LOG"))));
        t.start();
        QVERIFY(lage != u("voll") || raum.fuellen());
        t.liste({u("Ei")}, true);
        t.boxen.ok();
        t.boxen.ok();
        tippe(t.f1().Bezeichnung2, u("eEi"));
        QCOMPARE((QList<int>{t.m().Fehler, t.m().Loesungen, t.boxen.anzahl()}), (QList<int>{1, 1, 2}));
        t.boxen.tippe(t.f1().Bezeichnung8->Caption());
        t.f1().Bild5_Click();
        QTest::mouseClick(t.programm->form8().Bild9, Qt::LeftButton);
        const Berichtfenster &b = t.programm->berichtfenster();
        QCOMPARE(b.hinweis->Caption(), u("Die Datei \"TIPPOLO.LOG\" kann nicht geschrieben werden: ") + hinweis);
        QVERIFY(b.kindWahl->count() == 0 && !b.speichernKnopf->isEnabled() && !QFile::exists(anders));
    }

    /// Settings at start that cannot be read, or no room for the copy of a damaged file or a new one: the old files stay.
    void einstellungenBeimStart_data()
    {
        QTest::addColumn<QString>("lage");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("text");
        const QString unlesbar = u("Die Datei \"TIPPOLO.INI\" konnte nicht gelesen werden.\r%1\rDie Datei bleibt unverändert.") + kStandard;
        const QString kopie = u("Die Datei \"TIPPOLO.INI.alt\" konnte nicht gespeichert werden.\r%1\r"
                                "Die beschädigte Datei \"TIPPOLO.INI\" bleibt deshalb unverändert.") + kStandard;
        QTest::newRow("über 64 MB") << u("gross") << QByteArray() << unlesbar.arg(u("Sie ist größer als 64 MB."));
        QTest::newRow("beschädigt, Platte voll") << u("voll") << QByteArray(" 30 \r\nLateinaus\r\n") << kopie.arg(kPlatz);
        QTest::newRow("fehlt, Platte voll") << u("voll") << QByteArray()
                                            << u("Die Datei \"TIPPOLO.INI\" konnte nicht gespeichert werden.\r") + kPlatz + kStandard;
    }
    void einstellungenBeimStart()
    {
        QFETCH(QString, lage);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, text);
        Testprogramm t(1, false);
        EngerRaum raum(t.ordner.path());
        QVERIFY(raum.eingehaengt());
        const QString pfad = t.programm->datei(u("TIPPOLO.INI"));
        t.datei(u("TIPPOLO.INI.alt"), "ganz alt");
        if (!inhalt.isEmpty())
            t.datei(u("TIPPOLO.INI"), inhalt);
        else if (lage != u("voll"))
            QVERIFY(anlegen(lage, pfad));
        QVERIFY(lage != u("voll") || raum.fuellen());
        const QString vorher = art(pfad);
        t.boxen.ok();
        t.start();
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, text, u("Einstellungen"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(art(pfad), vorher);
        QCOMPARE(t.lesen(u("TIPPOLO.INI.alt")), QByteArray("ganz alt"));
        QCOMPARE((QList<QVariant>{t.m().Wortmenge, t.programm->form8().Anzeigeschrift()}), (QList<QVariant>{20, u("Arial")}));
    }

    void arbeitsordnerPruefen()
    {
        using Arbeitsordner::Zustand;
        QTemporaryDir tmp;
        const QString neu = tmp.filePath(u("a/b/tippolo")), datei = tmp.filePath(u("datei"));
        QVERIFY(dateiSchreiben(datei, "x"));
        QCOMPARE(Arbeitsordner::pruefen(neu, false), Zustand::Fehlt);
        QCOMPARE(Arbeitsordner::pruefen(datei, true), Zustand::Fehlt);
        QCOMPARE(Arbeitsordner::pruefen(neu, true), Zustand::Beschreibbar);
        QVERIFY(QDir(neu).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)); // the probe is gone
        EngerRaum raum(neu);
        QVERIFY(raum.eingehaengt() && raum.nurLesbar());
        QCOMPARE(Arbeitsordner::pruefen(neu, true), Zustand::NichtBeschreibbar);
    }

    /// Every window that saves a list refuses the same names, and takes a name in other capitals for the file there.
    void namen()
    {
        const QString strich = u("Der Name \"%1\" enthält einen Schrägstrich. Listen werden nur im Arbeitsordner "
                                 "gespeichert; bitte nur den Namen der Datei eingeben.");
        QList<QPair<QString, QString>> namen{
            {u("../x.TXT"), strich.arg(u("../x.TXT"))},
            {u("a\\x.TXT"), strich.arg(u("a\\x.TXT"))},
            {u(".."), u("\"..\" ist kein Name für eine Datei.")},
            {u("   "), u("Der Name besteht nur aus Leerzeichen.")},
            {u("A\r\nB.TXT"), u("Der Name enthält ein Steuerzeichen (zum Beispiel einen Zeilenumbruch).")},
            {QString(300, QLatin1Char('x')) + u(".TXT"), u("Der Name ist zu lang für den Datenträger; bitte einen kürzeren Namen wählen.")}};
        for (const char *name : {"tippolo.ini", "TIPPOLO.INI.alt", "BestSuch.lst", "tippolo.Log", "TIPPOLO.LOG.lock", "BERICHT.PDF. ",
                                 "Tippolo-2.pdf", "BERICHT-13.PDF"})
            namen.append({u(name), u("\"%1\" ist eine Datei des Programms selbst und kann nicht als Wortliste überschrieben werden.").arg(u(name))});
        for (bool bericht : {false, true}) {
            Testprogramm t;
            t.datei(u("fehler-anna.txt"), "alt\r\n");
            const auto speichern = listeSpeichern(t, bericht);
            const QStringList vorher = QDir(t.ordner.path()).entryList(QDir::Files);
            for (const auto &[name, grund] : namen) {
                t.boxen.tippe(name);
                t.boxen.ok();
                speichern();
                pruefeBox(t.boxen, grund + u("\rDie Liste wurde nicht gespeichert."),
                          bericht ? u("Übungsliste speichern") : u("Liste speichern"), Knoepfe::OK, Symbol::Stop);
                QCOMPARE(QDir(t.ordner.path()).entryList(QDir::Files), vorher);
            }
            // Nothing outside the working folder; a stray file is removed, so that it fails this run only.
            QVERIFY(!QFile::remove(t.ordner.filePath(u("../x.TXT"))));
            // Answered No, the file stays as it is.
            t.boxen.tippe(u("Fehler-Anna.txt"));
            t.boxen.nein();
            speichern();
            pruefeFrage(t.boxen, u("Vorhandene Datei ersetzen?"), u("Fehler-Anna.txt"));
            QCOMPARE(t.lesen(u("fehler-anna.txt")), QByteArray("alt\r\n"));
            t.boxen.tippe(u("FEHLER-ANNA.TXT"));
            t.boxen.ja();
            t.boxen.ok();
            speichern();
            QCOMPARE(QDir(t.ordner.path()).entryList({u("*.txt")}), QStringList{u("fehler-anna.txt")});
            QCOMPARE(t.lesen(u("fehler-anna.txt")), bericht ? QByteArray("Mutter\r\n") : QByteArray("Haus\r\n"));
            if (bericht)
                pruefeBox(t.boxen, u("Die Liste mit 1 Wort wurde gespeichert.\rSie kann mit \"Laden\" geladen werden."),
                          u("FEHLER-ANNA.TXT"), Knoepfe::OK, Symbol::Information);
            QVERIFY(QFile::remove(t.ordner.filePath(u("fehler-anna.txt"))));  // gone, but still in the file list: asked all the same
            t.boxen.tippe(u("Fehler-Anna.txt"));
            t.boxen.nein();
            speichern();
            pruefeFrage(t.boxen, u("Vorhandene Datei ersetzen?"), u("Fehler-Anna.txt"));
        }
    }

    /// A child's name too long for the file system: the offered name is cut at the end of its stem.
    void langerName()
    {
        Testprogramm t;
        const QString kind = QString(200, QChar(0xC4));
        const auto speichern = listeSpeichern(t, true, kind);
        t.boxen.tippe(QString());
        speichern();
        const int grenze = Dateien::laengsterName(t.ordner.path());
        QCOMPARE(t.boxen.letzte().vorgabe, u("FEHLER-") + QString((grenze - 11) / 2, QChar(0xC4)) + u(".TXT"));
        // Characters of one to four bytes: every name fits, and no more was cut than needed.
        for (const QString &zeichen : {u("x"), u("ß"), u("€"), u("😀")})
            for (int n : {10, 80, 300}) {
                QString name = u("A");
                for (int i = 0; i < n; ++i)
                    name += zeichen;
                const QByteArray ganz = QFile::encodeName(name + u(".TXT"));
                const QByteArray passend = QFile::encodeName(Dateien::passenderName(t.ordner.path(), name + u(".TXT")));
                QVERIFY(passend == ganz || (passend.size() <= grenze && passend.size() + QFile::encodeName(zeichen).size() > grenze));
                QVERIFY(ganz.startsWith(passend.chopped(4)) && passend.endsWith(".TXT"));
                QVERIFY(Dateien::bytesSchreiben(t.ordner.filePath(QFile::decodeName(passend)), "x"));
            }
        // A name as long as the disk takes is taken; one more is refused, and a name of a dot and more is cut too.
        QVERIFY(Dateien::nameAblehnen(QString(grenze - 4, u'x') + u(".TXT"), t.ordner.path()).isEmpty() &&
                !Dateien::nameAblehnen(QString(grenze - 3, u'x') + u(".TXT"), t.ordner.path()).isEmpty());
        QCOMPARE(Dateien::passenderName(t.ordner.path(), u(".") + QString(300, u'x')), u(".") + QString(grenze - 1, u'x'));
    }

    /// A word list that is no regular file (or too large, as the settings above) is refused; the list in use stays.
    void listeAbgelehnt()
    {
        Testprogramm t(u("B.TXT"), "Haus\r\nMaus\r\n");
        // Swapped after it was loaded at the start.
        QVERIFY(QFile::remove(t.programm->datei(u("B.TXT"))) && anlegen(u("/dev/zero"), t.programm->datei(u("B.TXT"))));
        t.boxen.ok();
        t.f1().Datei1->setListIndex(0);
        pruefeBox(t.boxen, u("Die Datei \"B.TXT\" konnte nicht gelesen werden.\r%1\rDie bisherige Liste bleibt.").arg(kKeineDatei),
                  u("Liste laden"), Knoepfe::OK, Symbol::Stop);
        QCOMPARE(t.f1().Liste1->eintraege(), (QStringList{u("Haus"), u("Maus")}));
    }

    /// A pasted player name loses its control characters; one Windows-1252 cannot hold is refused, so two
    /// children never become one in the log, the best lists or a file name.
    void spielername()
    {
        Testprogramm t;
        t.boxen.setStreng(false);
        const QString kText = u("Der Name \"%1\" enthält das Zeichen \"%2\", das das Programm nicht speichern kann.\r"
                                "Bitte den Namen ohne dieses Zeichen eingeben.");
        for (const QStringList &fall : QList<QStringList>{{u("Max\u2028\r\n0001  Betrug\u2029"), u("Max0001  Betrug")},
                                                         {u("\r\n"), u("Max0001  Betrug")},
                                                         {u("Le😀a"), u("Max0001  Betrug"), kText.arg(u("Le😀a"), u("😀"))},
                                                         {u("Łukasz"), u("Max0001  Betrug"), kText.arg(u("Łukasz"), u("Ł"))},
                                                         {u("Jo\u0308rg €"), u("Jörg €")}}) {
            t.boxen.tippe(fall.at(0));
            t.f1().Bild23_Click();
            QCOMPARE(t.f1().Bezeichnung7->Caption(), fall.at(1));
            if (fall.size() > 2)
                pruefeBox(t.boxen, fall.at(2), u("Eingabe"), Knoepfe::OK, Symbol::Information);
        }
    }

    /// Qt's English system texts become German sentences (a full or read-only disk's above, on a real one).
    void gruende()
    {
        const auto satz = [](int nummer) {
            return Dateien::grund(Dateien::Grund::System, Dateien::fehlernummer(qt_error_string(nummer)));
        };
        QCOMPARE((QStringList{satz(EACCES), satz(EISDIR), satz(ENAMETOOLONG)}),
                 (QStringList{u("Das Programm hat dafür keine Berechtigung."), kOrdner,
                              u("Der Name der Datei ist zu lang für den Datenträger.")}));
    }
};

int main(int argc, char **argv)
{
    const QString ohneMounts = EngerRaum::eigeneMounts(); // before Qt starts a thread
    QApplication app(argc, argv);
    TestSicherheit test(ohneMounts);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sicherheit.moc"

// A long, seeded random run through the whole trainer: real key events and
// clicks on every element of the window in front, every box answered at
// random, and after each event the rules that must always hold.
//
//   TIPPOLO_SOAK_EVENTS  number of events (default 3000)
//   TIPPOLO_SOAK_SEED    seed of the event generator and of the program (default 130805)
//
// A failure names the seed, the step and the last 20 events, so the run can
// be repeated exactly. The resident memory is printed at every tenth of the
// run (bench/soak.sh reads it).

#include "support/Testprogramm.h"

#include "games/fang.h"
#include "games/galgen.h"
#include "games/gefangen.h"
#include "info/Form7.h"
#include "info/TPOLABEL.h"
#include "lists/Form8.h"
#include "renderings/Schreibung.h"
#include "ui/Dateibrowser.h"
#include "ui/Druckflaeche.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QMap>
#include <QPointer>
#include <QSet>
#include <QTest>

#include <array>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <deque>
#include <random>

namespace {

const QString kEndeTitel = QStringLiteral("TIPPOLO, Release 13.08.2005");
constexpr int kPanelSichtbar = 3000;
constexpr int kPanelVersteckt = 10440;
/// More boxes than this in one event: the automatic answers turn to
/// cancel / No, so every loop of input boxes ends.
constexpr int kBoxenBisAbbruch = 40;
/// More boxes than this in one event: the program does not stop asking.
constexpr int kBoxenHoechstens = 400;

std::uint32_t umgebungsZahl(const char *name, std::uint32_t vorgabe)
{
    bool ok = false;
    const qulonglong wert = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? static_cast<std::uint32_t>(wert) : vorgabe;
}

/// VmRSS of this process in kB, from /proc/self/status (-1 where unknown).
long residentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &zeile : f.readAll().split('\n'))
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

/// The bytes the C heap has handed out and not taken back, in kB (-1 where
/// unknown). Unlike the resident size it does not count freed memory that
/// the allocator keeps, so it tells a leak from fragmentation.
long heapKb()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 33)
    return static_cast<long>(mallinfo2().uordblks / 1024);
#else
    return -1;
#endif
}

/// Windows-1252 bytes with CR LF after every line (the words here are all Latin-1).
QByteArray listenDatei(const QStringList &zeilen)
{
    QByteArray b;
    for (const QString &z : zeilen)
        b += z.toLatin1() + "\r\n";
    return b;
}

const QStringList &wortschatz()
{
    static const QStringList w{
        QStringLiteral("Haus"),   QStringLiteral("Maus"),    QStringLiteral("Käse"),   QStringLiteral("Öl"),
        QStringLiteral("Übung"),  QStringLiteral("Straße"),  QStringLiteral("groß"),   QStringLiteral("Ärger"),
        QStringLiteral("baum"),   QStringLiteral("Auto"),    QStringLiteral("Wald"),   QStringLiteral("Fuß"),
        QStringLiteral("Kind"),   QStringLiteral("Zebra"),   QStringLiteral("Igel"),   QStringLiteral("Quark"),
        QStringLiteral("Vogel"),  QStringLiteral("Hund"),    QStringLiteral("Katze"),  QStringLiteral("Brücke"),
        QStringLiteral("Ähre"),   QStringLiteral("Schule"),  QStringLiteral("Zwerg"),  QStringLiteral("Apfel"),
        QStringLiteral("Tür"),    QStringLiteral("Löwe"),    QStringLiteral("Mädchen"), QStringLiteral("Fluss"),
        QStringLiteral("Jäger"),  QStringLiteral("Xylofon"), QStringLiteral("Yak"),    QStringLiteral("Ei"),
        QStringLiteral("haus"),   QStringLiteral("Rot-Kehlchen"), QStringLiteral("Hans Peter"),
        QStringLiteral("Donaudampfschifffahrtsgesellschaft"),
        QStringLiteral("Żaba")};
    return w;
}

/// The window the child works in, and the help beside it.
struct Fensterlage
{
    Fenster *vorne = nullptr;
    bool hilfe = false;
};

/// What the checks after an event compare with.
struct Vorher
{
    int loesungen = 0;
    int fehler = 0;
    QString wort;
    QString benutzt;
    int woerter = 0;
    bool galgenStart = false;
    bool bewegung = false;
    bool geladen = false;
    bool enter = false;
    bool fangSichtbar = false;
    int fangSpalte = 0, fangZeile = 0;
    bool gefangenSichtbar = false;
    int gefangenSpalte = 0, gefangenZeile = 0;
};

class Dauerlauf
{
public:
    explicit Dauerlauf(std::uint32_t seed);

    /// One random event and the checks after it; the error, empty when all holds.
    QString schritt();
    QString verlauf() const;
    void ereignisseZustellen();
    int woerter() { return f1().Liste1->ListCount(); }
    /// How often each window was worked in and each box was shown.
    QString statistik() const;

private:
    // ---- the program and its windows
    Form1 &f1() { return t->f1(); }
    MODUL1 &m() { return t->m(); }
    template <class T> T *fenster(QPointer<T> &merker, const char *name);
    galgen *galgenFenster() { return fenster(m_galgen, "galgen"); }
    gefangen *gefangenFenster() { return fenster(m_gefangen, "gefangen"); }
    fang *fangFenster() { return fenster(m_fang, "fang"); }
    TPOLABEL *infoFenster() { return fenster(m_info, "TPOLABEL"); }
    Form7 *hilfeFenster() { return fenster(m_hilfe, "Form7"); }
    Form8 *einstellungsFenster() { return fenster(m_form8, "Form8"); }
    Fensterlage lage();

    // ---- the random choices
    int zahl(int n) { return n <= 0 ? 0 : static_cast<int>(m_zufall() % static_cast<std::uint32_t>(n)); }
    bool prozent(int p) { return zahl(100) < p; }
    template <std::size_t N> int waehle(const std::array<int, N> &gewichte);
    QString wort() { return wortschatz().at(zahl(static_cast<int>(wortschatz().size()))); }

    // ---- events
    void taste(Fenster &f, int key, const QString &text, Qt::KeyboardModifiers mod = Qt::NoModifier);
    void zeichen(Fenster &f, QChar c);
    QChar zufallszeichen();
    void pfeil(Fenster &f, int richtung);
    void hauptfenster();
    void einstellungen(Form8 &f8);
    void galgenSpielen(galgen &g);
    void gefangenSpielen(gefangen &g);
    void fangSpielen(fang &f);
    void info(TPOLABEL &i);
    void ereignis(const QString &beschreibung) { m_aktuell = beschreibung; }

    // ---- boxes
    Antwort antwort(const BoxEintrag &b);
    QString text(const BoxEintrag &b);

    // ---- checks
    QString pruefen(const Vorher &v);
    QString fensterPruefen();
    QString ziehungPruefen(bool anzeigen);
    QString spielePruefen();
    /// A file the program wrote: CR LF after every line, at most `hoechstens`
    /// lines (exactly `genau` when given). `fehlenDarf`: a missing file is fine.
    QString dateiPruefen(const QString &name, int hoechstens, int genau = -1, bool fehlenDarf = false);

    std::unique_ptr<Testprogramm> t;
    std::mt19937 m_zufall;
    std::deque<QString> m_verlauf;
    QMap<QString, int> m_zaehler;
    QString m_aktuell;
    int m_boxen = 0;
    QList<Druckzeile> m_druck;
    bool m_galgenStart = false;
    bool m_bewegung = false;
    bool m_geladen = false;
    bool m_enter = false;
    QPointer<galgen> m_galgen;
    QPointer<gefangen> m_gefangen;
    QPointer<fang> m_fang;
    QPointer<TPOLABEL> m_info;
    QPointer<Form7> m_hilfe;
    QPointer<Form8> m_form8;
};

Dauerlauf::Dauerlauf(std::uint32_t seed)
    : t(std::make_unique<Testprogramm>(seed, false)), m_zufall(seed)
{
    // Lists to load: more than 20 words, three words, repeated words, no word
    // at all, and one word too long for the hidden-word exercise.
    t->datei(QStringLiteral("A.TXT"),
             listenDatei({QStringLiteral("Apfel"), QStringLiteral("Birne"), QStringLiteral("Clown"),
                          QStringLiteral("Dach"), QStringLiteral("Ente"), QStringLiteral("Fähre"),
                          QStringLiteral("Gans"), QStringLiteral("Hütte"), QStringLiteral("Igel"),
                          QStringLiteral("Jacke"), QStringLiteral("Käfer"), QStringLiteral("Löffel"),
                          QStringLiteral("Möhre"), QStringLiteral("Nuss"), QStringLiteral("Ofen"),
                          QStringLiteral("Pilz"), QStringLiteral("Quelle"), QStringLiteral("Rübe"),
                          QStringLiteral("Schiff"), QStringLiteral("Tasse"), QStringLiteral("Uhu"),
                          QStringLiteral("Vase"), QStringLiteral("Wüste"), QStringLiteral("Xaver"),
                          QStringLiteral("Yoga"), QStringLiteral("Zange"), QStringLiteral("ärgern"),
                          QStringLiteral("Straße")}));
    t->datei(QStringLiteral("B.TXT"), listenDatei({QStringLiteral("Ei"), QStringLiteral("Haus"), QStringLiteral("Öl")}));
    QStringList doppelt;
    for (int i = 0; i < 6; ++i)
        doppelt << QStringLiteral("Rad") << QStringLiteral("Rad") << QStringLiteral("Tor") << QStringLiteral("Mond");
    doppelt << QStringLiteral("\"Rot, Grün\"") << QStringLiteral(" Blau,Gelb");
    t->datei(QStringLiteral("C.TXT"), listenDatei(doppelt));
    t->datei(QStringLiteral("D.TXT"), "\r\n\r\n");
    t->datei(QStringLiteral("E.TXT"), listenDatei({QStringLiteral("Kaffeekannendeckelknopfschraube")}));
    // A best list that is full already.
    QStringList beste;
    for (int i = 0; i < 50; ++i)
        beste << QStringLiteral("%1  Alt").arg(i + 5, 4, 10, QLatin1Char('0'));
    t->datei(QStringLiteral("BESTHANG.LST"), listenDatei(beste));

    t->boxen.setAutomatik([this](const BoxEintrag &b) { return antwort(b); },
                          [this](const BoxEintrag &b) { return text(b); });
    t->programm->druckflaeche = [this] { return std::make_unique<DruckAufzeichnung>(m_druck); };
    t->start();
    // The font timer's work, done now rather than whenever 100 ms have passed,
    // so the run does not depend on the clock.
    t->programm->form8().Zeit1_Timer();
    t->boxen.leeren();
}

template <class T> T *Dauerlauf::fenster(QPointer<T> &merker, const char *name)
{
    if (!merker) {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name))
                if (T *f = qobject_cast<T *>(w))
                    merker = f;
    }
    return merker.data();
}

template <std::size_t N> int Dauerlauf::waehle(const std::array<int, N> &gewichte)
{
    int summe = 0;
    for (int g : gewichte)
        summe += g;
    int r = zahl(summe);
    for (std::size_t i = 0; i < N; ++i) {
        if (r < gewichte[i])
            return static_cast<int>(i);
        r -= gewichte[i];
    }
    return 0;
}

Fensterlage Dauerlauf::lage()
{
    Fensterlage l;
    l.hilfe = hilfeFenster() && hilfeFenster()->isVisible();
    for (Fenster *f : {static_cast<Fenster *>(galgenFenster()), static_cast<Fenster *>(gefangenFenster()),
                       static_cast<Fenster *>(fangFenster()), static_cast<Fenster *>(infoFenster()),
                       static_cast<Fenster *>(einstellungsFenster()), static_cast<Fenster *>(&f1())})
        if (f && f->isVisible()) {
            l.vorne = f;
            break;
        }
    return l;
}

// ---------------------------------------------------------------- events

void Dauerlauf::taste(Fenster &f, int key, const QString &text, Qt::KeyboardModifiers mod)
{
    QWidget *ziel = f.focusWidget();
    if (!ziel || !ziel->isVisible() || ziel->window() != &f)
        ziel = &f;
    QKeyEvent druck(QEvent::KeyPress, key, mod, text);
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, mod, text);
    QApplication::sendEvent(ziel, &los);
}

void Dauerlauf::zeichen(Fenster &f, QChar c)
{
    Qt::KeyboardModifiers mod = Qt::NoModifier;
    int key = c.unicode();
    if (c.isLetter()) {
        key = c.toUpper().unicode();
        if (c.isUpper())
            mod = Qt::ShiftModifier;
    } else if (QStringLiteral("&(%'!\"$/=?").contains(c)) {
        mod = Qt::ShiftModifier;
    }
    m_aktuell += QStringLiteral(" '") + c + QLatin1Char('\'');
    taste(f, key, QString(c), mod);
}

QChar Dauerlauf::zufallszeichen()
{
    static const QString zeichenvorrat = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzäöüßABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ0123456789 -.,&(%'!?");
    return zeichenvorrat.at(zahl(static_cast<int>(zeichenvorrat.size())));
}

void Dauerlauf::pfeil(Fenster &f, int richtung)
{
    static const int keys[4] = {Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Down};
    static const char *const namen[4] = {"hoch", "links", "rechts", "runter"};
    m_aktuell += QStringLiteral(" Pfeil ") + QLatin1String(namen[richtung]);
    m_bewegung = true;
    taste(f, keys[richtung], QString());
}

void Dauerlauf::hauptfenster()
{
    Form1 &f = f1();
    MODUL1 &mm = m();
    const bool panel = Twips::links(f.Bild9) == kPanelSichtbar;
    enum {
        RichtigerBuchstabe, Zeichen, Enter, Rueck, Escape, Pfeil, Uebung, Modus, Kandidat, Hilfen, Groesse, Name,
        Zoom, Browser, Datei, Freischalten, Drucken, Schrift, Hilfe, Info, Ende, Spiel, Schriftenzeit, Anzahl
    };
    const std::array<int, Anzahl> gewichte{
        35, 10, 4, 4, 1, 2, 6, 3, 6, 5, 1, 1, 2, 1, f.Bild8->isVisible() ? 4 : 0, 2, 1, 1, 1, 1, 1,
        panel ? 40 : 0, 1};
    switch (waehle(gewichte)) {
    case RichtigerBuchstabe: {
        const QString naechster = mm.Loesungswort.mid(mm.Eingabe.size(), 1);
        ereignis(QStringLiteral("Form1 Taste"));
        zeichen(f, naechster.isEmpty() || prozent(5) ? zufallszeichen() : naechster.at(0));
        break;
    }
    case Zeichen:
        ereignis(QStringLiteral("Form1 Taste"));
        zeichen(f, zufallszeichen());
        break;
    case Enter:
        ereignis(QStringLiteral("Form1 Enter"));
        m_enter = true;
        taste(f, Qt::Key_Return, QStringLiteral("\r"));
        break;
    case Rueck:
        ereignis(QStringLiteral("Form1 Rücktaste"));
        taste(f, Qt::Key_Backspace, QStringLiteral("\b"));
        break;
    case Escape:
        ereignis(QStringLiteral("Form1 Escape"));
        taste(f, Qt::Key_Escape, QString(QChar(27)));
        break;
    case Pfeil:
        ereignis(QStringLiteral("Form1"));
        pfeil(f, zahl(4));
        break;
    case Uebung: {
        const int n = 1 + zahl(28);
        ereignis(QStringLiteral("Form1 Befehl%1").arg(n));
        Q_EMIT f.Befehl[n - 1]->Click();
        break;
    }
    case Modus:
        if (f.Bild26->isVisible()) {
            ereignis(QStringLiteral("Form1 Bild26 (Lesen)"));
            Q_EMIT f.Bild26->Click();
        } else {
            ereignis(QStringLiteral("Form1 Bild25 (Schreiben)"));
            Q_EMIT f.Bild25->Click();
        }
        break;
    case Kandidat: {
        const int n = f.Liste2->ListCount();
        if (n == 0) {
            ereignis(QStringLiteral("Form1 Liste2 leer"));
            break;
        }
        int i = zahl(n);
        if (mm.Lesemodus == 1 && prozent(60))
            for (int k = 0; k < n; ++k)
                if (Schreibung::gross(f.Liste2->List(k)) == Schreibung::gross(mm.Loesungswort))
                    i = k;
        ereignis(QStringLiteral("Form1 Liste2 \"%1\"").arg(f.Liste2->List(i)));
        f.Liste2->setListIndex(i);
        break;
    }
    case Hilfen: {
        Bild *const bilder[] = {f.Bild15, f.Bild11, f.Bild2, f.Bild3, f.Bild21, f.Bild10, f.Bild13};
        const int i = zahl(7);
        ereignis(QStringLiteral("Form1 ") + bilder[i]->objectName());
        Q_EMIT bilder[i]->Click();
        break;
    }
    case Groesse: {
        Bezeichnung *const groessen[] = {f.Bezeichnung27, f.Bezeichnung28, f.Bezeichnung29};
        const int i = zahl(3);
        ereignis(QStringLiteral("Form1 ") + groessen[i]->objectName());
        Q_EMIT groessen[i]->Click();
        break;
    }
    case Name:
        ereignis(QStringLiteral("Form1 Bild23 (Name)"));
        Q_EMIT f.Bild23->Click();
        break;
    case Zoom:
        if (!f.Bild4->isVisible()) {
            ereignis(QStringLiteral("Form1 Bezeichnung1 (Zoom)"));
            Q_EMIT f.Bezeichnung1->Click();
        } else if (prozent(30)) {
            ereignis(QStringLiteral("Form1 Bild4 (Zoom zu)"));
            Q_EMIT f.Bild4->Click();
        } else {
            Bezeichnung *const a[] = {f.Bezeichnung23, f.Bezeichnung17, f.Bezeichnung19,
                                      f.Bezeichnung20, f.Bezeichnung21, f.Bezeichnung22};
            const int i = zahl(6);
            ereignis(QStringLiteral("Form1 ") + a[i]->objectName());
            Q_EMIT a[i]->Click();
        }
        break;
    case Browser:
        ereignis(QStringLiteral("Form1 Bild6 (Laden)"));
        Q_EMIT f.Bild6->Click();
        break;
    case Datei: {
        const int n = f.Datei1->ListCount();
        if (f.Laufwerk1->isVisible() && prozent(3)) {
            ereignis(QStringLiteral("Form1 Laufwerk1"));
            Q_EMIT f.Laufwerk1->Change();
            break;
        }
        if (n == 0 || prozent(10)) {
            ereignis(QStringLiteral("Form1 Verzeichnis1"));
            Q_EMIT f.Verzeichnis1->Change();
            break;
        }
        const int i = zahl(n);
        ereignis(QStringLiteral("Form1 Datei1 \"%1\"").arg(f.Datei1->List(i)));
        m_geladen = true;
        f.Datei1->setListIndex(i);
        break;
    }
    case Freischalten:
        ereignis(QStringLiteral("Form1 Bild5 (Editieren)"));
        Q_EMIT f.Bild5->Click();
        break;
    case Drucken:
        ereignis(QStringLiteral("Form1 Bild14 (Drucken)"));
        Q_EMIT f.Bild14->Click();
        break;
    case Schrift:
        ereignis(QStringLiteral("Form1 Bild17 (Schrift)"));
        Q_EMIT f.Bild17->Click();
        break;
    case Hilfe:
        if (hilfeFenster() && hilfeFenster()->isVisible() && prozent(50)) {
            ereignis(QStringLiteral("Form7 Fertig"));
            Q_EMIT hilfeFenster()->Befehl1->Click();
        } else {
            ereignis(QStringLiteral("Form1 Bild7 (Hilfe)"));
            Q_EMIT f.Bild7->Click();
        }
        break;
    case Info:
        ereignis(QStringLiteral("Form1 Bild16 (Autor)"));
        Q_EMIT f.Bild16->Click();
        break;
    case Ende:
        ereignis(QStringLiteral("Form1 Bild1 (Ende)"));
        Q_EMIT f.Bild1->Click();
        break;
    case Spiel: {
        Bezeichnung *const spiele[] = {f.Bezeichnung24, f.Bezeichnung25, f.Bezeichnung26};
        const int i = zahl(3);
        ereignis(QStringLiteral("Form1 ") + spiele[i]->objectName() + QStringLiteral(" (") + spiele[i]->Caption() +
                 QLatin1Char(')'));
        m_galgenStart = i == 2;
        Q_EMIT spiele[i]->Click();
        break;
    }
    case Schriftenzeit:
        ereignis(QStringLiteral("Form8 Zeit1"));
        t->programm->form8().Zeit1_Timer();
        break;
    default:
        break;
    }
}

void Dauerlauf::einstellungen(Form8 &f8)
{
    enum {
        Zurueck, Speichern, Hilfe, Woerter, ListeSpeichern, Auswahl, Loeschen, AllesLoeschen, Intervall, Titel,
        Schriftwahl, Sperre, Zeit, Taste, Fertig, Anzahl
    };
    const std::array<int, Anzahl> gewichte{6, 2, 2, 3, 3, 6, 6, 2, 3, 4, 3, 2, 1, 2,
                                           hilfeFenster() && hilfeFenster()->isVisible() ? 2 : 0};
    switch (waehle(gewichte)) {
    case Zurueck:
        ereignis(QStringLiteral("Form8 Bild1 (zurück)"));
        Q_EMIT f8.Bild1->Click();
        break;
    case Speichern:
        ereignis(QStringLiteral("Form8 Bild2 (Einstellungen speichern)"));
        Q_EMIT f8.Bild2->Click();
        break;
    case Hilfe:
        ereignis(QStringLiteral("Form8 Bild3 (Hilfe)"));
        Q_EMIT f8.Bild3->Click();
        break;
    case Woerter:
        ereignis(QStringLiteral("Form8 Bild4 (Wörter eingeben)"));
        Q_EMIT f8.Bild4->Click();
        break;
    case ListeSpeichern:
        ereignis(QStringLiteral("Form8 Bild5 (Liste speichern)"));
        Q_EMIT f8.Bild5->Click();
        break;
    case Auswahl:
        if (f8.Liste2->ListCount() > 0) {
            const int i = zahl(f8.Liste2->ListCount());
            ereignis(QStringLiteral("Form8 Liste2 \"%1\"").arg(f8.Liste2->List(i)));
            f8.Liste2->setListIndex(i);
        } else {
            ereignis(QStringLiteral("Form8 Liste2 leer"));
        }
        break;
    case Loeschen:
        ereignis(QStringLiteral("Form8 Bild6 (Eintrag löschen)"));
        Q_EMIT f8.Bild6->Click();
        break;
    case AllesLoeschen:
        ereignis(QStringLiteral("Form8 Bild7 (Liste löschen)"));
        Q_EMIT f8.Bild7->Click();
        break;
    case Intervall:
        ereignis(QStringLiteral("Form8 Bild8 (Wortmenge)"));
        Q_EMIT f8.Bild8->Click();
        break;
    case Titel: {
        Bezeichnung *const titel[] = {f8.Bezeichnung5, f8.Bezeichnung7, f8.Bezeichnung1, f8.Bezeichnung19,
                                      f8.Bezeichnung6, f8.Bezeichnung17, f8.Bezeichnung4, f8.Bezeichnung3};
        const int i = zahl(8);
        ereignis(QStringLiteral("Form8 ") + titel[i]->objectName() + QStringLiteral(" (") + titel[i]->Caption() +
                 QLatin1Char(')'));
        Q_EMIT titel[i]->Click();
        break;
    }
    case Schriftwahl:
        if (f8.Liste1->ListCount() > 0) {
            const int i = zahl(f8.Liste1->ListCount());
            ereignis(QStringLiteral("Form8 Liste1 \"%1\"").arg(f8.Liste1->List(i)));
            f8.Liste1->setListIndex(i);
        } else {
            ereignis(QStringLiteral("Form8 Liste1 leer"));
        }
        break;
    case Sperre:
        ereignis(QStringLiteral("Form8 Kontroll1"));
        f8.Kontroll1->click();
        break;
    case Zeit:
        ereignis(QStringLiteral("Form8 Zeit1"));
        f8.Zeit1_Timer();
        break;
    case Taste:
        ereignis(QStringLiteral("Form8 Taste"));
        if (prozent(20))
            pfeil(f8, zahl(4));
        else
            zeichen(f8, zufallszeichen());
        break;
    case Fertig:
        ereignis(QStringLiteral("Form7 Fertig"));
        Q_EMIT hilfeFenster()->Befehl1->Click();
        break;
    default:
        break;
    }
}

void Dauerlauf::galgenSpielen(galgen &g)
{
    const int wahl = waehle(std::array<int, 3>{90, 3, 2});
    if (wahl == 1) {
        ereignis(QStringLiteral("galgen Befehl1 (Ende)"));
        Q_EMIT g.Befehl1->Click();
        return;
    }
    if (wahl == 2) {
        ereignis(QStringLiteral("galgen Taste"));
        zeichen(g, zufallszeichen());
        return;
    }
    // A letter of the word, not yet chosen, more often than any letter.
    const QString buchstaben = galgen::Buchstaben();
    const QString gross = Schreibung::gross(m().Loesungswort);
    auto zeileVon = [&g](QChar b) {
        const QString eintrag = QStringLiteral(" ") + b + QStringLiteral(" ");
        for (int k = 0; k < g.Liste1->ListCount(); ++k)
            if (g.Liste1->List(k) == eintrag)
                return k;
        return -1;
    };
    QList<int> gute;
    for (int k = 0; k < buchstaben.size(); ++k) {
        const int z = zeileVon(buchstaben.at(k));
        if (gross.contains(buchstaben.at(k)) && z >= 0 && !g.Liste1->Selected(z))
            gute << k;
    }
    int i = zahl(static_cast<int>(buchstaben.size()));
    if (!gute.isEmpty() && prozent(70))
        i = gute.at(zahl(static_cast<int>(gute.size())));
    const int zeile = zeileVon(buchstaben.at(i));
    ereignis(QStringLiteral("galgen Buchstabe ") + buchstaben.at(i));
    if (zeile < 0)
        return;
    QListView *v = g.Liste1->view();
    const QRect r = v->visualRect(v->model()->index(zeile, 0));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
}

void Dauerlauf::gefangenSpielen(gefangen &g)
{
    const int wahl = waehle(std::array<int, 7>{80, 3, 3, 2, 1, 2, 2});
    switch (wahl) {
    case 0: {
        // The shortest way over empty cells to the next letter or to the edge.
        const Gefaengnisgitter &gitter = g.gitter();
        const QString w = gitter.wort();
        const QChar naechster = w.isEmpty() ? QChar() : w.at(std::min<int>(gitter.naechster(), w.size()) - 1);
        const int n = Gefaengnisgitter::Groesse;
        auto frei = [&](int c, int r) { return gitter.zelle(c, r) == QLatin1Char(' '); };
        auto ziel = [&](int c, int r) {
            const bool betretbar = frei(c, r) || (!w.isEmpty() && gitter.zelle(c, r) == naechster);
            return betretbar && (!frei(c, r) || c == 1 || c == n || r == 1 || r == n);
        };
        static const int dc[4] = {0, -1, 1, 0};
        static const int dr[4] = {-1, 0, 0, 1};
        std::vector<int> erste(static_cast<std::size_t>((n + 1) * (n + 1)), -1);
        std::deque<std::pair<int, int>> schlange;
        const int c0 = gitter.spalte(), r0 = gitter.zeile();
        int richtung = -1;
        for (int d = 0; d < 4 && richtung < 0; ++d) {
            const int c = c0 + dc[d], r = r0 + dr[d];
            if (c < 1 || c > n || r < 1 || r > n)
                continue;
            if (ziel(c, r))
                richtung = d;
            else if (frei(c, r) && erste[static_cast<std::size_t>(r * (n + 1) + c)] < 0) {
                erste[static_cast<std::size_t>(r * (n + 1) + c)] = d;
                schlange.emplace_back(c, r);
            }
        }
        while (richtung < 0 && !schlange.empty()) {
            const auto [c1, r1] = schlange.front();
            schlange.pop_front();
            const int d1 = erste[static_cast<std::size_t>(r1 * (n + 1) + c1)];
            for (int d = 0; d < 4 && richtung < 0; ++d) {
                const int c = c1 + dc[d], r = r1 + dr[d];
                if (c < 1 || c > n || r < 1 || r > n || erste[static_cast<std::size_t>(r * (n + 1) + c)] >= 0)
                    continue;
                if (ziel(c, r))
                    richtung = d1;
                else if (frei(c, r)) {
                    erste[static_cast<std::size_t>(r * (n + 1) + c)] = d1;
                    schlange.emplace_back(c, r);
                }
            }
        }
        if (richtung < 0 || prozent(15))
            richtung = zahl(4);
        ereignis(QStringLiteral("gefangen"));
        if (prozent(70)) {
            pfeil(g, richtung);
        } else {
            Bild *const pfeile[4] = {g.Bild1, g.Bild2, g.Bild3, g.Bild4};
            m_aktuell += QStringLiteral(" ") + pfeile[richtung]->objectName();
            m_bewegung = true;
            Q_EMIT pfeile[richtung]->Click();
        }
        break;
    }
    case 1:
        ereignis(QStringLiteral("gefangen Befehl2 (Wunsch)"));
        Q_EMIT g.Befehl2->Click();
        break;
    case 2:
        ereignis(QStringLiteral("gefangen Taste"));
        zeichen(g, zufallszeichen());
        break;
    case 3:
        ereignis(QStringLiteral("gefangen Bild5 (Gitter)"));
        Q_EMIT g.Bild5->Click();
        break;
    case 4:
        ereignis(QStringLiteral("gefangen Befehl3 (Hilfe)"));
        Q_EMIT g.Befehl3->Click();
        break;
    case 5:
        ereignis(QStringLiteral("gefangen Befehl1 (Ende)"));
        Q_EMIT g.Befehl1->Click();
        break;
    default:
        ereignis(QStringLiteral("gefangen Escape"));
        taste(g, Qt::Key_Escape, QString(QChar(27)));
        break;
    }
}

void Dauerlauf::fangSpielen(fang &f)
{
    if (!f.gestartet()) {
        switch (waehle(std::array<int, 5>{70, 10, 5, 5, 10})) {
        case 0:
            ereignis(QStringLiteral("fang Bild5 (Start)"));
            Q_EMIT f.Bild5->Click();
            break;
        case 1:
            ereignis(QStringLiteral("fang"));
            pfeil(f, zahl(4));
            break;
        case 2:
            ereignis(QStringLiteral("fang Befehl2 (Hilfe)"));
            Q_EMIT f.Befehl2->Click();
            break;
        case 3:
            ereignis(QStringLiteral("fang Befehl1 (Ende)"));
            Q_EMIT f.Befehl1->Click();
            break;
        default:
            ereignis(QStringLiteral("fang Taste"));
            zeichen(f, zufallszeichen());
            break;
        }
        return;
    }
    switch (waehle(std::array<int, 8>{70, 8, 8, 3, 2, 1, 2, 6})) {
    case 0: {
        const Fangfeld &feld = f.feld();
        int richtung = zahl(4);
        if (!feld.fangX().isEmpty() && prozent(85)) {
            const int dx = feld.fangX().first() - feld.spalte();
            const int dy = feld.fangY().first() - feld.zeile();
            if (dx != 0 && (dy == 0 || prozent(50)))
                richtung = dx < 0 ? 1 : 2;
            else if (dy != 0)
                richtung = dy < 0 ? 0 : 3;
        }
        ereignis(QStringLiteral("fang"));
        pfeil(f, richtung);
        break;
    }
    case 1:
        ereignis(QStringLiteral("fang"));
        pfeil(f, zahl(4));
        break;
    case 2:
        ereignis(QStringLiteral("fang Zeit1"));
        f.Zeit1_Timer();
        break;
    case 3: {
        const int wert = 1 + zahl(15);
        ereignis(QStringLiteral("fang HBildlauf1 = %1").arg(wert));
        f.HBildlauf1->setValue(wert);
        break;
    }
    case 4:
        ereignis(QStringLiteral("fang Bild5 (Klick ins Feld)"));
        Q_EMIT f.Bild5->Click();
        break;
    case 5:
        ereignis(QStringLiteral("fang Befehl2 (Hilfe)"));
        Q_EMIT f.Befehl2->Click();
        break;
    case 6:
        if (prozent(50)) {
            ereignis(QStringLiteral("fang Befehl1 (Ende)"));
            Q_EMIT f.Befehl1->Click();
        } else {
            ereignis(QStringLiteral("fang Escape"));
            taste(f, Qt::Key_Escape, QString(QChar(27)));
        }
        break;
    default:
        ereignis(QStringLiteral("fang Taste"));
        zeichen(f, zufallszeichen());
        break;
    }
}

void Dauerlauf::info(TPOLABEL &i)
{
    switch (waehle(std::array<int, 3>{4, 4, 2})) {
    case 0:
        ereignis(QStringLiteral("TPOLABEL Bild1"));
        Q_EMIT i.Bild1->Click();
        break;
    case 1:
        ereignis(QStringLiteral("TPOLABEL Bezeichnung1 (O k a y)"));
        Q_EMIT i.Bezeichnung1->Click();
        break;
    default:
        ereignis(QStringLiteral("TPOLABEL Taste"));
        zeichen(i, zufallszeichen());
        break;
    }
}

// ---------------------------------------------------------------- boxes

Antwort Dauerlauf::antwort(const BoxEintrag &b)
{
    ++m_boxen;
    Antwort a = Antwort::OK;
    if (b.knoepfe == Knoepfe::JaNein) {
        int ja = 50;
        if (b.titel == kEndeTitel || m_boxen > kBoxenBisAbbruch)
            ja = 0;
        else if (b.text.startsWith(QStringLiteral("Dieses Spiel vorzeitig")))
            ja = 30;
        else if (b.titel == QStringLiteral("Liste löschen"))
            ja = 25;
        a = prozent(ja) ? Antwort::Ja : Antwort::Nein;
    }
    m_aktuell += QStringLiteral(" [%1: %2]")
                     .arg(b.titel, a == Antwort::Ja ? QStringLiteral("Ja")
                                   : a == Antwort::Nein ? QStringLiteral("Nein")
                                                        : QStringLiteral("OK"));
    if (m_boxen > kBoxenHoechstens)
        qFatal("Soak: more than %d boxes in one event, seed %u\n%s", kBoxenHoechstens,
               static_cast<unsigned>(t->seed), qPrintable(verlauf() + QStringLiteral("\n  -> ") + m_aktuell));
    return a;
}

QString Dauerlauf::text(const BoxEintrag &b)
{
    ++m_boxen;
    QString s;
    if (m_boxen > kBoxenBisAbbruch || prozent(15)) {
        s.clear();
    } else if (b.titel == QStringLiteral("Liste freischalten")) {
        const QString name = f1().Bezeichnung8->Caption();
        s = prozent(60) ? name : prozent(50) ? name.toLower() : wort();
    } else if (b.titel == QStringLiteral("Eingabe")) {
        static const QStringList namen{QStringLiteral("Anna"), QStringLiteral("Jörg"), QStringLiteral("Müller, Hans"),
                                       QStringLiteral("Łucja"), QStringLiteral("Freund"), QStringLiteral("Ötzi Ärmel")};
        s = namen.at(zahl(static_cast<int>(namen.size())));
    } else if (b.titel.startsWith(QStringLiteral("Worteingabe"))) {
        s = prozent(25) ? QString() : wort();
    } else if (b.titel == QStringLiteral("Liste speichern")) {
        static const QStringList dateien{QStringLiteral("TIPPOLO.TXT"), QStringLiteral("liste.txt"),
                                         QStringLiteral("NEU"), QStringLiteral("a.txt"),
                                         QStringLiteral("fehlt/ordner.TXT")};
        s = dateien.at(zahl(static_cast<int>(dateien.size())));
    } else if (b.titel == QStringLiteral("Wortanzahl eingeben")) {
        static const QStringList zahlen{QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("5"),
                                        QStringLiteral("abc"), QStringLiteral("12.6"), QStringLiteral("-3"),
                                        QStringLiteral("1e9"), QStringLiteral("11")};
        s = zahlen.at(zahl(static_cast<int>(zahlen.size())));
    } else {
        s = wort();
    }
    m_aktuell += QStringLiteral(" [%1: \"%2\"]").arg(b.titel, s);
    if (m_boxen > kBoxenHoechstens)
        qFatal("Soak: more than %d boxes in one event, seed %u\n%s", kBoxenHoechstens,
               static_cast<unsigned>(t->seed), qPrintable(verlauf() + QStringLiteral("\n  -> ") + m_aktuell));
    return s;
}

// ---------------------------------------------------------------- one step

QString Dauerlauf::schritt()
{
    Vorher v;
    v.loesungen = m().Loesungen;
    v.fehler = m().Fehler;
    v.wort = m().Loesungswort;
    v.benutzt = m().Benutzt;
    v.woerter = f1().Liste1->ListCount();
    if (fang *f = fangFenster()) {
        v.fangSichtbar = f->isVisible();
        v.fangSpalte = f->feld().spalte();
        v.fangZeile = f->feld().zeile();
    }
    if (gefangen *g = gefangenFenster()) {
        v.gefangenSichtbar = g->isVisible();
        v.gefangenSpalte = g->gitter().spalte();
        v.gefangenZeile = g->gitter().zeile();
    }
    m_boxen = 0;
    m_galgenStart = false;
    m_bewegung = false;
    m_geladen = false;
    m_enter = false;
    m_aktuell.clear();

    const Fensterlage l = lage();
    if (!l.vorne)
        return QStringLiteral("no window of the program is visible");
    if (auto *g = qobject_cast<galgen *>(l.vorne))
        galgenSpielen(*g);
    else if (auto *g = qobject_cast<gefangen *>(l.vorne))
        gefangenSpielen(*g);
    else if (auto *f = qobject_cast<fang *>(l.vorne))
        fangSpielen(*f);
    else if (auto *i = qobject_cast<TPOLABEL *>(l.vorne))
        info(*i);
    else if (auto *f8 = qobject_cast<Form8 *>(l.vorne))
        einstellungen(*f8);
    else
        hauptfenster();

    ++m_zaehler[m_aktuell.section(QLatin1Char(' '), 0, 0)];
    for (const BoxEintrag &b : t->boxen.protokoll())
        ++m_zaehler[QStringLiteral("Box \"%1\"").arg(b.titel.section(QLatin1Char(' '), 0, 0).left(20))];
    v.galgenStart = m_galgenStart;
    v.bewegung = m_bewegung;
    v.geladen = m_geladen;
    v.enter = m_enter;
    m_verlauf.push_back(m_aktuell);
    if (m_verlauf.size() > 20)
        m_verlauf.pop_front();
    const QString fehler = pruefen(v);
    t->boxen.leeren();
    m_druck.clear();
    return fehler;
}

void Dauerlauf::ereignisseZustellen()
{
    // What the event loop would do between two events, without its timers:
    // the program's timers are driven by the run itself.
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString Dauerlauf::statistik() const
{
    QString s;
    for (auto i = m_zaehler.begin(); i != m_zaehler.end(); ++i)
        s += QStringLiteral("\n    %1: %2").arg(i.key()).arg(i.value());
    return s;
}

QString Dauerlauf::verlauf() const
{
    QString s;
    for (const QString &e : m_verlauf)
        s += QStringLiteral("\n    ") + e;
    return s;
}

// ---------------------------------------------------------------- checks

QString Dauerlauf::fensterPruefen()
{
    int sichtbar = 0;
    QStringList namen;
    for (Fenster *f : {static_cast<Fenster *>(&f1()), static_cast<Fenster *>(einstellungsFenster()),
                       static_cast<Fenster *>(galgenFenster()), static_cast<Fenster *>(gefangenFenster()),
                       static_cast<Fenster *>(fangFenster()), static_cast<Fenster *>(infoFenster())})
        if (f && f->isVisible()) {
            ++sichtbar;
            namen << f->objectName();
        }
    if (sichtbar != 1)
        return QStringLiteral("%1 windows visible (%2), expected exactly one besides the help")
            .arg(sichtbar)
            .arg(namen.join(QStringLiteral(", ")));
    Fenster *aktiv = t->programm->aktivesFenster();
    if (!aktiv || !aktiv->isVisible())
        return QStringLiteral("the active window %1 is not visible").arg(aktiv ? aktiv->objectName() : QStringLiteral("(none)"));
    return QString();
}

QString Dauerlauf::ziehungPruefen(bool anzeigen)
{
    const MODUL1 &mm = m();
    const Liste *l1 = f1().Liste1;
    const Liste *l2 = f1().Liste2;
    const int n = l1->ListCount();
    if (mm.Benutzt.size() != n)
        return QStringLiteral("after a draw Benutzt has %1 flags for %2 words").arg(mm.Benutzt.size()).arg(n);
    if (mm.Wortindex < 0 || mm.Wortindex >= n || mm.Benutzt.at(mm.Wortindex) != QLatin1Char('1') ||
        l1->List(mm.Wortindex) != mm.Loesungswort)
        return QStringLiteral("after a draw Wortindex %1 does not name the word \"%2\" as asked (Benutzt \"%3\")")
            .arg(mm.Wortindex)
            .arg(mm.Loesungswort, mm.Benutzt);
    const Form1 &f = t->programm->form1();
    // Enter draws in its key-down and then passes its character on as a
    // key press, which keeps the character in Anzeigetext and writes the
    // (empty) input into the input line.
    if (anzeigen && f.Bezeichnung1->Caption() != mm.Anzeigetext)
        return QStringLiteral("the task display shows \"%1\", the rendering is \"%2\"")
            .arg(f.Bezeichnung1->Caption(), mm.Anzeigetext);
    const QString aufforderung =
        mm.Lesemodus == 1 ? QStringLiteral("Klicke auf das richtige Wort ...") : QString();
    if (anzeigen && f.Bezeichnung2->Caption() != aufforderung)
        return QStringLiteral("a new word leaves \"%1\" in the input line").arg(f.Bezeichnung2->Caption());
    if (!f.Bezeichnung9->Caption().isEmpty())
        return QStringLiteral("a new word keeps the hint letter \"%1\"").arg(f.Bezeichnung9->Caption());
    const QStringList kandidaten = l2->eintraege();
    if (mm.Uebung == 20) {
        if (!kandidaten.isEmpty())
            return QStringLiteral("exercise 20 left %1 candidates").arg(kandidaten.size());
        return QString();
    }
    if (!kandidaten.contains(mm.Loesungswort))
        return QStringLiteral("the candidate list lacks the word \"%1\"").arg(mm.Loesungswort);
    if (n < 20) {
        if (kandidaten != l1->eintraege())
            return QStringLiteral("with %1 words the candidate list is not the whole list").arg(n);
        return QString();
    }
    const QSet<QString> verschieden(kandidaten.begin(), kandidaten.end());
    const QStringList alle = l1->eintraege();
    const QSet<QString> woerter(alle.begin(), alle.end());
    const int erwartet = std::min<int>(20, static_cast<int>(woerter.size()));
    if (verschieden.size() != kandidaten.size() || kandidaten.size() != erwartet)
        return QStringLiteral("%1 candidates (%2 distinct), expected %3 distinct words")
            .arg(kandidaten.size())
            .arg(verschieden.size())
            .arg(erwartet);
    return QString();
}

QString Dauerlauf::dateiPruefen(const QString &name, int hoechstens, int genau, bool fehlenDarf)
{
    const QByteArray inhalt = t->lesen(name);
    if (inhalt.isEmpty() && fehlenDarf && !QFile::exists(t->programm->datei(name)))
        return QString();
    if (inhalt.isEmpty())
        return QStringLiteral("%1 is missing or empty").arg(name);
    if (!inhalt.endsWith("\r\n"))
        return QStringLiteral("%1 does not end with CR LF").arg(name);
    const QList<QByteArray> zeilen = inhalt.left(inhalt.size() - 2).split('\n');
    for (const QByteArray &z : zeilen)
        if (!z.endsWith('\r') && &z != &zeilen.last())
            return QStringLiteral("%1 has a line without CR LF").arg(name);
    const int n = static_cast<int>(zeilen.size());
    if (n > hoechstens || (genau >= 0 && n != genau))
        return QStringLiteral("%1 has %2 lines").arg(name).arg(n);
    return QString();
}

QString Dauerlauf::spielePruefen()
{
    const MODUL1 &mm = m();
    if (fang *f = fangFenster(); f && f->isVisible()) {
        const QString w = f->feld().wort();
        if (mm.Loesungswort != w)
            return QStringLiteral("the word catch plays \"%1\", Loesungswort is \"%2\"").arg(w, mm.Loesungswort);
        if (f->Bezeichnung3->Caption() != w.left(1) || f->Bezeichnung5->Caption() != w.mid(1))
            return QStringLiteral("the word catch shows \"%1\" and \"%2\" for \"%3\"")
                .arg(f->Bezeichnung3->Caption(), f->Bezeichnung5->Caption(), w);
    }
    if (gefangen *g = gefangenFenster(); g && g->isVisible()) {
        const Gefaengnisgitter &gitter = g->gitter();
        if (gitter.zelle(gitter.spalte(), gitter.zeile()) != QLatin1Char(' '))
            return QStringLiteral("the prison marker stands on the letter \"%1\" at (%2, %3)")
                .arg(gitter.zelle(gitter.spalte(), gitter.zeile()))
                .arg(gitter.spalte())
                .arg(gitter.zeile());
        if (g->Caption() != QStringLiteral("Wortgefängnis:  ") + gitter.wort())
            return QStringLiteral("the prison's caption is \"%1\"").arg(g->Caption());
        if (g->Befehl2->Caption().size() != 6)
            return QStringLiteral("the wish box shows \"%1\"").arg(g->Befehl2->Caption());
    }
    return QString();
}

QString Dauerlauf::pruefen(const Vorher &v)
{
    const MODUL1 &mm = m();
    Form1 &f = f1();

    if (t->programm->beendet())
        return QStringLiteral("the program ended without Yes to the exit confirmation");

    for (const BoxEintrag &b : t->boxen.protokoll()) {
        if (b.titel.isEmpty())
            return QStringLiteral("a box without a title: \"%1\"").arg(b.text);
        if (!b.eingabe && b.knoepfe == Knoepfe::JaNein && b.standard != Antwort::Nein)
            return QStringLiteral("the question \"%1\" does not have No as its default").arg(b.titel);
    }

    if (QString e = fensterPruefen(); !e.isEmpty())
        return e;

    const int links = Twips::links(f.Bild9);
    if (links != kPanelSichtbar && links != kPanelVersteckt)
        return QStringLiteral("the reward panel stands at %1 twips").arg(links);

    for (QChar c : mm.Benutzt)
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return QStringLiteral("Benutzt holds \"%1\"").arg(mm.Benutzt);

    if (mm.Loesungen < v.loesungen)
        return QStringLiteral("Loesungen went down from %1 to %2").arg(v.loesungen).arg(mm.Loesungen);
    if (mm.Fehler < v.fehler && !(v.galgenStart && mm.Fehler == 0))
        return QStringLiteral("Fehler went down from %1 to %2").arg(v.fehler).arg(mm.Fehler);

    if (f.Liste2->ListCount() > 20)
        return QStringLiteral("the candidate list holds %1 entries").arg(f.Liste2->ListCount());

    const bool hauptfensterVorne = f.isVisible();
    const bool panel = links == kPanelSichtbar;
    if (hauptfensterVorne && mm.Uebung > 0 && !panel && !mm.Loesungswort.isEmpty() &&
        !mm.Loesungswort.startsWith(mm.Eingabe))
        return QStringLiteral("Eingabe \"%1\" is not a beginning of \"%2\"").arg(mm.Eingabe, mm.Loesungswort);

    if (hauptfensterVorne) {
        if (f.Bezeichnung3->Caption() != QString::number(mm.Fehler))
            return QStringLiteral("Bezeichnung3 shows \"%1\", Fehler is %2").arg(f.Bezeichnung3->Caption()).arg(mm.Fehler);
        if (f.Bezeichnung4->Caption() != QString::number(mm.Loesungen))
            return QStringLiteral("Bezeichnung4 shows \"%1\", Loesungen is %2")
                .arg(f.Bezeichnung4->Caption())
                .arg(mm.Loesungen);
    }

    // A new word was drawn in this event (the games, printing and the list
    // editing change the word or the flags in other ways).
    const bool spiel = (galgenFenster() && galgenFenster()->isVisible()) ||
                       (gefangenFenster() && gefangenFenster()->isVisible()) ||
                       (fangFenster() && fangFenster()->isVisible());
    const bool gezogen = !spiel && mm.Uebung > 0 && !mm.Loesungswort.isEmpty() &&
                         (mm.Loesungswort != v.wort || (mm.Benutzt != v.benutzt && mm.Benutzt.contains(QLatin1Char('1'))));
    if (gezogen)
        if (QString e = ziehungPruefen(!v.enter); !e.isEmpty())
            return e;

    if (!m_druck.isEmpty()) {
        if (m_druck.size() != 1 + 3 * v.woerter)
            return QStringLiteral("the worksheet has %1 lines for %2 words").arg(m_druck.size()).arg(v.woerter);
        if (!mm.Loesungswort.isEmpty() || !mm.Eingabe.isEmpty())
            return QStringLiteral("after printing a task is still open (\"%1\" / \"%2\")").arg(mm.Loesungswort, mm.Eingabe);
    }

    if (v.geladen) {
        const QString titel = QStringLiteral("T i p p o l o ( %1 Wörter )").arg(f.Liste1->ListCount());
        if (f.Caption() != titel)
            return QStringLiteral("after loading a list the caption is \"%1\"").arg(f.Caption());
    }

    if (Form8 *f8 = einstellungsFenster(); f8 && f8->isVisible()) {
        if (f8->Bezeichnung16->Caption() != QStringLiteral(" %1 Wörter").arg(f8->Liste2->ListCount()))
            return QStringLiteral("the editor list has %1 words, its label says \"%2\"")
                .arg(f8->Liste2->ListCount())
                .arg(f8->Bezeichnung16->Caption());
        if (f8->Bezeichnung8->Caption() != QString::number(mm.Wortmenge))
            return QStringLiteral("the settings show the interval \"%1\", Wortmenge is %2")
                .arg(f8->Bezeichnung8->Caption())
                .arg(mm.Wortmenge);
    }
    if (mm.Wortmenge < 1)
        return QStringLiteral("Wortmenge is %1").arg(mm.Wortmenge);

    for (const BoxEintrag &b : t->boxen.protokoll()) {
        QString e;
        if (b.titel == QStringLiteral("Galgenspiel") && b.text.contains(QStringLiteral("Versuche")))
            e = dateiPruefen(QStringLiteral("BESTHANG.LST"), 50);
        else if (b.titel == QStringLiteral("Wortgefängnis") && b.text.startsWith(QStringLiteral("Prima")))
            // An escape from an empty grid (a list without words) is not recorded.
            e = dateiPruefen(QStringLiteral("BESTSUCH.LST"), 50, -1, true);
        else if (b.titel == QStringLiteral("Wortfange") && b.text.startsWith(QStringLiteral("Du hast es in")))
            e = dateiPruefen(QStringLiteral("BESTFANG.LST"), 50);
        else if (b.text == QStringLiteral("Daten wurden gespeichert!"))
            e = dateiPruefen(QStringLiteral("TIPPOLO.INI"), 10, 10);
        if (!e.isEmpty())
            return e;
    }

    if (QString e = spielePruefen(); !e.isEmpty())
        return e;

    if (galgen *g = galgenFenster(); g && g->isVisible()) {
        if (mm.Fehler < 0 || mm.Fehler > 9)
            return QStringLiteral("the gallows game runs on with %1 misses").arg(mm.Fehler);
        for (int i = 1; i <= mm.Fehler; ++i)
            if (!g->Teil(i)->isVisible())
                return QStringLiteral("after %1 misses part %2 of the gallows is not shown").arg(mm.Fehler).arg(i);
        for (int i = mm.Fehler + 1; i <= 10; ++i)
            if (g->Teil(i)->isVisible())
                return QStringLiteral("after %1 misses part %2 of the gallows is shown").arg(mm.Fehler).arg(i);
    }
    if (gefangen *g = gefangenFenster(); g && g->isVisible() && v.gefangenSichtbar && !v.bewegung &&
                                         (g->gitter().spalte() != v.gefangenSpalte || g->gitter().zeile() != v.gefangenZeile))
        return QStringLiteral("the prison marker moved from (%1, %2) to (%3, %4) without an arrow")
            .arg(v.gefangenSpalte)
            .arg(v.gefangenZeile)
            .arg(g->gitter().spalte())
            .arg(g->gitter().zeile());
    if (fang *fg = fangFenster(); fg && fg->isVisible() && v.fangSichtbar && !v.bewegung &&
                                  (fg->feld().spalte() != v.fangSpalte || fg->feld().zeile() != v.fangZeile))
        return QStringLiteral("the catcher moved from (%1, %2) to (%3, %4) without an arrow")
            .arg(v.fangSpalte)
            .arg(v.fangZeile)
            .arg(fg->feld().spalte())
            .arg(fg->feld().zeile());
    return QString();
}

} // namespace

namespace {
QtMessageHandler qtestAusgabe = nullptr;

/// The offscreen platform cannot raise a window and says so every time;
/// everything else goes to the test's log as before.
void ausgabe(QtMsgType typ, const QMessageLogContext &ort, const QString &text)
{
    if (text == QLatin1String("This plugin does not support raise()"))
        return;
    if (qtestAusgabe)
        qtestAusgabe(typ, ort, text);
}
} // namespace

class TestSoak : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qtestAusgabe = qInstallMessageHandler(ausgabe); }
    void cleanupTestCase() { qInstallMessageHandler(qtestAusgabe); }
    void zufallsfolge();
};

void TestSoak::zufallsfolge()
{
    const std::uint32_t seed = umgebungsZahl("TIPPOLO_SOAK_SEED", 130805);
    const int anzahl = static_cast<int>(umgebungsZahl("TIPPOLO_SOAK_EVENTS", 3000));
    Dauerlauf lauf(seed);
    const int zehntel = std::max(1, anzahl / 10);
    qInfo("soak: seed %u, %d events, VmRSS %ld kB, heap %ld kB at start", static_cast<unsigned>(seed), anzahl,
          residentKb(), heapKb());
    for (int i = 1; i <= anzahl; ++i) {
        const QString fehler = lauf.schritt();
        if (!fehler.isEmpty()) {
            const QString text = QStringLiteral("seed %1, step %2: %3\n  last events:%4")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(fehler, lauf.verlauf());
            QFAIL(qPrintable(text));
        }
        if (i % 64 == 0)
            lauf.ereignisseZustellen();
        if (i % zehntel == 0 || i == anzahl)
            qInfo("soak: %d events (%d%%), VmRSS %ld kB, heap %ld kB, %d words", i,
                  static_cast<int>(100LL * i / anzahl), residentKb(), heapKb(), lauf.woerter());
    }
    qInfo("soak: events by window and boxes by title:%s", qPrintable(lauf.statistik()));
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"

#pragma once

// The random-event soak of the whole trainer: real key events and clicks on
// every element of the window in front, every box answered at random, and
// after each event the rules that must always hold.
//
//   TIPPOLO_SOAK_EVENTS  number of events
//   TIPPOLO_SOAK_SEED    seed of the event generator and of the program (default 130805)
//
// A failure names the seed, the step and the last 20 events, so the run can
// be repeated exactly. The resident memory is printed at every tenth of the
// run. Each window has a table of weighted events. The suite runs it short
// (tests/soak); bench/soak.sh runs it a million events long.

#include "support/Testprogramm.h"

#include "renderings/Schreibung.h"
#include "ui/Dateibrowser.h"
#include "ui/Druckflaeche.h"
#include "ui/Twips.h"
#include "windows/Form7.h"
#include "windows/Form8.h"
#include "windows/TPOLABEL.h"
#include "windows/fang.h"
#include "windows/galgen.h"
#include "windows/gefangen.h"

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
#include <functional>
#include <numeric>
#include <optional>
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
    if (f.open(QIODevice::ReadOnly))
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

/// A list written as "a|b|c".
QStringList teile(const char *utf8) { return QString::fromUtf8(utf8).split(QLatin1Char('|')); }

/// Windows-1252 bytes with CR LF after every line (the words here are all Latin-1).
QByteArray listenDatei(const QStringList &zeilen)
{
    QByteArray b;
    for (const QString &z : zeilen)
        b += z.toLatin1() + "\r\n";
    return b;
}

/// A failure text: the values fill %1, %2, ... in turn.
template <class... A> QString fehler(const char *muster, const A &...werte)
{
    QString s = QString::fromUtf8(muster);
    ((s = s.arg(werte)), ...);
    return s;
}
/// The element shows `soll`.
#define ZEIGT(e, soll)                                                                                                 \
    PRUEFE((e)->Caption() == (soll), "%1.%2 shows \"%3\", expected \"%4\"", (e)->window()->objectName(), (e)->objectName(), \
           (e)->Caption(), soll)

/// A rule that must hold; otherwise the function returns the failure text.
#define PRUEFE(gilt, ...)                                                                                              \
    if (!(gilt))                                                                                                       \
    return fehler(__VA_ARGS__)

/// One entry of a window's event table: how often, relative to the others, and what.
struct Ereignis { int gewicht; std::function<void()> tun; };

/// What the checks after an event compare with.
struct Vorher
{
    int loesungen = 0, fehler = 0, woerter = 0;
    QString wort, benutzt;
    std::optional<QPoint> fang, gefangen;  ///< the marker, while the game is visible
};

class Dauerlauf
{
public:
    explicit Dauerlauf(std::uint32_t seed)
        : t(std::make_unique<Testprogramm>(seed, false)), m_zufall(seed)
    {
        // Lists to load: more than 20 words, three words, repeated words, no
        // word at all, and one word too long for the hidden-word exercise.
        t->datei(QStringLiteral("A.TXT"), listenDatei(teile("Apfel|Birne|Clown|Dach|Ente|Fähre|Gans|Hütte|Igel|Jacke|"
                                                            "Käfer|Löffel|Möhre|Nuss|Ofen|Pilz|Quelle|Rübe|Schiff|"
                                                            "Tasse|Uhu|Vase|Wüste|Xaver|Yoga|Zange|ärgern|Straße")));
        t->datei(QStringLiteral("B.TXT"), listenDatei(teile("Ei|Haus|Öl")));
        const QString doppelt = QStringLiteral("Rad|Rad|Tor|Mond|").repeated(6) + QStringLiteral("\"Rot, Grün\"| Blau,Gelb");
        t->datei(QStringLiteral("C.TXT"), listenDatei(doppelt.split(QLatin1Char('|'))));
        t->datei(QStringLiteral("D.TXT"), "\r\n\r\n");
        t->datei(QStringLiteral("E.TXT"), listenDatei(teile("Kaffeekannendeckelknopfschraube")));
        // A best list that is full already.
        QStringList beste;
        for (int i = 0; i < 50; ++i)
            beste << QStringLiteral("%1  Alt").arg(i + 5, 4, 10, QLatin1Char('0'));
        t->datei(QStringLiteral("BESTHANG.LST"), listenDatei(beste));

        t->boxen.setAutomatik([this](const BoxEintrag &b) { return antwort(b); },
                              [this](const BoxEintrag &b) { return text(b); });
        t->programm->druckflaeche = [this] { return std::make_unique<DruckAufzeichnung>(m_druck); };
        t->start();
        // The font timer's work, done now rather than whenever 100 ms have
        // passed, so the run does not depend on the clock.
        t->programm->form8().Zeit1_Timer();
        t->boxen.leeren();
    }

    /// One random event in the window in front and the checks after it; the
    /// error, empty when all holds.
    QString schritt()
    {
        Vorher v{m().Loesungen, m().Fehler, f1().Liste1->ListCount(), m().Loesungswort, m().Benutzt, {}, {}};
        if (fang *f = offen<fang>())
            v.fang = QPoint(f->feld().spalte(), f->feld().zeile());
        if (gefangen *g = offen<gefangen>())
            v.gefangen = QPoint(g->gitter().spalte(), g->gitter().zeile());
        m_boxen = 0;
        m_galgenStart = m_bewegung = m_geladen = m_enter = false;

        // After a win the game shows its best list until the child goes on.
        Spielfenster *sieger = nullptr;
        for (Spielfenster *s : std::initializer_list<Spielfenster *>{offen<galgen>(), offen<gefangen>(), offen<fang>()})
            if (s && s->siegerehrung())
                sieger = s;
        // The help may stand beside the window the child works in.
        if (sieger)
            m_aktuell = sieger->objectName() + QStringLiteral(" Bestenliste"),
            waehle({k(6, sieger->Weiter), {2, [&] { escape(*sieger); }}, {2, [&] { sieger->close(); }}});
        else if (galgen *g = offen<galgen>())
            m_aktuell = QStringLiteral("galgen"), galgenSpielen(*g);
        else if (gefangen *gf = offen<gefangen>())
            m_aktuell = QStringLiteral("gefangen"), gefangenSpielen(*gf);
        else if (fang *f = offen<fang>())
            m_aktuell = QStringLiteral("fang"), fangSpielen(*f);
        else if (TPOLABEL *i = offen<TPOLABEL>())
            m_aktuell = QStringLiteral("TPOLABEL"), waehle({k(4, i->Bild1), k(4, i->Bezeichnung1), {2, [&] { zeichen(*i); }}});
        else if (Form8 *f8 = offen<Form8>())
            m_aktuell = QStringLiteral("Form8"), einstellungen(*f8);
        else if (f1().isVisible())
            m_aktuell = QStringLiteral("Form1"), hauptfenster(f1());
        else
            return fehler("no window of the program is visible");

        ++m_zaehler[m_aktuell.section(QLatin1Char(' '), 0, 0)];
        for (const BoxEintrag &b : t->boxen.protokoll())
            ++m_zaehler[QStringLiteral("Box \"%1\"").arg(b.titel.section(QLatin1Char(' '), 0, 0).left(20))];
        m_verlauf.push_back(m_aktuell);
        if (m_verlauf.size() > 20)
            m_verlauf.removeFirst();
        const QString e = pruefen(v);
        t->boxen.leeren();
        m_druck.clear();
        return e;
    }

    QString verlauf() const { return QStringLiteral("\n    ") + m_verlauf.join(QStringLiteral("\n    ")); }
    /// How often each window was worked in and each box was shown.
    QString statistik() const
    {
        QString s;
        for (auto i = m_zaehler.begin(); i != m_zaehler.end(); ++i)
            s += QStringLiteral("\n    %1: %2").arg(i.key()).arg(i.value());
        return s;
    }
    int woerter() { return f1().Liste1->ListCount(); }
    void ereignisseZustellen()
    {
        // What the event loop would do between two events, without its timers:
        // the program's timers are driven by the run itself.
        QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    Form1 &f1() { return t->f1(); }
    MODUL1 &m() { return t->m(); }
    /// The window of this class, once the program has made it.
    template <class T> T *fenster()
    {
        static QPointer<T> merker;
        if (!merker)
            for (QWidget *w : QApplication::topLevelWidgets())
                if (T *f = qobject_cast<T *>(w))
                    merker = f;
        return merker.data();
    }
    /// The window of this class while it is visible.
    template <class T> T *offen() { return fenster<T>() && fenster<T>()->isVisible() ? fenster<T>() : nullptr; }
    // ---------------------------------------------------------------- random choices

    int zahl(qsizetype n) { return n <= 0 ? 0 : static_cast<int>(m_zufall() % static_cast<std::uint32_t>(n)); }
    bool prozent(int p) { return zahl(100) < p; }
    QString eines(const QStringList &l) { return l.at(zahl(l.size())); }
    QString wort() { return eines(m_wortschatz); }
    QChar zufallszeichen() { return m_zeichen.at(zahl(m_zeichen.size())); }
    /// Runs one event of the table, chosen by weight.
    void waehle(const std::vector<Ereignis> &tabelle)
    {
        int r = zahl(std::accumulate(tabelle.begin(), tabelle.end(), 0, [](int n, const Ereignis &e) { return n + e.gewicht; }));
        for (const Ereignis &e : tabelle)
            if ((r -= e.gewicht) < 0)
                return e.tun();
    }

    // ---------------------------------------------------------------- events

    /// A key press and release on the element with the focus.
    void taste(Fenster &f, int key, const QString &text, const QString &name, Qt::KeyboardModifiers mod = {})
    {
        m_aktuell += QLatin1Char(' ') + name;
        QWidget *ziel = f.focusWidget();
        if (!ziel || !ziel->isVisible() || ziel->window() != &f)
            ziel = &f;
        QKeyEvent druck(QEvent::KeyPress, key, mod, text);
        QApplication::sendEvent(ziel, &druck);
        QKeyEvent los(QEvent::KeyRelease, key, mod, text);
        QApplication::sendEvent(ziel, &los);
    }
    void zeichen(Fenster &f, QChar c)
    {
        const bool shift = c.isUpper() || (!c.isLetter() && QStringLiteral("&(%'!\"$/=?").contains(c));
        taste(f, c.toUpper().unicode(), QString(c), QStringLiteral("'%1'").arg(c), shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    void zeichen(Fenster &f) { zeichen(f, zufallszeichen()); }
    void escape(Fenster &f) { taste(f, Qt::Key_Escape, QString(QChar(27)), QStringLiteral("Escape")); }
    void pfeil(Fenster &f, int richtung)
    {
        static const int keys[4] = {Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Down};
        static const char *const namen[4] = {"hoch", "links", "rechts", "runter"};
        m_bewegung = true;
        taste(f, keys[richtung], QString(), QStringLiteral("Pfeil ") + QLatin1String(namen[richtung]));
    }
    template <class E> E *klick(E *e)
    {
        m_aktuell += QLatin1Char(' ') + e->objectName();
        if constexpr (std::is_same_v<E, Bezeichnung>)
            m_aktuell += QStringLiteral(" (%1)").arg(e->Caption().left(20));
        Q_EMIT e->Click();
        return e;
    }
    /// Clicks one of the elements, at random.
    template <class E> E *einer(std::initializer_list<E *> e) { return klick(*(e.begin() + zahl(qsizetype(e.size())))); }
    /// A table entry that clicks the element.
    template <class E> Ereignis k(int gewicht, E *e) { return {gewicht, [this, e] { klick(e); }}; }
    /// Picks entry `i` of the list (a random one when -1) as a click would.
    void auswahl(Liste *l, int i = -1)
    {
        m_aktuell += QLatin1Char(' ') + l->objectName();
        if (l->ListCount() == 0)
            return void(m_aktuell += QStringLiteral(" leer"));
        if (i < 0)
            i = zahl(l->ListCount());
        m_aktuell += QStringLiteral(" \"%1\"").arg(l->List(i));
        l->setListIndex(i);
    }

    void hauptfenster(Form1 &f)
    {
        MODUL1 &mm = m();
        Form7 *hilfe = offen<Form7>();
        const bool gross = f.Bild4->isVisible();
        auto richtigesWort = [&] { // in reading mode mostly the right word
            int i = -1;
            const int n = mm.Lesemodus == 1 && prozent(60) ? f.Liste2->ListCount() : 0;
            for (int z = 0; z < n; ++z)
                if (Schreibung::gross(f.Liste2->List(z)) == Schreibung::gross(mm.Loesungswort))
                    i = z;
            auswahl(f.Liste2, i);
        };
        auto browser = [&] {
            if (f.Laufwerk1->isVisible() && prozent(3))
                m_aktuell += QStringLiteral(" Laufwerk1"), Q_EMIT f.Laufwerk1->Change();
            else if (f.Datei1->ListCount() == 0 || prozent(10))
                m_aktuell += QStringLiteral(" Verzeichnis1"), Q_EMIT f.Verzeichnis1->Change();
            else
                m_geladen = true, auswahl(f.Datei1);
        };
        waehle({
            {35, [&] { // mostly the next letter of the word
                 const QString n = mm.Loesungswort.mid(mm.Eingabe.size(), 1);
                 zeichen(f, n.isEmpty() || prozent(5) ? zufallszeichen() : n.at(0));
             }},
            {10, [&] { zeichen(f); }}, {1, [&] { escape(f); }}, {2, [&] { pfeil(f, zahl(4)); }},
            {4, [&] { m_enter = true, taste(f, Qt::Key_Return, QStringLiteral("\r"), QStringLiteral("Enter")); }},
            {4, [&] { taste(f, Qt::Key_Backspace, QStringLiteral("\b"), QStringLiteral("Rücktaste")); }},
            {6, [&] { klick(f.Befehl[zahl(f.Befehl.size())]); }}, {6, richtigesWort},
            {3, [&] { klick(f.Bild26->isVisible() ? f.Bild26 : f.Bild25); }},
            {5, [&] { einer({f.Bild15, f.Bild11, f.Bild2, f.Bild3, f.Bild21, f.Bild10, f.Bild13}); }},
            {1, [&] { einer({f.Bezeichnung27, f.Bezeichnung28, f.Bezeichnung29}); }},
            // the enlarged display: open it, close it, or click one of its letters
            k(gross ? 0 : 2, f.Bezeichnung1), k(gross ? 1 : 0, f.Bild4),
            {gross ? 2 : 0, [&] { einer({f.Bezeichnung23, f.Bezeichnung17, f.Bezeichnung19, f.Bezeichnung20,
                                          f.Bezeichnung21, f.Bezeichnung22}); }},
            {f.Bild8->isVisible() ? 4 : 0, browser}, k(1, f.Bild23), k(1, f.Bild6), k(2, f.Bild5), k(1, f.Bild14),
            k(1, f.Bild17), k(1, f.Bild16), k(1, f.Bild1), k(hilfe ? 1 : 0, hilfe ? hilfe->Befehl1 : nullptr), k(1, f.Bild7),
            {Twips::links(f.Bild9) == kPanelSichtbar ? 40 : 0, // the games on the reward panel
             [&] { m_galgenStart = einer({f.Bezeichnung24, f.Bezeichnung25, f.Bezeichnung26}) == f.Bezeichnung26; }},
            {1, [&] { m_aktuell += QStringLiteral(" Form8.Zeit1"), t->programm->form8().Zeit1_Timer(); }},
        });
    }

    void einstellungen(Form8 &f8)
    {
        Form7 *hilfe = offen<Form7>();
        waehle({k(6, f8.Bild1), k(2, f8.Bild2), k(2, f8.Bild3), k(3, f8.Bild4), k(3, f8.Bild5), k(6, f8.Bild6),
                k(2, f8.Bild7), k(3, f8.Bild8), {6, [&] { auswahl(f8.Liste2); }}, {3, [&] { auswahl(f8.Liste1); }},
                {4,
                 [&] {
                     einer({f8.Bezeichnung5, f8.Bezeichnung7, f8.Bezeichnung1, f8.Bezeichnung19, f8.Bezeichnung6,
                            f8.Bezeichnung17, f8.Bezeichnung4, f8.Bezeichnung3});
                 }},
                {2, [&] { m_aktuell += QStringLiteral(" Kontroll1"), f8.Kontroll1->click(); }},
                {1, [&] { m_aktuell += QStringLiteral(" Zeit1"), f8.Zeit1_Timer(); }},
                {2, [&] { prozent(20) ? pfeil(f8, zahl(4)) : zeichen(f8); }},
                {hilfe ? 2 : 0, [&] { klick(hilfe->Befehl1); }}});
    }

    void galgenSpielen(galgen &g)
    {
        auto buchstabe = [&] { // a letter of the word, not yet chosen, more often than any letter
            const QString gross = Schreibung::gross(m().Loesungswort);
            QList<int> gute;
            for (int z = 0; z < g.Liste1->ListCount(); ++z)
                if (const QString b = g.Liste1->List(z).trimmed(); !b.isEmpty() && gross.contains(b) && !g.Liste1->Selected(z))
                    gute << z;
            const int z = !gute.isEmpty() && prozent(70) ? gute.at(zahl(gute.size())) : zahl(g.Liste1->ListCount());
            m_aktuell += QStringLiteral(" Buchstabe ") + g.Liste1->List(z).trimmed();
            QListView *v = g.Liste1->view();
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(z, 0)).center());
        };
        waehle({{90, buchstabe}, k(3, g.Befehl1), {2, [&] { zeichen(g); }}});
    }

    /// The first step of the shortest way over empty cells to the next letter
    /// or to the edge of the prison (-1 when there is none).
    static int wegImGefaengnis(const Gefaengnisgitter &gitter)
    {
        const QString w = gitter.wort();
        const QChar naechster = w.isEmpty() ? QChar() : w.at(std::min<int>(gitter.naechster(), w.size()) - 1);
        const int n = Gefaengnisgitter::Groesse;
        auto frei = [&](int c, int r) { return gitter.zelle(c, r) == QLatin1Char(' '); };
        auto ziel = [&](int c, int r) {
            return frei(c, r) ? c == 1 || c == n || r == 1 || r == n : !w.isEmpty() && gitter.zelle(c, r) == naechster;
        };
        static const int dc[4] = {0, -1, 1, 0}, dr[4] = {-1, 0, 0, 1};
        std::vector<bool> besucht(static_cast<std::size_t>((n + 1) * (n + 1)));
        besucht[static_cast<std::size_t>(gitter.zeile() * (n + 1) + gitter.spalte())] = true;
        // Cells to look on from, each with the first step of the way to it.
        std::deque<std::array<int, 3>> schlange{{gitter.spalte(), gitter.zeile(), -1}};
        for (; !schlange.empty(); schlange.pop_front()) {
            const auto [c1, r1, d1] = schlange.front();
            for (int d = 0; d < 4; ++d) {
                const int c = c1 + dc[d], r = r1 + dr[d];
                const auto stelle = static_cast<std::size_t>(r * (n + 1) + c);
                if (c < 1 || c > n || r < 1 || r > n || besucht[stelle])
                    continue;
                if (ziel(c, r))
                    return d1 < 0 ? d : d1;
                if (frei(c, r))
                    besucht[stelle] = true, schlange.push_back({c, r, d1 < 0 ? d : d1});
            }
        }
        return -1;
    }

    void gefangenSpielen(gefangen &g)
    {
        auto gehen = [&] {
            int richtung = wegImGefaengnis(g.gitter());
            if (richtung < 0 || prozent(15))
                richtung = zahl(4);
            if (prozent(70))
                return pfeil(g, richtung);
            m_bewegung = true;
            klick(std::array<Bild *, 4>{g.Bild1, g.Bild2, g.Bild3, g.Bild4}[static_cast<std::size_t>(richtung)]);
        };
        waehle({{80, gehen}, k(3, g.Befehl2), {3, [&] { zeichen(g); }}, k(2, g.Bild5), k(1, g.Befehl3),
                k(2, g.Befehl1), {2, [&] { escape(g); }}});
    }

    void fangSpielen(fang &f)
    {
        const bool s = f.gestartet();
        auto jagen = [&] { // mostly towards the next letter
            const Fangfeld &feld = f.feld();
            int richtung = zahl(4);
            if (!feld.fangX().isEmpty() && prozent(85)) {
                const int dx = feld.fangX().first() - feld.spalte(), dy = feld.fangY().first() - feld.zeile();
                if (dx != 0 && (dy == 0 || prozent(50)))
                    richtung = dx < 0 ? 1 : 2;
                else if (dy != 0)
                    richtung = dy < 0 ? 0 : 3;
            }
            pfeil(f, richtung);
        };
        auto bildlauf = [&] {
            const int wert = 1 + zahl(15);
            m_aktuell += QStringLiteral(" HBildlauf1 = %1").arg(wert);
            f.HBildlauf1->setValue(wert);
        };
        waehle({{s ? 70 : 0, jagen}, {s ? 8 : 10, [&] { pfeil(f, zahl(4)); }},
                {s ? 8 : 0, [&] { m_aktuell += QStringLiteral(" Zeit1"), f.Zeit1_Timer(); }}, {s ? 3 : 0, bildlauf},
                k(s ? 2 : 70, f.Bild5), k(s ? 1 : 5, f.Befehl2), k(s ? 1 : 5, f.Befehl1), {s ? 1 : 0, [&] { escape(f); }},
                {s ? 6 : 10, [&] { zeichen(f); }}});
    }

    // ---------------------------------------------------------------- boxes

    Antwort antwort(const BoxEintrag &b)
    {
        ++m_boxen;
        Antwort a = Antwort::OK;
        if (b.knoepfe == Knoepfe::JaNein) {
            const int ja = b.titel == kEndeTitel || m_boxen > kBoxenBisAbbruch                 ? 0
                           : b.text.startsWith(QStringLiteral("Dieses Spiel vorzeitig")) ? 30
                           : b.titel == QStringLiteral("Liste löschen")                    ? 25
                                                                                           : 50;
            a = prozent(ja) ? Antwort::Ja : Antwort::Nein;
        }
        boxMerken(QStringLiteral("[%1: %2]").arg(b.titel, QLatin1String(a == Antwort::Ja ? "Ja" : a == Antwort::Nein ? "Nein" : "OK")));
        return a;
    }

    QString text(const BoxEintrag &b)
    {
        ++m_boxen;
        QString s = wort();
        if (m_boxen > kBoxenBisAbbruch || prozent(15))
            s.clear();
        else if (b.titel == QStringLiteral("Liste freischalten")) {
            const QString name = f1().Bezeichnung8->Caption();
            s = prozent(60) ? name : prozent(50) ? name.toLower() : s;
        } else if (b.titel == QStringLiteral("Eingabe"))
            s = eines(teile("Anna|Jörg|Müller, Hans|Łucja|Freund|Ötzi Ärmel"));
        else if (b.titel.startsWith(QStringLiteral("Worteingabe")) && prozent(25))
            s.clear();
        else if (b.titel == QStringLiteral("Liste speichern"))
            s = eines(teile("TIPPOLO.TXT|liste.txt|NEU|a.txt|fehlt/ordner.TXT"));
        else if (b.titel == QStringLiteral("Wortanzahl eingeben"))
            s = eines(teile("20|10|5|abc|12.6|-3|1e9|11"));
        boxMerken(QStringLiteral("[%1: \"%2\"]").arg(b.titel, s));
        return s;
    }

    void boxMerken(const QString &was)
    {
        m_aktuell += QLatin1Char(' ') + was;
        if (m_boxen > kBoxenHoechstens)
            qFatal("Soak: more than %d boxes in one event, seed %u\n%s", kBoxenHoechstens,
                   static_cast<unsigned>(t->seed), qPrintable(verlauf() + QStringLiteral("\n  -> ") + m_aktuell));
    }

    // ---------------------------------------------------------------- checks

    /// After a new word was drawn.
    QString ziehungPruefen()
    {
        const MODUL1 &mm = m();
        const Form1 &f = f1();
        const int n = f.Liste1->ListCount();
        PRUEFE(mm.Benutzt.size() == n, "after a draw Benutzt has %1 flags for %2 words", mm.Benutzt.size(), n);
        PRUEFE(mm.Wortindex >= 0 && mm.Wortindex < n && mm.Benutzt.at(mm.Wortindex) == QLatin1Char('1') &&
                   f.Liste1->List(mm.Wortindex) == mm.Loesungswort,
               "after a draw Wortindex %1 does not name the word \"%2\" as asked (Benutzt \"%3\")", mm.Wortindex,
               mm.Loesungswort, mm.Benutzt);
        // Enter draws in its key-down and then passes its character on as a
        // key press, which keeps the character in Anzeigetext and writes the
        // (empty) input into the input line.
        if (!m_enter) {
            ZEIGT(f.Bezeichnung1, mm.Anzeigetext);
            ZEIGT(f.Bezeichnung2, mm.Lesemodus == 1 ? QStringLiteral("Klicke auf das richtige Wort ...") : QString());
        }
        ZEIGT(f.Bezeichnung9, QString());  // no hint letter for a new word
        const QStringList kandidaten = f.Liste2->eintraege(), alle = f.Liste1->eintraege();
        PRUEFE(mm.Uebung != 20 || kandidaten.isEmpty(), "exercise 20 left %1 candidates", kandidaten.size());
        PRUEFE(mm.Uebung == 20 || kandidaten.contains(mm.Loesungswort), "the candidate list lacks the word \"%1\"",
               mm.Loesungswort);
        PRUEFE(mm.Uebung == 20 || n >= 20 || kandidaten == alle,
               "with %1 words the candidate list is not the whole list", n);
        if (mm.Uebung == 20 || n < 20)
            return QString();
        const auto verschieden = QSet<QString>(kandidaten.begin(), kandidaten.end()).size();
        const int erwartet = std::min<int>(20, static_cast<int>(QSet<QString>(alle.begin(), alle.end()).size()));
        PRUEFE(verschieden == kandidaten.size() && kandidaten.size() == erwartet,
               "%1 candidates (%2 distinct), expected %3 distinct words", kandidaten.size(), verschieden, erwartet);
        return QString();
    }

    /// A file the program wrote: CR LF after every line, at most `hoechstens`
    /// lines (exactly `genau` when given). `fehlenDarf`: a missing file is fine.
    QString dateiPruefen(const QString &name, int hoechstens, int genau = -1, bool fehlenDarf = false)
    {
        const QByteArray inhalt = t->lesen(name);
        if (inhalt.isEmpty() && fehlenDarf && !QFile::exists(t->programm->datei(name)))
            return QString();
        PRUEFE(!inhalt.isEmpty(), "%1 is missing or empty", name);
        PRUEFE(inhalt.endsWith("\r\n"), "%1 does not end with CR LF", name);
        const QList<QByteArray> z = inhalt.left(inhalt.size() - 2).split('\n');
        for (int i = 0; i + 1 < z.size(); ++i)
            PRUEFE(z.at(i).endsWith('\r'), "%1 has a line without CR LF", name);
        PRUEFE(z.size() <= hoechstens && (genau < 0 || z.size() == genau), "%1 has %2 lines", name, z.size());
        return QString();
    }

    QString pruefen(const Vorher &v)
    {
        const MODUL1 &mm = m();
        Form1 &f = f1();
        PRUEFE(!t->programm->beendet(), "the program ended without Yes to the exit confirmation");
        for (const BoxEintrag &b : t->boxen.protokoll()) {
            PRUEFE(!b.titel.isEmpty(), "a box without a title: \"%1\"", b.text);
            PRUEFE(b.eingabe || b.knoepfe != Knoepfe::JaNein || b.standard == Antwort::Nein,
                   "the question \"%1\" does not have No as its default", b.titel);
        }
        // Exactly one window besides the help, and the active one among them.
        QStringList sichtbar;
        for (Fenster *w : std::initializer_list<Fenster *>{&f, fenster<Form8>(), fenster<galgen>(),
                                                          fenster<gefangen>(), fenster<fang>(), fenster<TPOLABEL>()})
            if (w && w->isVisible())
                sichtbar << w->objectName();
        PRUEFE(sichtbar.size() == 1, "%1 windows visible (%2), expected exactly one besides the help", sichtbar.size(),
               sichtbar.join(QStringLiteral(", ")));
        Fenster *aktiv = t->programm->aktivesFenster();
        PRUEFE(aktiv && aktiv->isVisible(), "the active window %1 is not visible",
               aktiv ? aktiv->objectName() : QStringLiteral("(none)"));

        const int links = Twips::links(f.Bild9);
        PRUEFE(links == kPanelSichtbar || links == kPanelVersteckt, "the reward panel stands at %1 twips", links);
        PRUEFE(QString(mm.Benutzt).remove(QLatin1Char('0')).remove(QLatin1Char('1')).isEmpty(), "Benutzt holds \"%1\"",
               mm.Benutzt);
        PRUEFE(mm.Loesungen >= v.loesungen, "Loesungen went down from %1 to %2", v.loesungen, mm.Loesungen);
        PRUEFE(mm.Fehler >= v.fehler || (m_galgenStart && mm.Fehler == 0), "Fehler went down from %1 to %2", v.fehler,
               mm.Fehler);
        PRUEFE(f.Liste2->ListCount() <= 20, "the candidate list holds %1 entries", f.Liste2->ListCount());
        PRUEFE(mm.Wortmenge >= 1, "Wortmenge is %1", mm.Wortmenge);
        const bool vorne = f.isVisible();
        PRUEFE(!vorne || mm.Uebung <= 0 || links == kPanelSichtbar || mm.Loesungswort.isEmpty() ||
                   mm.Loesungswort.startsWith(mm.Eingabe),
               "Eingabe \"%1\" is not a beginning of \"%2\"", mm.Eingabe, mm.Loesungswort);
        if (vorne) {
            ZEIGT(f.Bezeichnung3, QString::number(mm.Fehler));
            ZEIGT(f.Bezeichnung4, QString::number(mm.Loesungen));
        }
        if (m_geladen)  // the caption after loading a list
            ZEIGT(&f, QStringLiteral("T i p p o l o ( %1 Wörter )").arg(f.Liste1->ListCount()));

        // A new word was drawn in this event (the games, printing and the
        // list editing change the word or the flags in other ways).
        galgen *g = offen<galgen>();
        gefangen *gf = offen<gefangen>();
        fang *fg = offen<fang>();
        if (!g && !gf && !fg && mm.Uebung > 0 && !mm.Loesungswort.isEmpty() &&
            (mm.Loesungswort != v.wort || (mm.Benutzt != v.benutzt && mm.Benutzt.contains(QLatin1Char('1')))))
            if (QString e = ziehungPruefen(); !e.isEmpty())
                return e;

        PRUEFE(m_druck.isEmpty() || m_druck.size() == 1 + 3 * v.woerter, "the worksheet has %1 lines for %2 words",
               m_druck.size(), v.woerter);
        PRUEFE(m_druck.isEmpty() || mm.Loesungswort == v.wort,
               "after printing the task \"%1\" is not the one shown before (\"%2\")", mm.Loesungswort, v.wort);
        if (Form8 *f8 = offen<Form8>()) {
            ZEIGT(f8->Bezeichnung16, QStringLiteral(" %1 Wörter").arg(f8->Liste2->ListCount()));
            ZEIGT(f8->Bezeichnung8, QString::number(mm.Wortmenge));
        }
        // The files behind the boxes that say something was recorded or saved.
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

        PRUEFE(!g || (mm.Fehler >= 0 && mm.Fehler <= 9), "the gallows game runs on with %1 misses", mm.Fehler);
        for (int i = 1; g && i <= 10; ++i)
            PRUEFE(g->Teil(i)->isVisible() == (i <= mm.Fehler), "after %1 misses part %2 of the gallows is %3", mm.Fehler,
                   i, i <= mm.Fehler ? QStringLiteral("not shown") : QStringLiteral("shown"));
        if (gf) {
            const Gefaengnisgitter &gitter = gf->gitter();
            const QPoint jetzt(gitter.spalte(), gitter.zeile());
            const QChar c = gitter.zelle(jetzt.x(), jetzt.y());
            PRUEFE(c == QLatin1Char(' '), "the prison marker stands on the letter \"%1\" at (%2, %3)", c, jetzt.x(),
                   jetzt.y());
            ZEIGT(gf, QStringLiteral("Wortgefängnis:  ") + gitter.wort());
            PRUEFE(gf->Befehl2->Caption().size() == 6, "the wish box shows \"%1\"", gf->Befehl2->Caption());
            PRUEFE(!v.gefangen || m_bewegung || jetzt == *v.gefangen,
                   "the prison marker moved from (%1, %2) to (%3, %4) without an arrow", v.gefangen->x(),
                   v.gefangen->y(), jetzt.x(), jetzt.y());
        }
        if (fg) {
            const QString w = fg->feld().wort();
            const QPoint jetzt(fg->feld().spalte(), fg->feld().zeile());
            PRUEFE(mm.Loesungswort == w, "the word catch plays \"%1\", Loesungswort is \"%2\"", w, mm.Loesungswort);
            ZEIGT(fg->Bezeichnung3, w.left(1));
            ZEIGT(fg->Bezeichnung5, w.mid(1));
            PRUEFE(!v.fang || m_bewegung || jetzt == *v.fang,
                   "the catcher moved from (%1, %2) to (%3, %4) without an arrow", v.fang->x(), v.fang->y(), jetzt.x(),
                   jetzt.y());
        }
        return QString();
    }

    std::unique_ptr<Testprogramm> t;
    std::mt19937 m_zufall;
    const QStringList m_wortschatz = teile(
        "Haus|Maus|Käse|Öl|Übung|Straße|groß|Ärger|baum|Auto|Wald|Fuß|Kind|Zebra|Igel|Quark|Vogel|Hund|Katze|"
        "Brücke|Ähre|Schule|Zwerg|Apfel|Tür|Löwe|Mädchen|Fluss|Jäger|Xylofon|Yak|Ei|haus|Rot-Kehlchen|Hans Peter|"
        "Donaudampfschifffahrtsgesellschaft|Żaba");
    const QString m_zeichen =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzäöüßABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ0123456789 -.,&(%'!?");
    QStringList m_verlauf;
    QMap<QString, int> m_zaehler;
    QString m_aktuell;
    int m_boxen = 0;
    QList<Druckzeile> m_druck;
    // What the event did, for the checks after it.
    bool m_galgenStart = false, m_bewegung = false, m_geladen = false, m_enter = false;
};

QtMessageHandler qtestAusgabe = nullptr;

/// The offscreen platform cannot raise a window and says so every time;
/// everything else goes to the test's log as before.
void ausgabe(QtMsgType typ, const QMessageLogContext &ort, const QString &text)
{
    if (text != QLatin1String("This plugin does not support raise()") && qtestAusgabe)
        qtestAusgabe(typ, ort, text);
}


/// Runs `TIPPOLO_SOAK_EVENTS` random events (default `anzahl`) and fails the
/// running test at the first rule that does not hold.
inline void dauerlaufPruefen(int anzahlVorgabe)
{
    const std::uint32_t seed = umgebungsZahl("TIPPOLO_SOAK_SEED", 130805);
    const int anzahl = static_cast<int>(umgebungsZahl("TIPPOLO_SOAK_EVENTS", static_cast<std::uint32_t>(anzahlVorgabe)));
    qtestAusgabe = qInstallMessageHandler(ausgabe);
    Dauerlauf lauf(seed);
    const int zehntel = std::max(1, anzahl / 10);
    qInfo("soak: seed %u, %d events, VmRSS %ld kB, heap %ld kB at start", static_cast<unsigned>(seed), anzahl,
          residentKb(), heapKb());
    for (int i = 1; i <= anzahl; ++i) {
        if (const QString e = lauf.schritt(); !e.isEmpty()) {
            qInstallMessageHandler(qtestAusgabe);
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2: %3\n  last events:%4").arg(seed).arg(i).arg(e, lauf.verlauf())));
        }
        if (i % 64 == 0)
            lauf.ereignisseZustellen();
        if (i % zehntel == 0 || i == anzahl)
            qInfo("soak: %d events (%d%%), VmRSS %ld kB, heap %ld kB, %d words", i,
                  static_cast<int>(100LL * i / anzahl), residentKb(), heapKb(), lauf.woerter());
    }
    qInfo("soak: events by window and boxes by title:%s", qPrintable(lauf.statistik()));
    qInstallMessageHandler(qtestAusgabe);
}

} // namespace

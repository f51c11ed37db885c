#include "info/Bericht.h"

#include "renderings/Schreibung.h"
#include "ui/Druckflaeche.h"
#include "ui/Liste.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <algorithm>
#include <limits>
#include <vector>

namespace Bericht {

long long fehlerProzent(int fehler, int loesungen)
{
    return loesungen > 0 ? static_cast<long long>(fehler) * 100 / loesungen : -1;
}

namespace {

QChar basis(QChar c)
{
    switch (c.unicode()) {
    case u'ä': return QLatin1Char('a');
    case u'ö': return QLatin1Char('o');
    case u'ü': return QLatin1Char('u');
    default: return c;
    }
}

bool spiegelbuchstabe(QChar c)
{
    return c == QLatin1Char('b') || c == QLatin1Char('d') || c == QLatin1Char('p') || c == QLatin1Char('q');
}

bool konsonant(QChar c)
{
    return QStringLiteral("bcdfghjklmnpqrstvwxz").contains(Schreibung::klein(c));
}

/// A date as the report writes it.
QString datumText(const QDate &d)
{
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

Fehlerklasse klassifizieren(const QString &wort, int stelle, const QString &soll, const QString &ist)
{
    if (soll.size() != 1 || ist.size() != 1 || soll == ist)
        return Fehlerklasse::Andere;
    const QChar s = soll.at(0);
    const QChar i = ist.at(0);
    const QChar sk = Schreibung::klein(s);
    const QChar ik = Schreibung::klein(i);
    if (sk == ik)
        return Fehlerklasse::GrossKlein;
    if (basis(sk) == basis(ik))
        return Fehlerklasse::Umlaut;
    if ((sk == u'ß' && ik == QLatin1Char('s')) || (sk == QLatin1Char('s') && ik == u'ß'))
        return Fehlerklasse::Eszett;
    if (spiegelbuchstabe(s) && spiegelbuchstabe(i))
        return Fehlerklasse::Spiegel;
    const QChar vorher = stelle >= 2 && stelle - 2 < wort.size() ? wort.at(stelle - 2) : QChar();
    const QChar vk = Schreibung::klein(vorher);
    if (konsonant(vorher) && vk == sk)
        return Fehlerklasse::DoppeltFehlt;
    if (konsonant(vorher) && vk == ik)
        return Fehlerklasse::DoppeltZuviel;
    if (vk == QLatin1Char('i') && (sk == QLatin1Char('e') || ik == QLatin1Char('e')))
        return Fehlerklasse::IeI;
    return Fehlerklasse::Andere;
}

QString klassenname(Fehlerklasse k)
{
    switch (k) {
    case Fehlerklasse::GrossKlein: return QStringLiteral("Groß- und Kleinschreibung");
    case Fehlerklasse::Umlaut: return QStringLiteral("Umlaut (ä/a, ö/o, ü/u)");
    case Fehlerklasse::Eszett: return QStringLiteral("ß, ss und s");
    case Fehlerklasse::Spiegel: return QStringLiteral("Spiegelbuchstaben b, d, p, q");
    case Fehlerklasse::DoppeltFehlt: return QStringLiteral("Doppelkonsonant vergessen");
    case Fehlerklasse::DoppeltZuviel: return QStringLiteral("Konsonant zu viel verdoppelt");
    case Fehlerklasse::IeI: return QStringLiteral("ie und i");
    case Fehlerklasse::Andere: return QStringLiteral("Andere Fehler");
    }
    return QString();
}

QString zeitraumname(Zeitraum z)
{
    switch (z) {
    case Zeitraum::Heute: return QStringLiteral("Heute");
    case Zeitraum::SiebenTage: return QStringLiteral("Letzte 7 Tage");
    case Zeitraum::DreissigTage: return QStringLiteral("Letzte 30 Tage");
    case Zeitraum::Alle: return QStringLiteral("Alle Tage");
    }
    return QString();
}

long long Auswertung::jeHundert() const
{
    return fehlerProzent(fehler, geloest);
}

QStringList Auswertung::uebungsliste() const
{
    QStringList l;
    for (const Fehlerwort &w : woerter)
        l << w.wort;
    return l;
}

QStringList namen(const Protokoll::Bestand &log)
{
    QStringList l = log.namen();
    std::stable_sort(l.begin(), l.end(), [](const QString &a, const QString &b) {
        const int v = Sortierung::vergleichen(a, b);
        return v < 0 || (v == 0 && a < b);
    });
    return l;
}

QPair<QDate, QDate> grenzen(Zeitraum z, const QDate &heute)
{
    switch (z) {
    case Zeitraum::Heute: return {heute, heute};
    case Zeitraum::SiebenTage: return {heute.addDays(-6), heute};
    case Zeitraum::DreissigTage: return {heute.addDays(-29), heute};
    case Zeitraum::Alle: break;
    }
    return {QDate::fromJulianDay(std::numeric_limits<qint32>::min()), QDate::fromJulianDay(std::numeric_limits<qint32>::max())};
}

QPair<QDate, QDate> davor(Zeitraum z, const QDate &heute)
{
    if (z == Zeitraum::Alle)
        return {};
    const QPair<QDate, QDate> g = grenzen(z, heute);
    const qint64 laenge = g.first.daysTo(g.second) + 1;
    return {g.first.addDays(-laenge), g.first.addDays(-1)};
}

Auswertung auswerten(const Protokoll::Bestand &log, const QString &name, Zeitraum z, const QDate &heute)
{
    Auswertung a;
    a.name = name;
    a.zeitraum = z;
    a.heute = heute;
    a.klassen = QList<int>(kAnzahlKlassen, 0);
    const int kind = log.nameIndex(name);
    if (kind < 0)
        return a;
    const QPair<QDate, QDate> g = grenzen(z, heute);
    const qint64 von = g.first.toJulianDay(), bis = g.second.toJulianDay();
    QMap<quint64, int> verwechslung;  // soll << 32 | ist: in the order of the letters
    QHash<quint32, int> wortfehler;
    QSet<quint32> geuebt;
    QHash<qint32, int> tagIndex;
    qint32 zuletzt = 0;
    int letzterTag = -1;
    for (const Protokoll::Satz &s : log.saetze()) {
        if (s.name != static_cast<quint32>(kind) || s.tag < von || s.tag > bis)
            continue;
        if (letzterTag < 0 || s.tag != zuletzt) {
            zuletzt = s.tag;
            auto it = tagIndex.constFind(s.tag);
            if (it == tagIndex.constEnd()) {
                it = tagIndex.insert(s.tag, static_cast<int>(a.tage.size()));
                a.tage.append(Tag{QDate::fromJulianDay(s.tag), 0, 0});
            }
            letzterTag = it.value();
        }
        Tag &tag = a.tage[letzterTag];
        geuebt.insert(s.wort);
        if (!s.fehler) {
            ++a.geloest;
            ++tag.geloest;
            continue;
        }
        ++a.fehler;
        ++tag.fehler;
        ++verwechslung[quint64(s.soll) << 32 | s.ist];
        ++wortfehler[s.wort];
        ++a.klassen[static_cast<int>(s.klasse)];
    }
    a.verschiedene = static_cast<int>(geuebt.size());
    for (auto it = verwechslung.cbegin(); it != verwechslung.cend(); ++it) {
        const char32_t soll = static_cast<char32_t>(it.key() >> 32), ist = static_cast<char32_t>(it.key() & 0xFFFFFFFF);
        a.verwechslungen.append(Verwechslung{QString::fromUcs4(&soll, 1), QString::fromUcs4(&ist, 1), it.value()});
    }
    std::stable_sort(a.verwechslungen.begin(), a.verwechslungen.end(),
                     [](const Verwechslung &x, const Verwechslung &y) { return x.anzahl > y.anzahl; });
    for (auto it = wortfehler.cbegin(); it != wortfehler.cend(); ++it)
        a.woerter.append(Fehlerwort{log.woerter().at(it.key()), it.value()});
    std::sort(a.woerter.begin(), a.woerter.end(), [](const Fehlerwort &x, const Fehlerwort &y) {
        if (x.fehler != y.fehler)
            return x.fehler > y.fehler;
        const int v = Sortierung::vergleichen(x.wort, y.wort);
        return v != 0 ? v < 0 : x.wort < y.wort;
    });
    std::sort(a.tage.begin(), a.tage.end(), [](const Tag &x, const Tag &y) { return x.datum < y.datum; });
    return a;
}

QList<Kind> klasse(const Protokoll::Bestand &log, Zeitraum z, const QDate &heute)
{
    const QPair<QDate, QDate> g = grenzen(z, heute), v = davor(z, heute);
    const qint64 von = g.first.toJulianDay(), bis = g.second.toJulianDay();
    const qint64 vorVon = v.first.isValid() ? v.first.toJulianDay() : 1, vorBis = v.second.isValid() ? v.second.toJulianDay() : 0;
    struct Summe { int geloest = 0, fehler = 0, vorGeloest = 0, vorFehler = 0; qint32 zuletzt = 0; bool geuebt = false; int klassen[kAnzahlKlassen] = {}; };
    std::vector<Summe> summen(static_cast<size_t>(log.namen().size()));
    for (const Protokoll::Satz &s : log.saetze()) {
        Summe &k = summen[s.name];
        if (s.tag <= heute.toJulianDay() && (!k.geuebt || s.tag > k.zuletzt)) {
            k.zuletzt = s.tag;
            k.geuebt = true;
        }
        if (s.tag >= von && s.tag <= bis) {
            if (s.fehler) {
                ++k.fehler;
                ++k.klassen[s.klasse];
            } else {
                ++k.geloest;
            }
        } else if (s.tag >= vorVon && s.tag <= vorBis) {
            ++(s.fehler ? k.vorFehler : k.vorGeloest);
        }
    }
    QList<Kind> l;
    for (const QString &name : namen(log)) {
        const Summe &s = summen[static_cast<size_t>(log.nameIndex(name))];
        Kind k;
        k.name = name;
        k.geloest = s.geloest;
        k.fehler = s.fehler;
        k.jeHundert = fehlerProzent(s.fehler, s.geloest);
        k.jeHundertDavor = fehlerProzent(s.vorFehler, s.vorGeloest);
        for (int i = 0; i < kAnzahlKlassen; ++i)
            if (s.klassen[i] > 0 && (k.haeufigsteKlasse < 0 || s.klassen[i] > s.klassen[k.haeufigsteKlasse]))
                k.haeufigsteKlasse = i;
        if (s.geuebt)
            k.zuletzt = QDate::fromJulianDay(s.zuletzt);
        l << k;
    }
    return l;
}

QStringList klassenspalten()
{
    return {QStringLiteral("Kind"), QStringLiteral("Gelöste Wörter"), QStringLiteral("Fehler je 100 Wörter"),
            QStringLiteral("Häufigste Fehlerart"), QStringLiteral("Zuletzt geübt"), QStringLiteral("Änderung")};
}

QStringList zellen(const Kind &k)
{
    const QString strich = QStringLiteral("–");
    QString aenderung = strich;
    if (k.hatAenderung())
        aenderung = k.aenderung() > 0 ? QStringLiteral("+%1").arg(k.aenderung())
                    : k.aenderung() < 0 ? QStringLiteral("−%1").arg(-k.aenderung())
                                        : QStringLiteral("0");
    return {k.name, QString::number(k.geloest), k.jeHundert < 0 ? strich : QString::number(k.jeHundert),
            k.haeufigsteKlasse < 0 ? strich : klassenname(static_cast<Fehlerklasse>(k.haeufigsteKlasse)),
            k.zuletzt.isValid() ? datumText(k.zuletzt) : strich, aenderung};
}

QString verwechslungText(const Verwechslung &v)
{
    return QStringLiteral("%1 → %2  %3×").arg(v.soll, v.ist).arg(v.anzahl);
}

QString listenname(const QString &name)
{
    QString teil;
    for (QChar c : Schreibung::gross(name.trimmed()))
        teil += c.isLetterOrNumber() || c == QLatin1Char('-') ? c : QLatin1Char('_');
    if (teil.isEmpty())
        teil = QStringLiteral("KIND");
    return QStringLiteral("FEHLER-%1.TXT").arg(teil);
}

/// "Zeitraum: Letzte 7 Tage (30.11.2026 bis 06.12.2026)"
static QString zeitraumzeile(Zeitraum z, const QDate &heute)
{
    QString zeitraum = zeitraumname(z);
    if (z == Zeitraum::Heute)
        zeitraum += QStringLiteral(" (%1)").arg(datumText(heute));
    else if (z != Zeitraum::Alle)
        zeitraum += QStringLiteral(" (%1 bis %2)").arg(datumText(grenzen(z, heute).first), datumText(heute));
    return QStringLiteral("Zeitraum: %1").arg(zeitraum);
}

QStringList zusammenfassung(const Auswertung &a)
{
    const long long prozent = a.jeHundert();
    return {zeitraumzeile(a.zeitraum, a.heute),
            QStringLiteral("Gelöste Wörter: %1").arg(a.geloest),
            QStringLiteral("Geübte Wörter (verschiedene): %1").arg(a.verschiedene),
            QStringLiteral("Falsche Buchstaben: %1").arg(a.fehler),
            QStringLiteral("Falsche Buchstaben je 100 Wörter: %1")
                .arg(prozent < 0 ? QStringLiteral("–") : QString::number(prozent))};
}

void drucken(const Auswertung &a, Druckflaeche &flaeche)
{
    const QString schrift = QStringLiteral("Arial");
    flaeche.setSchrift(schrift, 16);
    flaeche.zeile(QStringLiteral("Fehlerbericht für %1").arg(a.name));
    flaeche.setSchrift(schrift, 11);
    flaeche.zeile(QStringLiteral(" "));
    for (const QString &z : zusammenfassung(a))
        flaeche.zeile(z, 3);
    auto abschnitt = [&](const QString &titel) {
        flaeche.setSchrift(schrift, 11);
        flaeche.zeile(QStringLiteral(" "));
        flaeche.setSchrift(schrift, 13);
        flaeche.zeile(titel);
        flaeche.setSchrift(schrift, 11);
    };
    abschnitt(QStringLiteral("Verwechselte Buchstaben (erwartet → getippt)"));
    for (const Verwechslung &v : a.verwechslungen)
        flaeche.zeile(verwechslungText(v), 3);
    if (a.verwechslungen.isEmpty())
        flaeche.zeile(QStringLiteral("keine"), 3);
    abschnitt(QStringLiteral("Fehlerarten"));
    for (int k = 0; k < kAnzahlKlassen; ++k)
        if (a.klassen.value(k) > 0)
            flaeche.zeile(QStringLiteral("%1: %2").arg(klassenname(static_cast<Fehlerklasse>(k))).arg(a.klassen.at(k)), 3);
    if (a.fehler == 0)
        flaeche.zeile(QStringLiteral("keine"), 3);
    abschnitt(QStringLiteral("Wörter mit den meisten Fehlern"));
    for (const Fehlerwort &w : a.woerter.mid(0, 20))
        flaeche.zeile(QStringLiteral("%1: %2").arg(w.wort).arg(w.fehler), 3);
    if (a.woerter.isEmpty())
        flaeche.zeile(QStringLiteral("keine"), 3);
    abschnitt(QStringLiteral("Übungstage"));
    for (const Tag &t : a.tage)
        flaeche.zeile(QStringLiteral("%1: %2 Wörter gelöst, %3 falsche Buchstaben")
                          .arg(datumText(t.datum))
                          .arg(t.geloest)
                          .arg(t.fehler),
                      3);
    if (a.tage.isEmpty())
        flaeche.zeile(QStringLiteral("keine"), 3);
}

void klasseDrucken(const QList<Kind> &kinder, Zeitraum z, const QDate &heute, Druckflaeche &flaeche)
{
    const QString schrift = QStringLiteral("Arial");
    flaeche.setSchrift(schrift, 16);
    flaeche.zeile(QStringLiteral("Klassenübersicht"));
    flaeche.setSchrift(schrift, 11);
    flaeche.zeile(QStringLiteral(" "));
    flaeche.zeile(zeitraumzeile(z, heute), 3);
    const QStringList spalten = klassenspalten();
    for (const Kind &k : kinder) {
        const QStringList z = zellen(k);
        flaeche.setSchrift(schrift, 11);
        flaeche.zeile(QStringLiteral(" "));
        flaeche.setSchrift(schrift, 13);
        flaeche.zeile(z.at(0));
        flaeche.setSchrift(schrift, 11);
        for (int i = 1; i < z.size(); ++i)
            flaeche.zeile(QStringLiteral("%1: %2").arg(spalten.at(i), z.at(i)), 3);
    }
    if (kinder.isEmpty())
        flaeche.zeile(QStringLiteral("keine Kinder im Protokoll"), 3);
}

} // namespace Bericht

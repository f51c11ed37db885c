#include "info/Bericht.h"

#include "renderings/Schreibung.h"
#include "trainer/Antworten.h"
#include "ui/Druckflaeche.h"
#include "ui/Liste.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace Bericht {

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
    const QChar k = Schreibung::klein(c);
    if (k < QLatin1Char('a') || k > QLatin1Char('z'))
        return false;
    return !QStringLiteral("aeiouy").contains(k);
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

bool imZeitraum(const QDate &datum, Zeitraum z, const QDate &heute)
{
    switch (z) {
    case Zeitraum::Heute: return datum == heute;
    case Zeitraum::SiebenTage: return datum <= heute && datum > heute.addDays(-7);
    case Zeitraum::DreissigTage: return datum <= heute && datum > heute.addDays(-30);
    case Zeitraum::Alle: return true;
    }
    return false;
}

long long Auswertung::jeHundert() const
{
    return geloest > 0 ? Antworten::fehlerProzent(fehler, geloest) : -1;
}

QStringList Auswertung::uebungsliste() const
{
    QStringList l;
    for (const Fehlerwort &w : woerter)
        l << w.wort;
    return l;
}

QStringList namen(const QList<Protokoll::Eintrag> &eintraege)
{
    QSet<QString> gesehen;
    QStringList l;
    for (const Protokoll::Eintrag &e : eintraege)
        if (!gesehen.contains(e.name)) {
            gesehen.insert(e.name);
            l << e.name;
        }
    std::stable_sort(l.begin(), l.end(), [](const QString &a, const QString &b) {
        const int v = Sortierung::vergleichen(a, b);
        return v != 0 ? v < 0 : a < b;
    });
    return l;
}

Auswertung auswerten(const QList<Protokoll::Eintrag> &eintraege, const QString &name, Zeitraum z, const QDate &heute)
{
    Auswertung a;
    a.name = name;
    a.zeitraum = z;
    a.heute = heute;
    a.klassen = QList<int>(kAnzahlKlassen, 0);
    QHash<QString, int> verwechslung;   // soll + ist
    QHash<QString, int> wortfehler;
    QSet<QString> geuebt;
    QHash<QDate, int> tagIndex;
    QDate zuletzt;
    int letzterTag = -1;
    for (const Protokoll::Eintrag &e : eintraege) {
        if (e.name != name || !imZeitraum(e.datum, z, heute))
            continue;
        if (e.datum != zuletzt) {
            zuletzt = e.datum;
            auto it = tagIndex.constFind(e.datum);
            if (it == tagIndex.constEnd()) {
                it = tagIndex.insert(e.datum, static_cast<int>(a.tage.size()));
                a.tage.append(Tag{e.datum, 0, 0});
            }
            letzterTag = it.value();
        }
        Tag &tag = a.tage[letzterTag];
        geuebt.insert(e.wort);
        if (e.art == Protokoll::Art::Wort) {
            ++a.geloest;
            ++tag.geloest;
            continue;
        }
        ++a.fehler;
        ++tag.fehler;
        ++verwechslung[e.soll + QLatin1Char('\t') + e.ist];
        ++wortfehler[e.wort];
        ++a.klassen[static_cast<int>(klassifizieren(e.wort, e.stelle, e.soll, e.ist))];
    }
    a.verschiedene = static_cast<int>(geuebt.size());
    for (auto it = verwechslung.cbegin(); it != verwechslung.cend(); ++it) {
        const qsizetype tab = it.key().indexOf(QLatin1Char('\t'));
        a.verwechslungen.append(Verwechslung{it.key().left(tab), it.key().mid(tab + 1), it.value()});
    }
    std::sort(a.verwechslungen.begin(), a.verwechslungen.end(), [](const Verwechslung &x, const Verwechslung &y) {
        if (x.anzahl != y.anzahl)
            return x.anzahl > y.anzahl;
        return x.soll != y.soll ? x.soll < y.soll : x.ist < y.ist;
    });
    for (auto it = wortfehler.cbegin(); it != wortfehler.cend(); ++it)
        a.woerter.append(Fehlerwort{it.key(), it.value()});
    std::sort(a.woerter.begin(), a.woerter.end(), [](const Fehlerwort &x, const Fehlerwort &y) {
        if (x.fehler != y.fehler)
            return x.fehler > y.fehler;
        const int v = Sortierung::vergleichen(x.wort, y.wort);
        return v != 0 ? v < 0 : x.wort < y.wort;
    });
    std::sort(a.tage.begin(), a.tage.end(), [](const Tag &x, const Tag &y) { return x.datum < y.datum; });
    return a;
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

QStringList zusammenfassung(const Auswertung &a)
{
    QString zeitraum = zeitraumname(a.zeitraum);
    if (a.zeitraum == Zeitraum::Heute)
        zeitraum += QStringLiteral(" (%1)").arg(datumText(a.heute));
    else if (a.zeitraum != Zeitraum::Alle)
        zeitraum += QStringLiteral(" (%1 bis %2)")
                        .arg(datumText(a.heute.addDays(a.zeitraum == Zeitraum::SiebenTage ? -6 : -29)),
                             datumText(a.heute));
    const long long prozent = a.jeHundert();
    return {QStringLiteral("Zeitraum: %1").arg(zeitraum),
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

} // namespace Bericht

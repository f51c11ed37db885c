#pragma once

// What the game tests share: a program whose boxes let a test look at the
// windows while a message is shown, and small helpers to drive the games.

#include "support/Testprogramm.h"
#include "trainer/Form1.h"
#include "trainer/Programm.h"
#include "ui/Twips.h"
#include "ui/Liste.h"
#include "ui/testing/SkriptBoxen.h"

#include <QAbstractButton>
#include <QFile>
#include <QTest>
#include <QTemporaryDir>
#include <functional>
#include <memory>

/// Scripted boxes that call `beiMeldung` before answering a message box, so
/// a test can see what stands behind the box (the best list, the solution).
class BeobachteteBoxen : public SkriptBoxen
{
public:
    std::function<void(const QString &text)> beiMeldung;
    Antwort meldung(const QString &text, const QString &titel, Knoepfe knoepfe, Symbol symbol,
                    Antwort standard) override
    {
        if (beiMeldung)
            beiMeldung(text);
        return SkriptBoxen::meldung(text, titel, knoepfe, symbol, standard);
    }
};

/// A started program with strict scripted boxes, a fixed seed and an empty
/// temporary working folder; one per test function.
struct Spielprogramm
{
    QTemporaryDir ordner;
    BeobachteteBoxen boxen;
    std::unique_ptr<Programm> programm;

    Spielprogramm()
    {
        boxen.setStreng(true);
        programm = std::make_unique<Programm>(boxen, ordner.path());
        programm->zufall().setFesterSeed(1);
        programm->beiEnde = [] {};
        programm->starten(true);
    }

    Form1 &f1() { return programm->form1(); }
    MODUL1 &m() { return programm->modul; }
    Zufall &zufall() { return programm->zufall(); }
    QString pfad(const QString &name) const { return programm->datei(name); }
    bool gibt(const QString &name) const { return QFile::exists(pfad(name)); }
    QByteArray lesen(const QString &name) const
    {
        QFile f(pfad(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void schreiben(const QString &name, const QByteArray &inhalt)
    {
        QFile f(pfad(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(inhalt);
    }

    /// Back in the main window with the next task: the game window hidden,
    /// the main window shown, a new word drawn.
    bool zurueckImHauptfenster(const QWidget &spiel)
    {
        return !spiel.isVisible() && f1().isVisible() && !m().Loesungswort.isEmpty() && m().Eingabe.isEmpty() &&
               programm->aktivesFenster() == &f1();
    }
    /// The game window `spiel` is open and active in place of the main window,
    /// whose picture Bild9 is back at its place.
    bool spielOffen(const QWidget &spiel)
    {
        return Twips::links(f1().Bild9) == 10440 && !f1().isVisible() && spiel.isVisible() &&
               programm->aktivesFenster() == &spiel;
    }
    /// Ends the game early with the button `ende`, answering Yes to the question.
    bool abbrechen(QAbstractButton *ende, const QWidget &spiel)
    {
        boxen.ja();
        ende->click();
        return zurueckImHauptfenster(spiel);
    }
};

/// The captions of several elements, to compare them at once.
template <class... E> QStringList titel(const E *...e)
{
    return {e->Caption()...};
}

/// Ends a game with `zug`, which must show exactly one message box (`text`,
/// `titel`) and lead back to the main window. While the box is shown `auchNoch`
/// must hold and, unless `liste` is null, the best list be visible with exactly
/// `eintraege`; afterwards it is hidden again.
inline void spielEnde(Spielprogramm &t, const QWidget &spiel, const std::function<void()> &zug, const QString &text,
                      const QString &titel, Liste *liste, const QStringList &eintraege = {},
                      const std::function<void()> &auchNoch = [] {})
{
    bool geprueft = false;
    t.boxen.beiMeldung = [&](const QString &) {
        auchNoch();
        if (liste) {
            QVERIFY(liste->isVisible());
            QCOMPARE(liste->eintraege(), eintraege);
        }
        geprueft = true;
    };
    const int vorher = t.boxen.anzahl();
    t.boxen.ok();
    zug();
    t.boxen.beiMeldung = nullptr;
    QVERIFY(geprueft);
    QCOMPARE(t.boxen.anzahl(), vorher + 1);
    pruefeBox(t.boxen, text, titel);
    QVERIFY(t.zurueckImHauptfenster(spiel));
    QVERIFY(!liste || !liste->isVisible());
}

/// `ausloeser` (a key, the end button, the window's frame) asks before the game
/// ends early; answered No, the game goes on.
inline void abbruchVerneint(Spielprogramm &t, const QWidget &spiel, const QString &titel,
                            const std::function<void()> &ausloeser)
{
    t.boxen.nein();
    ausloeser();
    pruefeFrage(t.boxen, QStringLiteral("Dieses Spiel vorzeitig beenden?\r"), titel);
    QVERIFY(spiel.isVisible());
}

#pragma once

#include "ui/testing/SkriptBoxen.h"
#include "windows/Form1.h"
#include "windows/Programm.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

/// The bytes of a file (empty if unreadable); writing them fails the test and gives false if it cannot.
QByteArray dateiLesen(const QString &pfad);
bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt);

/// A fresh program for one test: scripted boxes, a fixed seed, an empty temporary working folder.
struct Testprogramm
{
    QTemporaryDir ordner;
    SkriptBoxen boxen;
    std::unique_ptr<Programm> programm;

    /// Without `starten`, files for the start-up can be written with datei() before start().
    explicit Testprogramm(std::uint64_t seed = 1, bool starten = true);
    /// Writes the file `name` into the working folder and starts.
    Testprogramm(const QString &name, const QByteArray &inhalt) : Testprogramm(1, false) { datei(name, inhalt); start(); }
    void start() { programm->starten(true); }

    Form1 &f1() { return programm->form1(); }
    MODUL1 &m() { return programm->modul; }
    /// Writes bytes into a file of the working folder; fails the test if it cannot.
    void datei(const QString &name, const QByteArray &inhalt) { dateiSchreiben(programm->datei(name), inhalt); }
    QByteArray lesen(const QString &name) const { return dateiLesen(programm->datei(name)); }
    /// Makes `woerter` the word list with a fresh pass; with `ziehen` it also draws the next task.
    void liste(const QStringList &woerter, bool ziehen = false);

    /// The game window `spiel` is open and active in place of the main window.
    bool spielOffen(const QWidget &spiel);
    /// Back in the main window with the next task: the game hidden, a new word drawn.
    bool zurueck(const QWidget &spiel);
    /// `zug` ends the game with exactly the box `text`/`titel` (`waehrend` runs while shown) and leads back.
    void spielEnde(const QWidget &spiel, const std::function<void()> &zug, const QString &text, const QString &titel,
                   const std::function<void()> &waehrend = {});

    std::uint64_t seed;
    bool beendet = false;
};

inline QString u(const char *utf8) { return QString::fromUtf8(utf8); }

/// Sends one key press and release to an element ('\r' Enter, '\b' backspace, 27 Escape).
void taste(QWidget *ziel, QChar c);
void tippe(QWidget *ziel, const QString &text);
/// A mouse click on the entry `zeile` (or the entry `text`) of the view of a list.
void klicke(Liste *liste, int zeile);
void klicke(Liste *liste, const QString &text);
/// Checks the last box shown: text, title, buttons and icon.
void pruefeBox(const SkriptBoxen &boxen, const QString &text, const QString &titel,
               Knoepfe knoepfe = Knoepfe::OK, Symbol symbol = Symbol::Keins);
/// Checks the Yes/No question `nr` of the protocol (-1: the last box): text, title, No as default, "?".
void pruefeFrage(const SkriptBoxen &boxen, const QString &text, const QString &titel, int nr = -1);
/// Checks the input box `nr` of the protocol (-1: the last box).
void pruefeEingabe(const SkriptBoxen &boxen, int nr, const QString &text, const QString &titel,
                   const QString &vorgabe = QString());
/// The captions of several elements, to compare them at once.
template <class... E> QStringList titel(const E *...e) { return {e->Caption()...}; }

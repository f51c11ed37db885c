#pragma once

#include "trainer/Form1.h"
#include "trainer/Programm.h"
#include "ui/testing/SkriptBoxen.h"

#include <QTemporaryDir>
#include <memory>

/// A fresh program for one test: scripted boxes, a generator with a fixed
/// seed, and an empty temporary working folder. Build one per test function.
struct Testprogramm
{
    QTemporaryDir ordner;
    SkriptBoxen boxen;
    std::unique_ptr<Programm> programm;

    /// Makes the program; with `starten` it also runs the start-up and shows
    /// the main window (offscreen). Files to be found at start-up can be
    /// written into `ordner` with datei() before calling start().
    explicit Testprogramm(std::uint64_t seed = 1, bool starten = true);
    void start();

    Form1 &f1() { return programm->form1(); }
    MODUL1 &m() { return programm->modul; }
    /// Writes bytes into a file of the working folder.
    void datei(const QString &name, const QByteArray &inhalt);
    QByteArray lesen(const QString &name) const;
    /// Makes `woerter` the word list with a fresh pass; with `ziehen` it also
    /// draws the next task from it.
    void liste(const QStringList &woerter, bool ziehen = false);

    std::uint64_t seed;
    bool beendet = false;
};

inline QString u(const char *utf8) { return QString::fromUtf8(utf8); }

/// Sends one key press and release to an element, as the keyboard would
/// ('\r' Enter, '\b' backspace, 27 Escape).
void taste(QWidget *ziel, QChar c);
void tippe(QWidget *ziel, const QString &text);
/// Checks the last box shown: text, title, buttons and icon.
void pruefeBox(const SkriptBoxen &boxen, const QString &text, const QString &titel,
               Knoepfe knoepfe = Knoepfe::OK, Symbol symbol = Symbol::Keins);
/// How many boxes with this title were shown.
int anzahlBoxen(const SkriptBoxen &boxen, const QString &titel);

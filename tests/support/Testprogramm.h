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
/// Checks the Yes/No question `nr` of the protocol (-1: the last box): text,
/// title, No as the default button and the question mark.
void pruefeFrage(const SkriptBoxen &boxen, const QString &text, const QString &titel, int nr = -1);
/// Checks the input box `nr` of the protocol (-1: the last box).
void pruefeEingabe(const SkriptBoxen &boxen, int nr, const QString &text, const QString &titel,
                   const QString &vorgabe = QString());
/// The bytes of a file (empty if it cannot be read), and writing them.
QByteArray dateiLesen(const QString &pfad);
bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt);
/// Takes the write permission from a folder; false (and the folder writable
/// again) if it stays writable, as for root. freigeben() gives it back.
bool schreibschuetzen(const QString &ordner);
void freigeben(const QString &ordner);
/// Fails with the entries of `liste` (faults found by a check) unless it is empty.
#define PRUEFE_LEER(liste)                                                                                             \
    do {                                                                                                               \
        const QStringList l_ = (liste);                                                                                \
        QVERIFY2(l_.isEmpty(), qPrintable(l_.join(QStringLiteral(", "))));                                           \
    } while (false)
/// How many boxes with this title were shown.
int anzahlBoxen(const SkriptBoxen &boxen, const QString &titel);

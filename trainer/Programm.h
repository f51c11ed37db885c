#pragma once

#include "info/Protokoll.h"
#include "trainer/MODUL1.h"
#include "basis/Zufall.h"
#include "ui/Fensterverwaltung.h"

#include <QList>
#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class Berichtfenster;
class Boxen;
class Druckflaeche;
class Fenster;
class Form1;
class Form7;
class Form8;
class TPOLABEL;
class galgen;
class gefangen;
class fang;

/// Everything one run of the trainer has: the shared state of MODUL1, the
/// boxes, the random generator, the working folder, the practice log, the
/// seven windows and the report window.
/// Form1 and Form8 are made at start-up, the others on first use; after
/// that windows are only hidden and shown.
///
/// Nothing lives in a global: a test makes a fresh Programm with scripted
/// boxes, a seeded generator and a temporary working folder.
class Programm : public Fensterverwaltung
{
public:
    Programm(Boxen &boxen, const QString &arbeitsordner);
    ~Programm();
    Programm(const Programm &) = delete;
    Programm &operator=(const Programm &) = delete;

    MODUL1 modul;

    Boxen &boxen() { return m_boxen; }
    Zufall &zufall() { return m_zufall; }

    /// The working folder; every file of the program lives there.
    QString arbeitsordner() const { return m_arbeitsordner; }
    /// The full name of a file in the working folder.
    QString datei(const QString &name) const;

    /// Start-up: creates the main window, runs its Form_Load and shows it.
    /// With `zeigen` false the windows stay hidden (tests that need no screen).
    void starten(bool zeigen = true);

    /// Ends the program (after the exit confirmation).
    void beenden();
    bool beendet() const { return m_beendet; }
    /// What ending does besides closing the windows; the program quits the
    /// event loop with status 0, tests only note it.
    std::function<void()> beiEnde;

    /// Where the worksheet is printed. Empty means the system's default
    /// printer; a factory that returns nullptr means no printer is installed.
    /// Tests put a recording canvas here.
    std::function<std::unique_ptr<Druckflaeche>()> druckflaeche;

    /// The practice log of the working folder.
    Protokoll::Schreiber &protokoll() { return m_protokoll; }

    Form1 &form1();
    Form8 &form8();
    Form7 &form7();
    TPOLABEL &tpolabel();
    galgen &galgenFenster();
    gefangen &gefangenFenster();
    fang &fangFenster();
    /// The teacher's report, opened from the settings window.
    Berichtfenster &berichtfenster();
    /// The settings window's font for the task of exercise `uebung`, for the
    /// parts that do not know the settings window (see Form8::aufgabenschrift).
    std::optional<QString> aufgabenschrift(int uebung);
    /// Whether the help window has been made yet (it is made on first use).
    bool hatForm7() const { return static_cast<bool>(m_form7); }

    /// The window that is the program's active one (see Fenster).
    Fenster *aktivesFenster() const { return m_aktiv; }
    void aktiviert(Fenster *f) override;
    void verborgen(Fenster *f) override;
    void skaliert(Fenster *f, double faktor) override;

    /// The scale factor every window is drawn at (see Twips); 1 until the
    /// program chooses one. Windows made later take it on.
    double faktor() const override { return m_faktor; }
    void setFaktor(double faktor);
    /// The client areas of the seven windows and the report window in twips,
    /// the main window first.
    static QList<QSize> fenstergroessen();
    /// The factor to start with on a screen offering `verfuegbar` pixels.
    static double startFaktor(QSize verfuegbar);

private:
    template <class T> T &fenster(std::unique_ptr<T> &slot);
    QList<Fenster *> alleFenster() const;

    Boxen &m_boxen;
    Zufall m_zufall;
    QString m_arbeitsordner;
    bool m_beendet = false;
    Protokoll::Schreiber m_protokoll;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form8> m_form8;
    std::unique_ptr<Form7> m_form7;
    std::unique_ptr<TPOLABEL> m_tpolabel;
    std::unique_ptr<galgen> m_galgen;
    std::unique_ptr<gefangen> m_gefangen;
    std::unique_ptr<fang> m_fang;
    std::unique_ptr<Berichtfenster> m_bericht;
    double m_faktor = 1.0;
    Fenster *m_aktiv = nullptr;
    QList<Fenster *> m_reihenfolge;
};

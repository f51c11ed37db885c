#pragma once

#include "trainer/Sitzung.h"
#include "ui/Fensterverwaltung.h"

#include <QList>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class Berichtfenster;
class Boxen;
class Fenster;
class Form1;
class Form7;
class Form8;
class TPOLABEL;
class galgen;
class gefangen;
class fang;

/// Everything one run of the trainer has: the shared state (Sitzung), the
/// seven windows and the report window. Windows reach each other through it.
/// Form1 and Form8 are made at start-up, the others on first use; after
/// that windows are only hidden and shown.
///
/// Nothing lives in a global: a test makes a fresh Programm with scripted
/// boxes, a seeded generator and a temporary working folder.
class Programm : public Sitzung, public Fensterverwaltung
{
public:
    Programm(Boxen &boxen, const QString &arbeitsordner);
    ~Programm() override;

    /// Start-up: creates the main window, runs its Form_Load and shows it.
    /// With `zeigen` false the windows stay hidden (tests that need no screen).
    void starten(bool zeigen = true);

    /// Ends the program (after the exit confirmation).
    void beenden();
    bool beendet() const { return m_beendet; }
    /// What ending does besides closing the windows; the program quits the
    /// event loop with status 0, tests only note it.
    std::function<void()> beiEnde;

    Form1 &form1();
    Form8 &form8();
    Form7 &form7();
    TPOLABEL &tpolabel();
    galgen &galgenFenster();
    gefangen &gefangenFenster();
    fang &fangFenster();
    /// The teacher's report, opened from the settings window.
    Berichtfenster &berichtfenster();
    /// The task cycle shows its tasks on the main window.
    Aufgabenanzeige &anzeige() override;
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

    bool m_beendet = false;
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

#pragma once

#include "ui/Fenster.h"

#include <QPointer>
#include <QStringList>

class Knopf;

/// The help window: one of two fixed pages of text printed onto the window,
/// page 1 for the main window, page 2 for the settings window (chosen by
/// Hilfethema), and the button "Fertig" that hides it.
class Programm;

class Form7 : public Fenster
{
    Q_OBJECT
public:
    explicit Form7(Programm &programm);

    Programm &programm() const { return m_programm; }

    Knopf *Befehl1;  ///< "Fertig"

    /// Draws the page of Hilfethema onto the window.
    void Form_Activate() override;
    void Befehl1_Click();

    /// Shows the help beside the window that is active now (the one whose
    /// icon opened it). When the help is already the active window it is
    /// redrawn at once, so opening it again always shows the page of the
    /// current Hilfethema.
    void zeigen() override;

    /// The lines of a help page (1 or 2); empty for any other number.
    static QStringList Seite(int nummer);
    /// The client area in twips: room for the longer page in the window's font.
    static QSize groesse();

private:
    Programm &m_programm;
    void nebenFensterStellen(const QWidget *fenster);
    QPointer<QWidget> m_neben;
};

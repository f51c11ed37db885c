#pragma once

#include "ui/Elemente.h"
#include "ui/Fenster.h"
#include "ui/Liste.h"

#include <optional>

struct Einstellungen;

/// The settings and list-editor window. Created hidden at start-up: its
/// sample labels hold the eight font settings that the whole program reads.
/// It assigns fonts, sets the reward interval and the folder lock, saves the
/// settings, and edits and saves a copy of the word list.
class Programm;

class Form8 : public Fenster
{
    Q_OBJECT
public:
    explicit Form8(Programm &programm);

    Programm &programm() const { return m_programm; }
    ~Form8() override;

    // ---- icons along the top, left to right
    Bild *Bild1;  ///< back to the main window
    Bild *Bild8;  ///< "Sandeimer": the reward interval
    Bild *Bild2;  ///< "Zahnraddiskette": save the settings
    Bild *Bild4;  ///< "Stiftsymbol": enter new words
    Bild *Bild5;  ///< "Disketten-Symbol": save the editor list
    Bild *Bild6;  ///< "Apfel-Symbol": delete one entry
    Bild *Bild7;  ///< "Mülleimer-Symbol": delete the whole editor list
    Bild *Bild3;  ///< help
    Bild *Bild9;  ///< "Heft-Symbol": the report of the practice log
    Bezeichnung *Bezeichnung8;   ///< the reward interval, beside Bild8
    Kontrollkaestchen *Kontroll1;  ///< lock of the drive and folder boxes

    // ---- the title labels, each above its sample label
    Bezeichnung *Bezeichnung5;   ///< "Anzeigeschrift:"
    Bezeichnung *Bezeichnung7;   ///< "Druckschrift:"
    Bezeichnung *Bezeichnung1;   ///< "Schreibschrift:"
    Bezeichnung *Bezeichnung19;  ///< "Wörterliste:"
    Bezeichnung *Bezeichnung6;   ///< "Abgedeckt:"
    Bezeichnung *Bezeichnung17;  ///< "Bildwörter:"
    Bezeichnung *Bezeichnung4;   ///< "Spiegel:"
    Bezeichnung *Bezeichnung3;   ///< "Wortruinen:"

    // ---- the sample labels that hold the font settings
    Bezeichnung *Bezeichnung9;   ///< Anzeigeschrift
    Bezeichnung *Bezeichnung11;  ///< AbgedecktSchrift
    Bezeichnung *Bezeichnung12;  ///< Druckschrift
    Bezeichnung *Bezeichnung13;  ///< WortruinenSchrift
    Bezeichnung *Bezeichnung14;  ///< SpiegelSchrift
    Bezeichnung *Bezeichnung15;  ///< Schreibschrift
    Bezeichnung *Bezeichnung18;  ///< BildwoerterSchrift
    Bezeichnung *Bezeichnung20;  ///< WoerterlisteSchrift

    Liste *Liste1;               ///< the font list
    Bezeichnung *Bezeichnung2;   ///< the preview
    Liste *Liste2;               ///< the editor list
    Bezeichnung *Bezeichnung16;  ///< size of the editor list
    Zeitgeber *Zeit1;            ///< fills the font list once, 100 ms after creation
    /// One line along the bottom that names the letters of the word list a
    /// chosen font cannot show (empty when every chosen font shows them all).
    Bezeichnung *Schrifthinweis;
    /// Under the editor list: what the list check finds in the editor list
    /// (words that cannot be typed, words twice); empty for a clean list.
    Bezeichnung *Listenhinweis;

    QString Anzeigeschrift() const { return Bezeichnung9->FontName(); }
    QString AbgedecktSchrift() const { return Bezeichnung11->FontName(); }
    QString Druckschrift() const { return Bezeichnung12->FontName(); }
    QString WortruinenSchrift() const { return Bezeichnung13->FontName(); }
    QString SpiegelSchrift() const { return Bezeichnung14->FontName(); }
    QString Schreibschrift() const { return Bezeichnung15->FontName(); }
    QString BildwoerterSchrift() const { return Bezeichnung18->FontName(); }
    QString WoerterlisteSchrift() const { return Bezeichnung20->FontName(); }

    /// The font in which exercise `uebung` shows its task, on screen and on
    /// the worksheet: AbgedecktSchrift for type 1, WortruinenSchrift for 10,
    /// SpiegelSchrift for 12, BildwoerterSchrift for 24. Every other type has
    /// none of its own and keeps the display font.
    std::optional<QString> aufgabenschrift(int uebung) const;

    /// The sample labels in the order of the settings file's records 2 to 9.
    QList<Bezeichnung *> Musterfolge() const;
    /// The settings as the window and the shared state hold them now.
    Einstellungen einstellungen() const;
    /// Puts settings into the sample labels, the lock, `Wortmenge` and the
    /// main window's visible list.
    void uebernehmen(const Einstellungen &e);

    /// Writes "TIPPOLO.INI" from the current values. On failure shows why
    /// and returns false; the old file stays as it was.
    bool EinstellungenSpeichern();

    void Form_Load() override;
    void Form_Activate() override;
    void Zeit1_Timer();
    void Liste1_Click();

    void Bezeichnung5_Click();
    void Bezeichnung7_Click();
    void Bezeichnung1_Click();
    void Bezeichnung19_Click();
    void Bezeichnung6_Click();
    void Bezeichnung17_Click();
    void Bezeichnung4_Click();
    void Bezeichnung3_Click();

    void Bild1_Click();
    /// Closing the window by its frame goes back like the arrow.
    void schliessenAngefragt() override { Bild1_Click(); }
    void Bild2_Click();
    void Bild3_Click();
    void Bild4_Click();
    void Bild5_Click();
    void Bild6_Click();
    void Bild7_Click();
    void Bild8_Click();
    void Bild9_Click();

private:
    Programm &m_programm;
    void aufbauen();
    void verbinden();
    /// Sets the sample label's font to the preview's.
    void zuweisen(Bezeichnung *muster);
    void groesseZeigen();
    /// Checks the eight assigned fonts (with `vorschau` first the preview's
    /// font) against the letters of the word list and fills Schrifthinweis.
    void fehlendeZeigen(bool vorschau = false);
};

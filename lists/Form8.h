#pragma once

#include "ui/Elemente.h"
#include "ui/Fenster.h"
#include "ui/Liste.h"

/// The settings and list-editor window. Created hidden at start-up: its
/// sample labels hold the eight font settings that the whole program reads.
class Form8 : public Fenster
{
    Q_OBJECT
public:
    explicit Form8(Programm &programm);
    ~Form8() override;

    // ---- the sample labels that hold the font settings
    Bezeichnung *Bezeichnung9;   ///< Anzeigeschrift
    Bezeichnung *Bezeichnung11;  ///< AbgedecktSchrift
    Bezeichnung *Bezeichnung12;  ///< Druckschrift
    Bezeichnung *Bezeichnung13;  ///< WortruinenSchrift
    Bezeichnung *Bezeichnung14;  ///< SpiegelSchrift
    Bezeichnung *Bezeichnung15;  ///< Schreibschrift
    Bezeichnung *Bezeichnung18;  ///< BildwoerterSchrift
    Bezeichnung *Bezeichnung20;  ///< WoerterlisteSchrift
    Kontrollkaestchen *Kontroll1;  ///< lock of the drive and folder boxes
    Liste *Liste2;               ///< the editor list

    QString Anzeigeschrift() const { return Bezeichnung9->FontName(); }
    QString AbgedecktSchrift() const { return Bezeichnung11->FontName(); }
    QString Druckschrift() const { return Bezeichnung12->FontName(); }
    QString WortruinenSchrift() const { return Bezeichnung13->FontName(); }
    QString SpiegelSchrift() const { return Bezeichnung14->FontName(); }
    QString Schreibschrift() const { return Bezeichnung15->FontName(); }
    QString BildwoerterSchrift() const { return Bezeichnung18->FontName(); }
    QString WoerterlisteSchrift() const { return Bezeichnung20->FontName(); }

    void Form_Load() override;
};

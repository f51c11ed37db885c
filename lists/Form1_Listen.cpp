// The main window's file browser, settings, unlock, printing and script switch.
#include "trainer/Form1.h"

#include "trainer/Programm.h"
#include "ui/Dateibrowser.h"

void Form1::EinstellungenLesen()
{
    // Creates the settings window, which holds the font settings.
    programm().form8();
}

void Form1::Bild6_Click()
{
    Bild8->setVisible(!Bild8->isVisible());
}

void Form1::Laufwerk1_Change()
{
    Verzeichnis1->setPath(Laufwerk1->Drive());
}

void Form1::Verzeichnis1_Change()
{
    Datei1->setPath(Verzeichnis1->Path());
}

void Form1::Datei1_Click() {}
void Form1::Bild5_Click() {}
void Form1::Bild14_Click() {}
void Form1::Bild17_Click() {}

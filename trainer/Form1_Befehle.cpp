// The main window's small commands: mode, name, list sizes, information boxes.
#include "trainer/Form1.h"

#include "trainer/Programm.h"
#include "ui/Boxen.h"

void Form1::Bild26_Click() {}
void Form1::Bild25_Click() {}
void Form1::Bild23_Click() {}
void Form1::Bezeichnung27_Click() {}
void Form1::Bezeichnung28_Click() {}

void Form1::Bezeichnung29_Click()
{
    Liste2->setFontSize(12);
    Liste2->setHoehe(5430);
}

void Form1::Bild21_Click() {}
void Form1::Bild10_Click() {}
void Form1::Bild13_Click() {}
void Form1::Bild7_Click() {}
void Form1::Bild16_Click() {}

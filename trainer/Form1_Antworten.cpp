// The main window's answer checking, helps and evaluation.
#include "trainer/Form1.h"

#include "trainer/Programm.h"
#include "ui/Boxen.h"

void Form1::Form_KeyDown(int keyCode)
{
    if (keyCode == 27)
        Bild1_Click();
}

void Form1::Form_KeyPress(QChar zeichen) { Q_UNUSED(zeichen); }
void Form1::ZeichenLoeschen() {}
void Form1::WortRichtig() {}
void Form1::Liste2_Click() {}
void Form1::Bild15_Click() {}
void Form1::Bild11_Click() {}
void Form1::Bild2_Click() {}
void Form1::Bild3_Click() {}

// The main window's enlarged display of the task: a click on the task display
// copies its caption, in its font, into the zoom box over the top of the
// window; the six "A" labels redraw it at their sizes; a click on the box
// closes it.
#include "trainer/Form1.h"

namespace {
constexpr double kStartgroesse = 28;
constexpr int kTextLinks = 840;
constexpr int kTextOben = 120;
} // namespace

void Form1::Bezeichnung1_Click()
{
    Bild4->show();
    Bild4->raise();
    Vergroessern(kStartgroesse);
}

void Form1::Vergroessern(double punkte)
{
    Bild4->setFontName(Bezeichnung1->FontName());
    Bild4->setFontBold(Bezeichnung1->FontBold());
    Bild4->setFontSize(punkte);
    Bild4->Cls();
    // One line: the caption is a copy; later changes of the task display leave it.
    QString zeile = Bezeichnung1->Caption();
    zeile.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    Bild4->text(kTextLinks, kTextOben, zeile);
}

void Form1::Bild4_Click()
{
    Bild4->hide();
}

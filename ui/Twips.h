#pragma once

class QWidget;

/// Window positions and sizes are given in twips (1/1440 inch). At 96 dpi a
/// pixel is 15 twips; the factor follows the screen's logical dpi.
namespace Twips {
double proPixel();
int zuPixel(int twips);
int vonPixel(int pixel);

/// Places a widget inside its parent at left/top with width/height, all in
/// twips, and remembers the twips so that reading them back is exact.
void setzen(QWidget *w, int links, int oben, int breite, int hoehe);
void setzeLinks(QWidget *w, int links);
void setzeHoehe(QWidget *w, int hoehe);
int links(const QWidget *w);
int oben(const QWidget *w);
int breite(const QWidget *w);
int hoehe(const QWidget *w);
} // namespace Twips

#pragma once

#include <QFont>
#include <QList>
#include <QSize>

class QWidget;

/// Window positions and sizes are given in twips (1/1440 inch). At 96 dpi a
/// pixel is 15 twips; the factor follows the screen's logical dpi.
///
/// Every window is drawn at a scale factor (1 unless the program chooses
/// another): the positions, sizes and font sizes of its elements are kept
/// as given and shown multiplied by the factor of the window they sit in.
/// This is the one place where twips and points become pixels.
namespace Twips {
double proPixel();
int zuPixel(int twips);
int vonPixel(int pixel);

/// The scale factor of the window `w` sits in.
double faktor(const QWidget *w);
/// Draws the window `fenster` at `faktor`: every element placed in twips
/// takes its scaled place, and every font its scaled size.
void skalieren(QWidget *fenster, double faktor);

/// Places a widget inside its parent at left/top with width/height, all in
/// twips, and remembers the twips so that reading them back is exact.
void setzen(QWidget *w, int links, int oben, int breite, int hoehe);
void setzeLinks(QWidget *w, int links);
void setzeHoehe(QWidget *w, int hoehe);
int links(const QWidget *w);
int oben(const QWidget *w);
int breite(const QWidget *w);
int hoehe(const QWidget *w);

/// Gives a widget a font as the program names it (size in points); the
/// widget shows it at its window's factor.
void setzeSchrift(QWidget *w, const QFont &schrift);
/// The font of a widget as the program gave it, without the factor.
QFont schrift(const QWidget *w);

/// The factor a run starts with: the main window (`haupt`, pixels at factor
/// 1) fills about two thirds of the height `verfuegbar` offers, at least
/// factor 1, but never so much that one of `fenster` (with a frame of
/// `rahmen` pixels around it) leaves the space; where even factor 1 does
/// not fit, the largest factor that fits.
double startFaktor(QSize verfuegbar, QSize haupt, const QList<QSize> &fenster, QSize rahmen);
} // namespace Twips

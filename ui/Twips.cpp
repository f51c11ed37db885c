#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace Twips {

double proPixel()
{
    double dpi = 96.0;
    if (auto *s = QGuiApplication::primaryScreen())
        dpi = s->logicalDotsPerInch();
    if (dpi < 1.0)
        dpi = 96.0;
    return 1440.0 / dpi;
}

int zuPixel(int twips)
{
    return static_cast<int>(std::lround(twips / proPixel()));
}

int vonPixel(int pixel)
{
    return static_cast<int>(std::lround(pixel * proPixel()));
}

static void merken(QWidget *w, const char *name, int wert)
{
    w->setProperty(name, wert);
}

static int lesen(const QWidget *w, const char *name, int pixel)
{
    const QVariant v = w->property(name);
    return v.isValid() ? v.toInt() : vonPixel(pixel);
}

void setzen(QWidget *w, int l, int o, int b, int h)
{
    merken(w, "twLinks", l);
    merken(w, "twOben", o);
    merken(w, "twBreite", b);
    merken(w, "twHoehe", h);
    w->setGeometry(zuPixel(l), zuPixel(o), zuPixel(b), zuPixel(h));
}

void setzeLinks(QWidget *w, int l)
{
    setzen(w, l, oben(w), breite(w), hoehe(w));
}

void setzeHoehe(QWidget *w, int h)
{
    setzen(w, links(w), oben(w), breite(w), h);
}

int links(const QWidget *w) { return lesen(w, "twLinks", w->x()); }
int oben(const QWidget *w) { return lesen(w, "twOben", w->y()); }
int breite(const QWidget *w) { return lesen(w, "twBreite", w->width()); }
int hoehe(const QWidget *w) { return lesen(w, "twHoehe", w->height()); }

} // namespace Twips

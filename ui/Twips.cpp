#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>
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

static int pixel(int twips, double faktor)
{
    return static_cast<int>(std::lround(twips * faktor / proPixel()));
}

int zuPixel(int twips)
{
    return pixel(twips, 1.0);
}

int vonPixel(int pixel)
{
    return static_cast<int>(std::lround(pixel * proPixel()));
}

double faktor(const QWidget *w)
{
    if (!w)
        return 1.0;
    const QVariant v = w->window()->property("twFaktor");
    return v.isValid() ? v.toDouble() : 1.0;
}

static QFont skaliert(QFont f, double faktor)
{
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * faktor);
    else if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * faktor))));
    return f;
}

static void lagePixel(QWidget *w, double f)
{
    const QVariant l = w->property("twLinks");
    if (!l.isValid())
        return;
    const int x = l.toInt(), y = w->property("twOben").toInt();
    const int b = w->property("twBreite").toInt(), h = w->property("twHoehe").toInt();
    w->setGeometry(pixel(x, f), pixel(y, f), pixel(b, f), pixel(h, f));
}

static void merken(QWidget *w, const char *name, int wert)
{
    w->setProperty(name, wert);
}

static int lesen(const QWidget *w, const char *name, int px)
{
    const QVariant v = w->property(name);
    return v.isValid() ? v.toInt() : static_cast<int>(std::lround(px * proPixel() / faktor(w)));
}

void setzen(QWidget *w, int l, int o, int b, int h)
{
    merken(w, "twLinks", l);
    merken(w, "twOben", o);
    merken(w, "twBreite", b);
    merken(w, "twHoehe", h);
    lagePixel(w, faktor(w));
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

void setzeSchrift(QWidget *w, const QFont &s)
{
    QFont basis = s;
    if (!(s.resolveMask() & QFont::SizeResolved)) {
        // A font without a size of its own keeps the size it shows now.
        const QFont jetzt = schrift(w);
        if (jetzt.pointSizeF() > 0)
            basis.setPointSizeF(jetzt.pointSizeF());
        else if (jetzt.pixelSize() > 0)
            basis.setPixelSize(jetzt.pixelSize());
    }
    w->setProperty("twSchrift", basis);
    w->setFont(skaliert(basis, faktor(w)));
}

QFont schrift(const QWidget *w)
{
    const QVariant v = w->property("twSchrift");
    if (v.isValid())
        return v.value<QFont>();
    return skaliert(w->font(), 1.0 / faktor(w));
}

void skalieren(QWidget *fenster, double f)
{
    fenster = fenster->window();
    const double vorher = faktor(fenster);
    QList<QWidget *> alle = fenster->findChildren<QWidget *>();
    alle.prepend(fenster);
    // Fonts set straight on a widget are taken as given at the old factor.
    for (QWidget *w : std::as_const(alle))
        if (!w->property("twSchrift").isValid() && (w == fenster || w->testAttribute(Qt::WA_SetFont)))
            w->setProperty("twSchrift", skaliert(w->font(), 1.0 / vorher));
    fenster->setProperty("twFaktor", f);
    for (QWidget *w : std::as_const(alle)) {
        const QVariant s = w->property("twSchrift");
        if (s.isValid())
            w->setFont(skaliert(s.value<QFont>(), f));
        if (w != fenster)
            lagePixel(w, f);
    }
}

double startFaktor(QSize verfuegbar, QSize haupt, const QList<QSize> &fenster, QSize rahmen)
{
    if (haupt.isEmpty() || verfuegbar.isEmpty())
        return 1.0;
    double f = std::max(1.0, verfuegbar.height() * 2.0 / 3.0 / haupt.height());
    QList<QSize> alle = fenster;
    alle.append(haupt);
    for (const QSize &s : std::as_const(alle)) {
        if (s.isEmpty())
            continue;
        f = std::min(f, double(verfuegbar.width() - rahmen.width()) / s.width());
        f = std::min(f, double(verfuegbar.height() - rahmen.height()) / s.height());
    }
    // Two decimals: the same screen gives the same layout.
    return std::max(0.1, std::floor(f * 100.0) / 100.0);
}

} // namespace Twips

#include "ui/Fenster.h"

#include "ui/Twips.h"
#include "basis/Zeichen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

Fenster::Fenster(Fensterverwaltung &verwaltung, const QString &name, const QString &caption, int breiteTwips,
                 int hoeheTwips)
    : QWidget(nullptr), m_verwaltung(verwaltung)
{
    setObjectName(name);
    setWindowTitle(caption);
    m_twips = QSize(breiteTwips, hoeheTwips);
    setFixedSize(Twips::zuPixel(breiteTwips), Twips::zuPixel(hoeheTwips));
    m_zeichnung.setSchrift(font());
}

Fenster::~Fenster()
{
    if (m_keyPreview)
        qApp->removeEventFilter(this);
}

void Fenster::zeigen()
{
    faktorAnpassen(m_verwaltung.faktor());
    aufDenBildschirm();
    show();
    raise();
    activateWindow();
    m_verwaltung.aktiviert(this);
}

void Fenster::verbergen()
{
    hide();
}

void Fenster::hideEvent(QHideEvent *ev)
{
    // The window system forgets the frame of a hidden window; it is kept here,
    // and where the window stood.
    const QRect aussen = frameGeometry(), innen = geometry();
    if (aussen != innen)
        m_rand = QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
                          aussen.bottom() - innen.bottom());
    m_ecke = aussen.topLeft();
    QWidget::hideEvent(ev);
    if (!ev->spontaneous())
        m_verwaltung.verborgen(this);
}

void Fenster::closeEvent(QCloseEvent *ev)
{
    // Windows are never destroyed while the program runs; closing one by its
    // frame does what the window's own closing command does.
    ev->ignore();
    schliessenAngefragt();
}

static QRect platz(const QWidget *w)
{
    const QScreen *s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

void Fenster::zentrieren(int teiler)
{
    const QRect r = platz(this);
    if (r.isEmpty())
        return;
    const QSize aussen = size() + rahmen();
    move(std::max(r.x(), r.x() + (r.width() - aussen.width()) / 2),
         std::max(r.y(), r.y() + (r.height() - aussen.height()) / teiler));
}

QSize Fenster::rahmen() const
{
    const QSize r = frameGeometry().size() - size();
    return r.isEmpty() ? QSize(m_rand.left() + m_rand.right(), m_rand.top() + m_rand.bottom()) : r;
}

void Fenster::aufDenBildschirm()
{
    const QRect r = platz(this);
    if (r.isEmpty())
        return;
    const bool versteckt = !isVisible() && testAttribute(Qt::WA_WState_Created);
    const QPoint ecke = versteckt ? m_ecke : pos();
    const QSize aussen = size() + rahmen();
    // The top-left corner first, so the title bar stays within reach.
    const int x = std::max(r.left(), std::min(ecke.x(), r.right() + 1 - aussen.width()));
    const int y = std::max(r.top(), std::min(ecke.y(), r.bottom() + 1 - aussen.height()));
    if (versteckt || QPoint(x, y) != ecke)
        rahmenNach(QPoint(x, y));
}

void Fenster::rahmenNach(QPoint ecke)
{
    if (isVisible() || !testAttribute(Qt::WA_WState_Created)) {
        move(ecke);
        return;
    }
    // A window shown before and hidden now: the window system may have
    // forgotten its frame and then takes the point for the client area, so
    // the client area is placed inside the frame as last seen.
    m_ecke = ecke;
    const QPoint bekannt = geometry().topLeft() - pos();
    move(ecke + QPoint(m_rand.left(), m_rand.top()) - bekannt);
}

double Fenster::faktor() const
{
    return Twips::faktor(this);
}

static QSize pixelGroesse(QSize twips, double faktor)
{
    const double proPixel = Twips::proPixel();
    return QSize(static_cast<int>(std::lround(twips.width() * faktor / proPixel)),
                 static_cast<int>(std::lround(twips.height() * faktor / proPixel)));
}

void Fenster::setFaktor(double f)
{
    m_skaliert = true;
    Twips::skalieren(this, f);
    const QSize neu = pixelGroesse(m_twips, f);
    if (m_veraenderbar) {
        // The program's own choice of factor is never refused.
        if (f < m_kleinsterFaktor) {
            m_kleinsterFaktor = f;
            setMinimumSize(pixelGroesse(m_twips, f));
        }
        resize(neu);
    } else {
        setFixedSize(neu);
    }
    m_skaliert = false;
    update();
}

double Fenster::passenderFaktor() const
{
    const QRect r = platz(this);
    const QSize eins = pixelGroesse(m_twips, 1.0);
    if (r.isEmpty() || eins.isEmpty())
        return 1.0;
    const QSize innen = r.size() - rahmen();
    const double f = std::min(double(innen.width()) / eins.width(), double(innen.height()) / eins.height());
    return std::max(0.1, std::floor(f * 100.0) / 100.0);
}

void Fenster::faktorAnpassen(double gewuenscht)
{
    if (m_veraenderbar) {
        setGroesseVeraenderbar(true);
        if (!qFuzzyCompare(gewuenscht, faktor()))
            setFaktor(gewuenscht);
        return;
    }
    const double f = std::min(gewuenscht, passenderFaktor());
    if (!qFuzzyCompare(f, faktor()) || size() != pixelGroesse(m_twips, f))
        setFaktor(f);
    if (isVisible())
        aufDenBildschirm();
}

void Fenster::setGroesseVeraenderbar(bool an)
{
    m_veraenderbar = an;
    if (an) {
        // Smaller than at factor 1 the captions under the icons get hard to
        // read; only a screen too small for that gets a smaller window.
        m_kleinsterFaktor = std::min({1.0, passenderFaktor(), faktor()});
        setMinimumSize(pixelGroesse(m_twips, m_kleinsterFaktor));
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(size());
    }
}

void Fenster::resizeEvent(QResizeEvent *ev)
{
    QWidget::resizeEvent(ev);
    if (!m_veraenderbar || m_skaliert)
        return;
    const QSize eins = pixelGroesse(m_twips, 1.0);
    const double f = std::min(double(width()) / eins.width(), double(height()) / eins.height());
    if (std::abs(f - faktor()) > 0.001) {
        m_skaliert = true;
        Twips::skalieren(this, f);
        m_skaliert = false;
        m_verwaltung.skaliert(this, f);
        update();
    }
    // The window keeps its aspect ratio: the side the user stretched further
    // gives way once the stretching is over.
    const QSize passend = pixelGroesse(m_twips, f);
    if (std::abs(passend.width() - width()) > 1 || std::abs(passend.height() - height()) > 1)
        QTimer::singleShot(0, this, [this] {
            const QSize p = pixelGroesse(m_twips, faktor());
            if (p != size()) {
                m_skaliert = true;
                resize(p);
                m_skaliert = false;
            }
        });
}

void Fenster::setHintergrund(const QColor &farbe)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, farbe);
    setPalette(pal);
    setAutoFillBackground(true);
}

void Fenster::Cls()
{
    m_zeichnung.Cls();
    update();
}

void Fenster::paintEvent(QPaintEvent *ev)
{
    QWidget::paintEvent(ev);
    if (m_zeichnung.inhalt().isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(faktor(), faktor());
    m_zeichnung.malen(p);
}

int Fenster::keyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Delete: return 46;
    default: break;
    }
    // Qt names a punctuation key by its character, and some of those codes
    // are the codes of the keys above ("%&'(" are 37 to 40, "." is 46). Qt's
    // codes begin with the blank, which has its own code above.
    const bool satzzeichen = qtKey < 0x30 || (qtKey > 0x39 && qtKey < 0x41) ||
                             (qtKey > 0x5a && qtKey < 0x61) || (qtKey > 0x7a && qtKey < 0x7f);
    return satzzeichen ? 0 : qtKey;
}

void Fenster::setKeyPreview(bool an)
{
    if (an == m_keyPreview)
        return;
    m_keyPreview = an;
    if (an)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void Fenster::zeichenWeitergeben(const QString &text)
{
    const QString zusammengesetzt = text.normalized(QString::NormalizationForm_C);
    const Zeichenfolge zeichen(zusammengesetzt);
    for (qsizetype i = 0; i < zeichen.size(); ++i)
        Form_KeyPress(zeichen.at(i));
}

bool Fenster::tasteVerarbeiten(QObject *ziel, QEvent *ev)
{
    auto *w = qobject_cast<QWidget *>(ziel);
    if (!w || w->window() != this)
        return false;
    if (ev->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(ev);
        const int code = keyCode(k->key());
        Form_KeyDown(code);
        // A letter that arrives decomposed (base letter and combining mark)
        // is handed on as the one character the keyboard would type.
        zeichenWeitergeben(k->text());
        return !tasteDurchlassen(code);
    }
    if (ev->type() == QEvent::InputMethod) {
        auto *im = static_cast<QInputMethodEvent *>(ev);
        zeichenWeitergeben(im->commitString());
        return true;
    }
    return false;
}

bool Fenster::eventFilter(QObject *obj, QEvent *ev)
{
    if (m_keyPreview && (ev->type() == QEvent::KeyPress || ev->type() == QEvent::InputMethod)) {
        if (tasteVerarbeiten(obj, ev))
            return true;
    }
    return QWidget::eventFilter(obj, ev);
}

bool Fenster::event(QEvent *ev)
{
    if (ev->type() == QEvent::WindowActivate && isVisible())
        m_verwaltung.aktiviert(this);
    return QWidget::event(ev);
}

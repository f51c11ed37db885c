#pragma once

#include "ui/Fensterverwaltung.h"
#include "ui/Zeichnung.h"

#include <QMargins>
#include <QStringView>
#include <QWidget>

/// Base of the program's windows: client area in twips, centring, the
/// window's own drawing surface, key preview and the activation event.
///
/// Key preview: a window that asks for it sees every key typed anywhere in
/// it first, as Form_KeyDown (key code: 8 Backspace, 13 Enter, 27 Escape,
/// 37-40 arrows, else the Qt key) and then Form_KeyPress (each whole
/// character typed: one UTF-16 unit, or two for a character outside the
/// Basic Multilingual Plane, which is never handed on in halves).
/// Keys it handles do not reach the focused element.
class Fenster : public QWidget
{
    Q_OBJECT
public:
    Fenster(Fensterverwaltung &verwaltung, const QString &name, const QString &caption, int breiteTwips, int hoeheTwips);
    ~Fenster() override;

    /// Runs once when the window is created (after construction).
    virtual void Form_Load() {}
    /// Runs each time the window becomes the program's active window.
    virtual void Form_Activate() {}
    virtual void Form_KeyDown(int keyCode) { Q_UNUSED(keyCode); }
    virtual void Form_KeyPress(QStringView zeichen) { Q_UNUSED(zeichen); }

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &c) { setWindowTitle(c); }

    /// Shows the window (modeless) and makes it the active window. The
    /// window takes the program's present factor first (see faktorAnpassen)
    /// and stands with its frame on the screen.
    virtual void zeigen();
    /// Hides the window; the window shown before it becomes active again.
    void verbergen();

    /// left = (screen width - window width) / 2, top = (screen height - window height) / teiler,
    /// but never off the screen.
    void zentrieren(int teiler = 2);

    /// The scale factor the window is drawn at (see Twips): its size and
    /// every element in it, fonts included, are the given twips and points
    /// times this factor.
    double faktor() const;
    void setFaktor(double faktor);
    /// Draws the window at `gewuenscht`, or at the largest factor at which
    /// it fits the screen with its frame where `gewuenscht` is too large
    /// (a window the user resizes takes `gewuenscht` as it is). A shown
    /// window is kept on the screen.
    void faktorAnpassen(double gewuenscht);
    /// The largest factor (two decimals) at which the window with its frame
    /// fits the space its screen offers.
    double passenderFaktor() const;
    /// What the window system adds around the client area; before the window
    /// was first shown an ample guess.
    QSize rahmen() const;
    static QSize rahmenAnnahme() { return QSize(16, 48); }  // the frame m_rand starts with
    /// Keeps the window with its frame inside the space its screen offers.
    void aufDenBildschirm();
    /// Puts the top-left corner of the window's frame at `ecke`.
    void rahmenNach(QPoint ecke);
    /// The client area in twips, as given at construction.
    QSize twipsGroesse() const { return m_twips; }
    /// A window the user may resize keeps its aspect ratio; its contents
    /// grow and shrink with it, and the keeper hears of the new factor.
    /// It is never made smaller than at factor 1 (or the screen's largest
    /// factor where that is smaller), so its smallest text stays readable.
    void setGroesseVeraenderbar(bool an);

    void setHintergrund(const QColor &farbe);

    /// The window's own drawing surface (text printed straight onto the form).
    Zeichnung &zeichnung() { return m_zeichnung; }
    void Cls();

    /// What closing the window by its frame does (default: hide it).
    virtual void schliessenAngefragt() { verbergen(); }

    /// Translates a Qt key into the key codes above. Letters, digits and the
    /// blank keep their codes; a punctuation key has no code of its own here
    /// and gives 0, so a typed "&" or "(" is never taken for an arrow key,
    /// nor "." for Delete.
    static int keyCode(int qtKey);

protected:
    void setKeyPreview(bool an);
    bool eventFilter(QObject *obj, QEvent *ev) override;
    bool event(QEvent *ev) override;
    void paintEvent(QPaintEvent *ev) override;
    void hideEvent(QHideEvent *ev) override;
    void closeEvent(QCloseEvent *ev) override;
    void resizeEvent(QResizeEvent *ev) override;

    /// Whether a key code handled by Form_KeyDown should still reach the
    /// focused element (default: no).
    virtual bool tasteDurchlassen(int keyCode) const { Q_UNUSED(keyCode); return false; }

private:
    bool tasteVerarbeiten(QObject *ziel, QEvent *ev);
    /// Hands the typed text on to Form_KeyPress, composed, one whole character at a time.
    void zeichenWeitergeben(const QString &text);

    Fensterverwaltung &m_verwaltung;
    Zeichnung m_zeichnung;
    QSize m_twips;
    bool m_keyPreview = false;
    bool m_veraenderbar = false;
    double m_kleinsterFaktor = 1.0;
    /// The frame the window system draws around the window, as last seen.
    QMargins m_rand{8, 40, 8, 8};
    QPoint m_ecke;
    bool m_skaliert = false;
};

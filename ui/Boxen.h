#pragma once

#include <QDialog>
#include <QFont>
#include <QList>
#include <QString>

class QInputDialog;
class QLabel;
class QPushButton;
class QWidget;

/// Buttons of a message box.
enum class Knoepfe { OK, JaNein };
/// Icon of a message box.
enum class Symbol { Keins, Information, Frage, Stop };
/// The button that closed a message box.
enum class Antwort { OK, Ja, Nein };

/// Every modal message box and input box of the program goes through this
/// one interface: the real one shows Qt dialogs, the scripted one answers
/// from a queue in tests.
///
/// Texts use a carriage return (character 13) as line break, as the program's
/// messages are written; the implementations show it as a line break.
class Boxen
{
public:
    virtual ~Boxen() = default;

    /// A message box. `standard` is the default button (for Yes/No boxes the
    /// program always passes No).
    virtual Antwort meldung(const QString &text, const QString &titel, Knoepfe knoepfe = Knoepfe::OK,
                            Symbol symbol = Symbol::Keins, Antwort standard = Antwort::OK) = 0;

    /// An input box. Returns the text typed, the empty text when cancelled.
    virtual QString eingabe(const QString &prompt, const QString &titel, const QString &vorgabe = QString()) = 0;

    /// Convenience for a Yes/No question with No as the default button.
    bool frage(const QString &text, const QString &titel, Symbol symbol = Symbol::Frage)
    {
        return meldung(text, titel, Knoepfe::JaNein, symbol, Antwort::Nein) == Antwort::Ja;
    }
};

/// The real boxes: Meldungsbox and QInputDialog with German button texts.
class QtBoxen : public Boxen
{
public:
    Antwort meldung(const QString &text, const QString &titel, Knoepfe knoepfe, Symbol symbol,
                    Antwort standard) override;
    QString eingabe(const QString &prompt, const QString &titel, const QString &vorgabe) override;

    /// Turns the program's line breaks (CR, LF, CR LF, LF CR) into what a Qt
    /// label shows as line breaks.
    static QString anzeigeText(const QString &text);

    /// The font of every box: 16 points at the factor of `parent`'s window.
    static QFont boxSchrift(const QWidget *parent);

    /// Sets an input box up as eingabe() shows it: "OK" and "Abbrechen".
    static void eingabeEinrichten(QInputDialog &dlg, const QString &prompt, const QString &titel,
                                  const QString &vorgabe);
};

/// The message box meldung() shows: title, the program's own sharp symbol,
/// the text and "OK" or "Ja"/"Nein" with the default and the Escape button
/// (closing the box by its frame answers like Escape). The text keeps its
/// own lines and is never wrapped into more: the box is as wide as the
/// longest line, and only a line wider than the screen is wrapped at the
/// screen's edge. Tests look at the box without showing it.
class Meldungsbox : public QDialog
{
    Q_OBJECT
public:
    Meldungsbox(QWidget *parent, const QString &text, const QString &titel, Knoepfe knoepfe, Symbol symbol,
                Antwort standard);

    QLabel *textfeld() const { return m_text; }
    const QList<QPushButton *> &knoepfe() const { return m_knoepfe; }
    QPushButton *standardKnopf() const { return m_standard; }
    QPushButton *escapeKnopf() const { return m_escape; }
    /// The button pressed; the Escape button's answer until one is.
    Antwort antwort() const { return m_antwort; }

private:
    QPushButton *knopf(const QString &text, Antwort antwort);

    QLabel *m_text = nullptr;
    QList<QPushButton *> m_knoepfe;
    QPushButton *m_standard = nullptr;
    QPushButton *m_escape = nullptr;
    Antwort m_antwort = Antwort::OK;
};

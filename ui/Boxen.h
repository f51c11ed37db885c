#pragma once

#include <QFont>
#include <QString>

class QInputDialog;
class QMessageBox;
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

/// The real boxes: QMessageBox and QInputDialog with German button texts.
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

    /// Sets a message box up as meldung() shows it: title, text, the
    /// program's own sharp symbol, "OK" or "Ja"/"Nein" with the default and
    /// the Escape button. Tests look at the box without showing it.
    static void meldungEinrichten(QMessageBox &box, const QString &text, const QString &titel, Knoepfe knoepfe,
                                  Symbol symbol, Antwort standard);
    /// Sets an input box up as eingabe() shows it: "OK" and "Abbrechen".
    static void eingabeEinrichten(QInputDialog &dlg, const QString &prompt, const QString &titel,
                                  const QString &vorgabe);
};

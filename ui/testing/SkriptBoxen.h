#pragma once

#include "ui/Boxen.h"

#include <QList>
#include <QStringList>
#include <functional>

/// One box as the program showed it.
struct BoxEintrag
{
    bool eingabe = false;       ///< input box (true) or message box (false)
    QString text;               ///< message text or input prompt
    QString titel;
    Knoepfe knoepfe = Knoepfe::OK;
    Symbol symbol = Symbol::Keins;
    Antwort standard = Antwort::OK;
    QString vorgabe;            ///< preset text of an input box
};

/// Test double of the boxes: records every box and answers from a queue.
/// Any box without a queued answer fails the running test at once and
/// answers OK / No / cancel, so no test ever hangs. A test that is not about
/// the OK boxes can let them pass with setStreng(false). A test that cannot
/// know the boxes in advance (a long random run) answers them all through
/// setAutomatik instead.
class SkriptBoxen : public Boxen
{
public:
    Antwort meldung(const QString &text, const QString &titel, Knoepfe knoepfe, Symbol symbol,
                    Antwort standard) override;
    QString eingabe(const QString &prompt, const QString &titel, const QString &vorgabe) override;

    /// Queue the answer to the next Yes/No (or OK) box.
    void antworte(Antwort a) { m_antworten.append(a); }
    void ja() { antworte(Antwort::Ja); }
    void nein() { antworte(Antwort::Nein); }
    /// Queue the answer to the next input box (empty text = cancelled).
    void tippe(const QString &text) { m_texte.append(text); }

    /// Queue the answer OK to the next box.
    void ok() { antworte(Antwort::OK); }
    /// Strict (the default): every box needs a queued answer. Not strict:
    /// boxes with only an OK button are answered OK by themselves.
    void setStreng(bool streng) { m_streng = streng; }

    /// Answer sources asked when the queue holds no answer for a box: `antwort`
    /// for message boxes, `text` for input boxes (each gets the box as it is
    /// recorded). Queued answers still come first; an empty function leaves
    /// that kind of box to the rules above.
    void setAutomatik(std::function<Antwort(const BoxEintrag &)> antwort,
                      std::function<QString(const BoxEintrag &)> text)
    {
        m_autoAntwort = std::move(antwort);
        m_autoText = std::move(text);
    }

    const QList<BoxEintrag> &protokoll() const { return m_protokoll; }
    int anzahl() const { return static_cast<int>(m_protokoll.size()); }
    const BoxEintrag &letzte() const { return m_protokoll.last(); }
    void leeren() { m_protokoll.clear(); }
    int offeneAntworten() const { return static_cast<int>(m_antworten.size() + m_texte.size()); }

private:
    QList<BoxEintrag> m_protokoll;
    QList<Antwort> m_antworten;
    QStringList m_texte;
    bool m_streng = true;
    std::function<Antwort(const BoxEintrag &)> m_autoAntwort;
    std::function<QString(const BoxEintrag &)> m_autoText;
};

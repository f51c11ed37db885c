#include "ui/testing/SkriptBoxen.h"

#include <QTest>

static void scheitern(const QString &was)
{
    const QByteArray msg = ("box shown with no answer queued: " + was).toUtf8();
    qWarning("%s", msg.constData());
    QTest::qFail(msg.constData(), __FILE__, __LINE__);
}

Antwort SkriptBoxen::meldung(const QString &text, const QString &titel, Knoepfe knoepfe, Symbol symbol,
                             Antwort standard)
{
    BoxEintrag e;
    e.text = text;
    e.titel = titel;
    e.knoepfe = knoepfe;
    e.symbol = symbol;
    e.standard = standard;
    m_protokoll.append(e);
    if (!m_antworten.isEmpty())
        return m_antworten.takeFirst();
    if (m_autoAntwort)
        return m_autoAntwort(e);
    if (knoepfe == Knoepfe::OK && !m_streng)
        return Antwort::OK;
    scheitern(QStringLiteral("message \"%1\" / \"%2\"").arg(titel, text));
    return knoepfe == Knoepfe::OK ? Antwort::OK : Antwort::Nein;
}

QString SkriptBoxen::eingabe(const QString &prompt, const QString &titel, const QString &vorgabe)
{
    BoxEintrag e;
    e.eingabe = true;
    e.text = prompt;
    e.titel = titel;
    e.vorgabe = vorgabe;
    m_protokoll.append(e);
    if (!m_texte.isEmpty())
        return m_texte.takeFirst();
    if (m_autoText)
        return m_autoText(e);
    scheitern(QStringLiteral("input \"%1\" / \"%2\"").arg(titel, prompt));
    return QString();
}

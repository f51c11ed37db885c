#include "basis/Zeichen.h"

Zeichenfolge::Zeichenfolge(QStringView text)
    : m_text(text)
{
    qsizetype i = 0;
    while (i < text.size() && !text.at(i).isHighSurrogate())
        ++i;
    if (i == text.size())
        return;
    m_einfach = false;
    for (qsizetype k = 0; k < i; ++k)
        m_anfang.append(k);
    while (i < text.size()) {
        m_anfang.append(i);
        i += Zeichen::laenge(text, i);
    }
    m_anfang.append(text.size());
}

namespace Zeichen {

qsizetype laenge(QStringView text, qsizetype i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

qsizetype anzahl(QStringView text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); i += laenge(text, i))
        ++n;
    return n;
}

QString ohneLetztes(const QString &text)
{
    const qsizetype n = text.size();
    if (n >= 2 && text.at(n - 1).isLowSurrogate() && text.at(n - 2).isHighSurrogate())
        return text.left(n - 2);
    return text.left(n - 1);  // an empty text stays empty
}

QString gekuerzt(const QString &text, qsizetype hoechstens)
{
    const Zeichenfolge z(text);
    if (z.size() <= hoechstens)
        return text;
    return z.left(hoechstens).toString() + QStringLiteral("…");
}

} // namespace Zeichen

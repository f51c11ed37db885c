#include "renderings/Schreibung.h"

namespace Schreibung {

QChar gross(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return QChar(u - 32);
    switch (u) {
    case u'ä': return QChar(u'Ä');
    case u'ö': return QChar(u'Ö');
    case u'ü': return QChar(u'Ü');
    default: return c;
    }
}

QChar klein(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return QChar(u + 32);
    switch (u) {
    case u'Ä': return QChar(u'ä');
    case u'Ö': return QChar(u'ö');
    case u'Ü': return QChar(u'ü');
    default: return c;
    }
}

QString gross(const QString &text)
{
    QString t = text;
    for (QChar &c : t)
        c = gross(c);
    return t;
}

QString klein(const QString &text)
{
    QString t = text;
    for (QChar &c : t)
        c = klein(c);
    return t;
}

QString zahl(long long n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

} // namespace Schreibung

#include "basis/Sortierung.h"

namespace Sortierung {

namespace {

/// Reads the key units of a text one by one.
class Einheiten
{
public:
    explicit Einheiten(const QString &t) : m_p(t.constData()), m_e(t.constData() + t.size()) {}

    bool naechste(char16_t &u)
    {
        if (m_wartend) {
            u = m_wartend;
            m_wartend = 0;
            return true;
        }
        if (m_p == m_e)
            return false;
        const char16_t c = (m_p++)->unicode();
        if (c < 0x80) {
            u = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
            return true;
        }
        switch (c) {
        case 0x00C4: case 0x00E4: u = u'a'; break; // Ä ä
        case 0x00D6: case 0x00F6: u = u'o'; break; // Ö ö
        case 0x00DC: case 0x00FC: u = u'u'; break; // Ü ü
        case 0x00DF: u = u's'; m_wartend = u's'; break; // ß
        default: u = QChar(c).toLower().unicode(); break;
        }
        return true;
    }

private:
    const QChar *m_p;
    const QChar *m_e;
    char16_t m_wartend = 0;
};

} // namespace

QString schluessel(const QString &text)
{
    QString k;
    Einheiten e(text);
    char16_t u;
    while (e.naechste(u))
        k += QChar(u);
    return k;
}

int vergleichen(const QString &a, const QString &b)
{
    Einheiten ea(a), eb(b);
    char16_t ua, ub;
    for (;;) {
        const bool ha = ea.naechste(ua);
        const bool hb = eb.naechste(ub);
        if (!ha || !hb)
            return ha ? 1 : hb ? -1 : 0;
        if (ua != ub)
            return int(ua) - int(ub);
    }
}

Praefix praefix(const QString &text)
{
    Einheiten e(text);
    Praefix p;
    char16_t u;
    for (int i = 0; i < 4; ++i)
        p.vorne = (p.vorne << 16) | (e.naechste(u) ? u : 0);
    for (int i = 0; i < 4; ++i)
        p.hinten = (p.hinten << 16) | (e.naechste(u) ? u : 0);
    return p;
}

} // namespace Sortierung

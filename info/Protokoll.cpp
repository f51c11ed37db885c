#include "info/Protokoll.h"

#include "info/Bericht.h"
#include "lists/Dateien.h"

#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <cstring>

namespace Protokoll {

namespace {

const QLatin1String kWort("Wort");
const QLatin1String kFehler("Fehler");
const QLatin1String kSchreiben("Schreiben");
const QLatin1String kLesen("Lesen");

/// A field as written: control characters become blanks, characters outside
/// Windows-1252 "?" (one for a whole surrogate pair), quotes where needed.
QString feld(const QString &text)
{
    QString s = Dateien::ersetztNichtKodierbare(text);
    for (QChar &c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    if (s.contains(QLatin1Char(';')) || s.contains(QLatin1Char('"')))
        s = QLatin1Char('"') + s.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
    return s;
}

/// A field of a line: its bytes, unquoted.
struct Feld
{
    const char *p = nullptr;
    qsizetype n = 0;
    template <size_t N> bool ist(const char (&wort)[N]) const
    {
        return n == N - 1 && std::memcmp(p, wort, N - 1) == 0;
    }
};

/// A whole number of exactly `stellen` digits at `p`.
bool ziffern(const char *p, qsizetype stellen, int &wert)
{
    wert = 0;
    for (qsizetype k = 0; k < stellen; ++k) {
        if (p[k] < '0' || p[k] > '9')
            return false;
        wert = wert * 10 + (p[k] - '0');
    }
    return true;
}

/// "yyyy-MM-dd hh:mm:ss"; `tag` holds the day of the line before, whose date `letztesDatum` is:
/// lines of one day follow each other, so the date is worked out once.
bool zeitpunkt(const Feld &f, const char (&letztesDatum)[11], qint32 &tag, quint32 &sekunde)
{
    const char *s = f.p;
    if (f.n != 19 || s[13] != ':' || s[16] != ':')
        return false;
    int h, mi, se;
    if (!ziffern(s + 11, 2, h) || !ziffern(s + 14, 2, mi) || !ziffern(s + 17, 2, se) || h > 23 || mi > 59 || se > 59)
        return false;
    if (std::memcmp(s, letztesDatum, sizeof letztesDatum) != 0) {
        int j, mo, t;
        if (s[4] != '-' || s[7] != '-' || s[10] != ' ' || !ziffern(s, 4, j) || !ziffern(s + 5, 2, mo) ||
            !ziffern(s + 8, 2, t))
            return false;
        const QDate datum(j, mo, t);
        if (!datum.isValid())
            return false;
        tag = static_cast<qint32>(datum.toJulianDay());
    }
    sekunde = static_cast<quint32>(h * 3600 + mi * 60 + se);
    return true;
}

bool zahl(const Feld &f, int min, int max, int &wert)
{
    return f.n > 0 && f.n <= 6 && ziffern(f.p, f.n, wert) && wert >= min && wert <= max;
}

QString dekodiert(const char *p, qsizetype n, bool utf8)
{
    return Dateien::zusammensetzen(utf8 ? QString::fromUtf8(p, n) : Dateien::windows1252(QByteArrayView(p, n)));
}

/// One letter as the log keeps it: a single character (a surrogate pair counts as one); 0 for anything else.
char32_t buchstabe(const Feld &f, bool utf8)
{
    if (f.n == 1 && static_cast<unsigned char>(*f.p) < 0x80)  // ASCII, the same in both encodings
        return static_cast<unsigned char>(*f.p);
    const QString s = dekodiert(f.p, f.n, utf8);
    if (s.size() == 1)
        return s.at(0).unicode();
    if (s.size() == 2 && s.at(0).isHighSurrogate() && s.at(1).isLowSurrogate())
        return QChar::surrogateToUcs4(s.at(0), s.at(1));
    return 0;
}

QString zeichen(char32_t c)
{
    return c ? QString::fromUcs4(&c, 1) : QString();
}

/// Lines longer than this are no events; they are skipped without being kept.
constexpr qsizetype kLangeZeile = 1 << 16;

} // namespace

QString dateiname()
{
    return QStringLiteral("TIPPOLO.LOG");
}

QByteArray kopfzeile()
{
    QByteArray b;
    Dateien::kodieren(QStringLiteral("Zeit;Art;Name;Übung;Modus;Wort;Stelle;Soll;Ist"), b);
    return b + "\r\n";
}

QByteArray zeile(const Eintrag &e)
{
    QString s = e.datum.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
                e.zeit.toString(QStringLiteral("hh:mm:ss"));
    s += QLatin1Char(';') + (e.art == Art::Wort ? QString(kWort) : QString(kFehler));
    s += QLatin1Char(';') + feld(e.name);
    s += QLatin1Char(';') + QString::number(e.uebung);
    s += QLatin1Char(';') + (e.lesen ? QString(kLesen) : QString(kSchreiben));
    s += QLatin1Char(';') + feld(e.wort);
    if (e.art == Art::Fehler) {
        s += QLatin1Char(';') + QString::number(e.stelle);
        s += QLatin1Char(';') + feld(e.soll);
        s += QLatin1Char(';') + feld(e.ist);
    }
    QByteArray b;
    Dateien::kodieren(s, b);  // every character has been made encodable above
    return b + "\r\n";
}

void Bestand::leeren()
{
    *this = Bestand();
}

Eintrag Bestand::eintrag(qsizetype i) const
{
    const Satz &s = m_saetze[static_cast<size_t>(i)];
    return {QDate::fromJulianDay(s.tag), QTime::fromMSecsSinceStartOfDay(static_cast<int>(s.sekunde) * 1000),
            s.fehler ? Art::Fehler : Art::Wort, m_namen.at(s.name), static_cast<int>(s.uebung), s.lesen != 0,
            m_woerter.at(s.wort), static_cast<int>(s.stelle), zeichen(s.soll), zeichen(s.ist)};
}

QList<Eintrag> Bestand::eintraege() const
{
    QList<Eintrag> l;
    l.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        l << eintrag(i);
    return l;
}

quint32 Bestand::text(QStringList &liste, QHash<QString, quint32> &index, QHash<QByteArray, quint32> *roh,
                      const char *p, qsizetype n, bool utf8)
{
    QHash<QByteArray, quint32> &bekannt = roh[utf8 ? 1 : 0];
    const auto it = bekannt.constFind(QByteArray::fromRawData(p, n));
    if (it != bekannt.constEnd())
        return it.value();
    const QString t = dekodiert(p, n, utf8);
    auto j = index.constFind(t);
    if (j == index.constEnd()) {
        liste << t;
        j = index.insert(t, static_cast<quint32>(liste.size() - 1));
    }
    bekannt.insert(QByteArray(p, n), j.value());
    return j.value();
}

void Bestand::zeile(const char *a, const char *e)
{
    // A line of a log saved as UTF-16 (little-endian) ends in CR NUL before
    // its LF, and the NUL after that LF begins the next line.
    if (a < e && *a == '\0')
        ++a;
    QByteArray umkodiert;
    if (QByteArrayView(a, e - a).endsWith(QByteArrayView("\r\0", 2))) {
        QStringDecoder utf16(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless);
        umkodiert = QString(utf16.decode(QByteArrayView(a, e - 2))).toUtf8();
        a = umkodiert.constData();
        e = a + umkodiert.size();
        if (umkodiert.startsWith("\xEF\xBB\xBF"))
            a += 3;
    } else if (a < e && e[-1] == '\r') {
        --e;
    }
    bool hoch = false;
    for (const char *p = a; p < e; ++p) {
        const auto b = static_cast<unsigned char>(*p);
        // A CR or another control character: a line cut off, or none of ours.
        if (b < 0x20 || b == 0x7F)
            return;
        hoch |= b >= 0x80;
    }
    felder(a, e, hoch && Dateien::istUtf8MitUmlauten(QByteArrayView(a, e - a)));
}

void Bestand::felder(const char *a, const char *e, bool utf8)
{
    if (utf8 && e - a >= 3 && std::memcmp(a, "\xEF\xBB\xBF", 3) == 0)
        a += 3;
    Feld f[9];
    thread_local QByteArray entquotet[9];
    int n = 0;
    for (const char *p = a;;) {
        if (n == 9)
            return;
        if (p < e && *p == '"') {
            QByteArray &b = entquotet[n];
            b.clear();
            for (++p;; ++p) {
                if (p >= e)
                    return;
                if (*p == '"') {
                    if (p + 1 < e && p[1] == '"')
                        ++p;
                    else
                        break;
                }
                b += *p;
            }
            ++p;
            if (p < e && *p != ';')
                return;
            f[n++] = {b.constData(), b.size()};
        } else {
            const char *s = static_cast<const char *>(std::memchr(p, ';', static_cast<size_t>(e - p)));
            if (!s)
                s = e;
            f[n++] = {p, s - p};
            p = s;
        }
        if (p >= e)
            break;
        ++p;  // the semicolon
    }
    Satz s;
    qint32 tag = m_letzterTag;
    quint32 sekunde;
    int uebung, stelle = 0;
    const bool fehler = n == 9;
    if ((n != 6 && !fehler) || !zeitpunkt(f[0], m_letztesDatum, tag, sekunde) || !(fehler ? f[1].ist("Fehler") : f[1].ist("Wort")) ||
        f[2].n == 0 || f[5].n == 0 || !zahl(f[3], 1, 28, uebung))
        return;
    const bool lesen = f[4].ist("Lesen");
    if (!lesen && !f[4].ist("Schreiben"))
        return;
    if (fehler) {
        s.soll = buchstabe(f[7], utf8);
        s.ist = buchstabe(f[8], utf8);
        if (!zahl(f[6], 1, 100000, stelle) || !s.soll || !s.ist)
            return;
    }
    std::memcpy(m_letztesDatum, f[0].p, sizeof m_letztesDatum);
    m_letzterTag = tag;
    s.tag = tag;
    s.sekunde = sekunde;
    s.uebung = static_cast<quint32>(uebung);
    s.lesen = lesen;
    s.fehler = fehler;
    s.stelle = static_cast<quint32>(stelle);
    s.name = text(m_namen, m_namenIndex, m_namenRoh, f[2].p, f[2].n, utf8);
    s.wort = text(m_woerter, m_woerterIndex, m_woerterRoh, f[5].p, f[5].n, utf8);
    if (fehler) {
        // The class hangs on the two letters and the one before them in the word.
        const QString &wort = m_woerter.at(s.wort);
        const char16_t vorher = stelle >= 2 && stelle - 2 < wort.size() ? wort.at(stelle - 2).unicode() : 0;
        const quint64 schluessel = quint64(s.soll) << 37 | quint64(s.ist) << 16 | vorher;
        auto it = m_klassen.constFind(schluessel);
        if (it == m_klassen.constEnd())
            it = m_klassen.insert(schluessel, static_cast<quint8>(Bericht::klassifizieren(
                                                  wort, stelle, zeichen(s.soll), zeichen(s.ist))));
        s.klasse = it.value();
    }
    m_saetze.push_back(s);
}

void Bestand::stueck(const char *p, qsizetype n)
{
    const char *const anfang = p;
    const char *letztes = nullptr;  // just after the last line end of this piece
    while (n > 0) {
        const char *lf = static_cast<const char *>(std::memchr(p, '\n', static_cast<size_t>(n)));
        if (!lf) {
            if (m_lang == 0 && m_rest.size() + n <= kLangeZeile) {
                m_rest.append(p, n);
            } else {
                m_lang += m_rest.size() + n;
                m_rest.clear();
            }
            break;
        }
        const qsizetype k = lf - p + 1;
        if (m_rest.isEmpty() && m_lang == 0) {
            zeile(p, lf);
        } else if (m_lang == 0 && m_rest.size() + k <= kLangeZeile) {
            m_gelesen += m_rest.size();
            m_rest.append(p, k - 1);
            zeile(m_rest.constData(), m_rest.constData() + m_rest.size());
        } else {
            m_gelesen += m_lang + m_rest.size();
        }
        m_rest.clear();
        m_lang = 0;
        m_gelesen += k;
        p += k;
        n -= k;
        letztes = p;
    }
    if (letztes) {
        const char *von = std::max(anfang, letztes - 64);
        m_ende = QByteArray(von, letztes - von);
    }
}

bool Bestand::nachlesen(const QString &pfad, QString *fehler)
{
    qsizetype verglichen = 0;
    bool anders = false;
    const QByteArray ende = m_ende;
    const Dateien::Lesestand stand = Dateien::stueckweise(
        pfad,
        [&](const Dateien::Dateistand &d) {
            m_rest.clear();
            m_lang = 0;
            if (d.kennung != m_kennung || d.groesse < m_gelesen) {
                leeren();
                m_kennung = d.kennung;
                m_saetze.reserve(static_cast<size_t>(d.groesse / 56));  // a line is 50 to 65 bytes
                verglichen = ende.size();  // nothing to compare
                return qint64(0);
            }
            return m_gelesen - ende.size();
        },
        [&](const char *p, qsizetype n) {
            if (verglichen < ende.size()) {
                const qsizetype k = std::min(n, ende.size() - verglichen);
                if (std::memcmp(p, ende.constData() + verglichen, static_cast<size_t>(k)) != 0) {
                    anders = true;
                    return false;
                }
                verglichen += k;
                p += k;
                n -= k;
            }
            stueck(p, n);
            return true;
        },
        fehler);
    if (stand == Dateien::Lesestand::Gelesen && anders) {
        // Rewritten in place since the last look: everything again, with nothing to compare.
        leeren();
        return nachlesen(pfad, fehler);
    }
    if (stand != Dateien::Lesestand::Gelesen)
        leeren();
    return stand == Dateien::Lesestand::Gelesen || stand == Dateien::Lesestand::Fehlt;
}

void Bestand::lesen(const QByteArray &bytes)
{
    leeren();
    stueck(bytes.constData(), bytes.size());
}

QList<Eintrag> einlesen(const QByteArray &bytes)
{
    Bestand b;
    b.lesen(bytes);
    return b.eintraege();
}

Schreiber::~Schreiber()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_ende = true;
    }
    m_neu.notify_one();
    if (m_faden.joinable())
        m_faden.join();
}

void Schreiber::schreiben(Eintrag e)
{
    const QDateTime t = jetzt();
    e.datum = t.date();
    e.zeit = QTime(t.time().hour(), t.time().minute(), t.time().second());
    const QByteArray bytes = zeile(e);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_wartend += bytes;
        if (!m_faden.joinable())
            m_faden = std::thread([this] { arbeiten(); });
    }
    m_neu.notify_one();
}

void Schreiber::arbeiten()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_neu.wait(lock, [this] { return m_ende || !m_wartend.isEmpty(); });
        if (m_wartend.isEmpty())
            return;
        // Everything that came in meanwhile goes to the disk in one write.
        QByteArray bytes;
        bytes.swap(m_wartend);
        m_schreibt = true;
        lock.unlock();
        QString grund;
        const bool ok = Dateien::anhaengen(m_pfad, bytes, kopfzeile(), &grund);
        lock.lock();
        m_schreibt = false;
        if (!ok)
            m_fehler = grund;
        m_fertig.notify_all();
    }
}

void Schreiber::warten() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_fertig.wait(lock, [this] { return m_wartend.isEmpty() && !m_schreibt; });
}

QString Schreiber::fehler() const
{
    warten();
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_fehler;
}

void Schreiber::wortGeloest(const QString &name, int uebung, bool lesen, const QString &wort)
{
    schreiben({{}, {}, Art::Wort, name, uebung, lesen, wort, 0, {}, {}});
}

void Schreiber::falscherBuchstabe(const QString &name, int uebung, bool lesen, const QString &wort, int stelle,
                                  const QString &soll, const QString &ist)
{
    schreiben({{}, {}, Art::Fehler, name, uebung, lesen, wort, stelle, soll, ist});
}

} // namespace Protokoll

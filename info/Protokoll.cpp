#include "info/Protokoll.h"

#include "lists/Dateien.h"

#include <QFileInfo>
#include <QStringList>

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
    QString s;
    s.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            s += QLatin1Char('?');
            ++i;
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            s += QLatin1Char(' ');
        } else if (!Dateien::kodierbar(QString(c))) {
            s += QLatin1Char('?');
        } else {
            s += c;
        }
    }
    if (s.contains(QLatin1Char(';')) || s.contains(QLatin1Char('"')))
        s = QLatin1Char('"') + s.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
    return s;
}

/// Splits a line into its fields; false when a quoted field is not closed.
bool teilen(QStringView zeile, QList<QStringView> &felder, QStringList &entquotet)
{
    felder.clear();
    qsizetype i = 0;
    const qsizetype n = zeile.size();
    for (;;) {
        if (i < n && zeile.at(i) == QLatin1Char('"')) {
            QString s;
            ++i;
            for (;;) {
                if (i >= n)
                    return false;
                if (zeile.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && zeile.at(i + 1) == QLatin1Char('"')) {
                        s += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                s += zeile.at(i++);
            }
            if (i < n && zeile.at(i) != QLatin1Char(';'))
                return false;
            entquotet << s;
            felder << QStringView(entquotet.last());
        } else {
            qsizetype e = i;
            while (e < n && zeile.at(e) != QLatin1Char(';'))
                ++e;
            felder << zeile.mid(i, e - i);
            i = e;
        }
        if (i >= n)
            return true;
        ++i;  // the semicolon
    }
}

/// A whole number of exactly `stellen` digits at `pos`.
bool ziffern(QStringView s, qsizetype pos, int stellen, int &wert)
{
    wert = 0;
    for (int k = 0; k < stellen; ++k) {
        const QChar c = s.at(pos + k);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        wert = wert * 10 + (c.unicode() - '0');
    }
    return true;
}

bool zeitpunkt(QStringView s, QDate &datum, QTime &zeit)
{
    // "yyyy-MM-dd hh:mm:ss"
    if (s.size() != 19 || s.at(4) != QLatin1Char('-') || s.at(7) != QLatin1Char('-') || s.at(10) != QLatin1Char(' ') ||
        s.at(13) != QLatin1Char(':') || s.at(16) != QLatin1Char(':'))
        return false;
    int j, mo, t, h, mi, se;
    if (!ziffern(s, 0, 4, j) || !ziffern(s, 5, 2, mo) || !ziffern(s, 8, 2, t) || !ziffern(s, 11, 2, h) ||
        !ziffern(s, 14, 2, mi) || !ziffern(s, 17, 2, se))
        return false;
    datum = QDate(j, mo, t);
    zeit = QTime(h, mi, se);
    return datum.isValid() && zeit.isValid();
}

bool zahl(QStringView s, int min, int max, int &wert)
{
    if (s.isEmpty() || s.size() > 6)
        return false;
    if (!ziffern(s, 0, static_cast<int>(s.size()), wert))
        return false;
    return wert >= min && wert <= max;
}

/// One letter as the log keeps it: a single character (a surrogate pair counts as one).
bool buchstabe(QStringView s)
{
    return s.size() == 1 || (s.size() == 2 && s.at(0).isHighSurrogate());
}

} // namespace

bool Eintrag::operator==(const Eintrag &o) const
{
    return datum == o.datum && zeit == o.zeit && art == o.art && name == o.name && uebung == o.uebung &&
           lesen == o.lesen && wort == o.wort && stelle == o.stelle && soll == o.soll && ist == o.ist;
}

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

bool lesen(QStringView text, Eintrag &e)
{
    thread_local QList<QStringView> f;
    thread_local QStringList entquotet;
    entquotet.clear();
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    if (!teilen(text, f, entquotet))
        return false;
    if (f.size() != 6 && f.size() != 9)
        return false;
    Eintrag neu;
    if (!zeitpunkt(f.at(0), neu.datum, neu.zeit))
        return false;
    if (f.at(1) == kWort && f.size() == 6)
        neu.art = Art::Wort;
    else if (f.at(1) == kFehler && f.size() == 9)
        neu.art = Art::Fehler;
    else
        return false;
    neu.name = f.at(2).toString();
    if (neu.name.isEmpty() || !zahl(f.at(3), 1, 28, neu.uebung))
        return false;
    if (f.at(4) == kLesen)
        neu.lesen = true;
    else if (f.at(4) != kSchreiben)
        return false;
    neu.wort = f.at(5).toString();
    if (neu.wort.isEmpty())
        return false;
    if (neu.art == Art::Fehler) {
        if (!zahl(f.at(6), 1, 100000, neu.stelle) || !buchstabe(f.at(7)) || !buchstabe(f.at(8)))
            return false;
        neu.soll = f.at(7).toString();
        neu.ist = f.at(8).toString();
    }
    e = std::move(neu);
    return true;
}

QList<Eintrag> einlesen(const QByteArray &bytes)
{
    QList<Eintrag> liste;
    const QString text = Dateien::dekodieren(bytes);
    const QStringView alles(text);
    qsizetype anfang = 0;
    Eintrag e;
    for (;;) {
        const qsizetype ende = alles.indexOf(QLatin1Char('\n'), anfang);
        // A last line without its line end was cut off while being written.
        if (ende < 0)
            break;
        if (lesen(alles.mid(anfang, ende - anfang), e))
            liste.append(e);
        anfang = ende + 1;
    }
    return liste;
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

QList<Eintrag> Schreiber::alle() const
{
    warten();
    // Only a plain file: a device in its place would never end.
    QByteArray bytes;
    if (!QFileInfo(m_pfad).isFile() || !Dateien::lesen(m_pfad, bytes))
        return {};
    return einlesen(bytes);
}

} // namespace Protokoll

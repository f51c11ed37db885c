#include "ui/Dateibrowser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>

// ---------------------------------------------------------------- Laufwerkliste

Laufwerkliste::Laufwerkliste(QWidget *parent, const QString &name)
    : QComboBox(parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    neuLesen();
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        if (!m_still)
            Q_EMIT Change();
    });
}

namespace {

/// A field of the mount table, with its octal escapes ("\040" a blank) undone.
QString mountfeld(const QByteArray &feld)
{
    QByteArray b;
    for (qsizetype i = 0; i < feld.size(); ++i) {
        if (feld.at(i) == '\\' && i + 3 < feld.size()) {
            bool ok = false;
            const int wert = feld.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                b.append(static_cast<char>(wert));
                i += 3;
                continue;
            }
        }
        b.append(feld.at(i));
    }
    return QFile::decodeName(b);
}

} // namespace

QStringList Laufwerkliste::laufwerkeAus(const QByteArray &mounttabelle)
{
    // System file systems hold no word lists.
    static const QList<QByteArray> kSystem{"tmpfs",    "devtmpfs",   "proc",     "sysfs",     "overlay",
                                           "squashfs", "devpts",     "nsfs",     "tracefs",   "debugfs",
                                           "securityfs", "mqueue",   "hugetlbfs", "pstore",   "bpf",
                                           "fusectl",  "configfs",   "autofs",   "binfmt_misc", "efivarfs"};
    QStringList pfade{QDir::rootPath(), QDir::homePath()};
    for (const QByteArray &zeile : mounttabelle.split('\n')) {
        const QList<QByteArray> felder = zeile.simplified().split(' ');
        if (felder.size() < 3)
            continue;
        const QByteArray &typ = felder.at(2);
        if (kSystem.contains(typ) || typ.startsWith("cgroup"))
            continue;
        const QString pfad = mountfeld(felder.at(1));
        if (!pfad.startsWith(QLatin1Char('/')) || pfade.contains(pfad))
            continue;
        pfade << pfad;
    }
    return pfade;
}

void Laufwerkliste::neuLesen()
{
    m_still = true;
    clear();
    // Only the system's table of mounts is read, never a drive itself: a hung
    // network drive must not stall the window. A drive that is not ready says
    // so when it is picked.
    QFile tabelle(QStringLiteral("/proc/self/mounts"));
    const QByteArray text = tabelle.open(QIODevice::ReadOnly) ? tabelle.readAll() : QByteArray();
    for (const QString &p : laufwerkeAus(text))
        addItem(anzeigename(p), p);
    m_still = false;
}

QString Laufwerkliste::anzeigename(const QString &pfad)
{
    if (pfad == QDir::homePath())
        return QStringLiteral("Persönlicher Ordner");
    if (pfad == QDir::rootPath())
        return QStringLiteral("Dateisystem  ") + pfad;
    return pfad;
}

int Laufwerkliste::indexVon(const QString &pfad) const
{
    // The longest drive path that the folder lies in.
    int beste = -1, laenge = -1;
    const QString p = QDir::cleanPath(pfad);
    for (int i = 0; i < count(); ++i) {
        const QString d = itemData(i).toString();
        const bool passt = p == d || p.startsWith(d.endsWith(QLatin1Char('/')) ? d : d + QLatin1Char('/'));
        if (passt && d.size() > laenge) {
            beste = i;
            laenge = static_cast<int>(d.size());
        }
    }
    return beste;
}

QString Laufwerkliste::laufwerkVon(const QString &pfad) const
{
    const int i = indexVon(pfad);
    return i < 0 ? QString() : itemData(i).toString();
}

void Laufwerkliste::setDriveFor(const QString &pfad)
{
    m_still = true;
    setCurrentIndex(indexVon(pfad));
    m_still = false;
}

QString Laufwerkliste::aktuellerOrdner() const
{
    const QString d = Drive();
    const QString ordner = m_ordner.value(d);
    return !ordner.isEmpty() && QFileInfo(ordner).isDir() ? ordner : d;
}

void Laufwerkliste::merken(const QString &pfad)
{
    const QString d = laufwerkVon(pfad);
    if (!d.isEmpty())
        m_ordner.insert(d, QDir::cleanPath(pfad));
}

void Laufwerkliste::setDrive(const QString &laufwerk)
{
    const int i = findData(laufwerk);
    if (i < 0) {
        addItem(anzeigename(laufwerk), laufwerk);
        setCurrentIndex(count() - 1);
    } else if (i == currentIndex()) {
        Q_EMIT Change();
    } else {
        setCurrentIndex(i);
    }
}

// ---------------------------------------------------------------- Verzeichnisliste

Verzeichnisliste::Verzeichnisliste(QWidget *parent, const QString &name)
    : Liste(parent, name, false, true)
{
    connect(this, &Liste::Click, this, [this] {
        const QString pfad = m_pfade.value(ListIndex(), m_pfad);
        if (pfad != m_pfad)
            setPath(pfad);
    });
}

bool Verzeichnisliste::setPath(const QString &pfad)
{
    QDir d(pfad);
    if (!d.exists() || !d.isReadable())
        return false;
    m_pfad = QDir::cleanPath(d.absolutePath());
    fuellen();
    Q_EMIT Change();
    return true;
}

void Verzeichnisliste::fuellen()
{
    QStringList kette;
    QDir d(m_pfad);
    kette.prepend(d.absolutePath());
    while (d.cdUp())
        kette.prepend(d.absolutePath());
    QStringList namen;
    m_pfade.clear();
    int tiefe = 0;
    for (const QString &k : kette) {
        const QString name = k == QDir::rootPath() ? k : QFileInfo(k).fileName();
        namen << QString(tiefe * 2, QLatin1Char(' ')) + QStringLiteral("▾ ") + name;
        m_pfade << k;
        ++tiefe;
    }
    QStringList unter = QDir(m_pfad).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable);
    std::stable_sort(unter.begin(), unter.end(), [](const QString &a, const QString &b) {
        return Sortierung::schluessel(a) < Sortierung::schluessel(b);
    });
    for (const QString &u : unter) {
        namen << QString(tiefe * 2, QLatin1Char(' ')) + QStringLiteral("▸ ") + u;
        m_pfade << QDir(m_pfad).filePath(u);
    }
    const QSignalBlocker sperre(this);
    Clear();
    addItems(namen);
    setListIndex(static_cast<int>(kette.size()) - 1);
}

// ---------------------------------------------------------------- Dateiliste

Dateiliste::Dateiliste(QWidget *parent, const QString &name, const QString &muster)
    : Liste(parent, name, true, true), m_muster(muster)
{
}

void Dateiliste::setPath(const QString &pfad)
{
    m_pfad = QDir::cleanPath(QDir(pfad).absolutePath());
    Refresh();
}

namespace {

/// Whether `name` fits the pattern (`*` any text, `?` one character), ignoring
/// case. Matched here rather than by QDir's name filters, which would bring in
/// the regular-expression engine at start-up for one pattern.
bool passt(QStringView name, QStringView muster)
{
    qsizetype n = 0, m = 0, sternM = -1, sternN = 0;
    while (n < name.size()) {
        if (m < muster.size() && (muster[m] == QLatin1Char('?') || muster[m].toCaseFolded() == name[n].toCaseFolded())) {
            ++n;
            ++m;
        } else if (m < muster.size() && muster[m] == QLatin1Char('*')) {
            sternM = m++;
            sternN = n;
        } else if (sternM >= 0) {
            m = sternM + 1;
            n = ++sternN;
        } else {
            return false;
        }
    }
    while (m < muster.size() && muster[m] == QLatin1Char('*'))
        ++m;
    return m == muster.size();
}

} // namespace

void Dateiliste::Refresh()
{
    QStringList namen = QDir(m_pfad).entryList(QDir::Files | QDir::Readable | QDir::Hidden);
    namen.removeIf([this](const QString &name) { return !passt(name, m_muster); });
    Clear();
    addItems(namen);
}

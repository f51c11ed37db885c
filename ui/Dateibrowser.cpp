#include "ui/Dateibrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QStorageInfo>

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

void Laufwerkliste::neuLesen()
{
    m_still = true;
    clear();
    QStringList pfade{QDir::rootPath(), QDir::homePath()};
    for (const QStorageInfo &s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid() || !s.isReady())
            continue;
        const QString fs = QString::fromLatin1(s.fileSystemType());
        // System file systems hold no word lists.
        const QStringList kSystem{QStringLiteral("tmpfs"), QStringLiteral("devtmpfs"), QStringLiteral("proc"),
                                         QStringLiteral("sysfs"), QStringLiteral("overlay"), QStringLiteral("squashfs"),
                                         QStringLiteral("devpts"), QStringLiteral("nsfs"), QStringLiteral("tracefs"),
                                         QStringLiteral("debugfs"), QStringLiteral("securityfs"), QStringLiteral("mqueue"),
                                         QStringLiteral("hugetlbfs"), QStringLiteral("pstore"), QStringLiteral("bpf"),
                                         QStringLiteral("fusectl"), QStringLiteral("configfs"), QStringLiteral("autofs")};
        if (kSystem.contains(fs) || fs.startsWith(QLatin1String("cgroup")))
            continue;
        if (!pfade.contains(s.rootPath()))
            pfade << s.rootPath();
    }
    for (const QString &p : pfade)
        addItem(p == QDir::homePath() ? QStringLiteral("%1 (Home)").arg(p) : p, p);
    m_still = false;
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
        addItem(laufwerk, laufwerk);
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
        const int i = ListIndex();
        if (i >= 0 && i < m_pfade.size() && m_pfade.at(i) != m_pfad)
            setPath(m_pfade.at(i));
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

void Dateiliste::Refresh()
{
    QDir d(m_pfad);
    d.setNameFilters({m_muster});
    d.setFilter(QDir::Files | QDir::Readable | QDir::Hidden);
    // QDir matches name filters ignoring case, as the file list must.
    const QStringList namen = d.entryList();
    Clear();
    addItems(namen);
}

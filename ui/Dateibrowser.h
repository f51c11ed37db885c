#pragma once

#include "ui/Liste.h"

#include <QComboBox>
#include <QHash>
#include <QStringList>

/// The drive box. On this platform the "drives" are the mounted file
/// systems: the root folder and the home folder first, then the others.
class Laufwerkliste : public QComboBox
{
    Q_OBJECT
public:
    Laufwerkliste(QWidget *parent, const QString &name);
    /// The picked drive (a folder path).
    QString Drive() const { return currentData().toString(); }
    /// Picks the drive that holds `pfad`, without raising Change.
    void setDriveFor(const QString &pfad);
    /// Picks a drive by its path, raising Change as a user's pick would.
    void setDrive(const QString &laufwerk);
    /// Reads the drives again from the system's table of mounts.
    void neuLesen();
    /// The drives of a mount table (the text of /proc/self/mounts): the root
    /// folder, the home folder, then every other mount point in table order,
    /// except system file systems. No drive is touched, so none can stall.
    static QStringList laufwerkeAus(const QByteArray &mounttabelle);
    /// How the box names a drive: the home folder as "Persönlicher Ordner",
    /// the root as "Dateisystem  /", every other drive by its path.
    static QString anzeigename(const QString &pfad);

    /// Each drive has its current folder: the last folder shown on it, at
    /// first its root. This is the current folder of the picked drive.
    QString aktuellerOrdner() const;
    /// Remembers `pfad` as the current folder of the drive that holds it.
    void merken(const QString &pfad);
    /// The drive (a path of the box) that holds `pfad`; empty when none does.
    QString laufwerkVon(const QString &pfad) const;

Q_SIGNALS:
    void Change();

private:
    int indexVon(const QString &pfad) const;
    bool m_still = false;
    QHash<QString, QString> m_ordner;
};

/// The folder box: the folders from the root down to the current one, then
/// the current folder's subfolders. Picking one makes it the current folder
/// and raises Change.
class Verzeichnisliste : public Liste
{
    Q_OBJECT
public:
    Verzeichnisliste(QWidget *parent, const QString &name);
    QString Path() const { return m_pfad; }
    /// Sets the current folder and raises Change. Returns false (and changes
    /// nothing) when the folder cannot be read.
    bool setPath(const QString &pfad);

Q_SIGNALS:
    void Change();

private:
    void fuellen();
    QString m_pfad;
    QStringList m_pfade;  ///< the folder of each entry
};

/// The file list: the files of a folder that match a pattern (ignoring
/// case), sorted alphabetically.
class Dateiliste : public Liste
{
    Q_OBJECT
public:
    Dateiliste(QWidget *parent, const QString &name, const QString &muster = QStringLiteral("*.TXT"));
    QString Path() const { return m_pfad; }
    void setPath(const QString &pfad);
    /// Reads the folder again.
    void Refresh();

private:
    QString m_pfad;
    const QString m_muster;
};

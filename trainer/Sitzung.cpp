#include "trainer/Sitzung.h"

#include <QDir>

Sitzung::Sitzung(Boxen &boxen, const QString &arbeitsordner)
    : modul(*this), m_boxen(boxen), m_arbeitsordner(QDir(arbeitsordner).absolutePath()),
      m_protokoll(QDir(m_arbeitsordner).filePath(Protokoll::dateiname()))
{
}

Sitzung::~Sitzung() = default;

QString Sitzung::datei(const QString &name) const
{
    return QDir(m_arbeitsordner).filePath(name);
}

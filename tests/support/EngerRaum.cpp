#include "support/EngerRaum.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

QString EngerRaum::eigeneMounts()
{
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return QString();
}

EngerRaum::EngerRaum(const QString &ordner, int kib)
    : m_ordner(QFile::encodeName(ordner))
{
    const QByteArray optionen = "size=" + QByteArray::number(kib) + "k";
    m_eingehaengt = ::mount("tippolo-test", m_ordner.constData(), "tmpfs", 0, optionen.constData()) == 0;
}

EngerRaum::~EngerRaum()
{
    if (m_eingehaengt)
        ::umount2(m_ordner.constData(), MNT_DETACH);
}

bool EngerRaum::fuellen()
{
    const int fd = ::open((m_ordner + "/FUELLUNG").constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    const QByteArray block(4096, 'x');
    while (fd >= 0 && ::write(fd, block.constData(), block.size()) > 0) {
    }
    while (fd >= 0 && ::write(fd, "x", 1) > 0) {
    }
    const bool voll = fd >= 0 && errno == ENOSPC;
    ::close(fd);
    return voll;
}

bool EngerRaum::nurLesbar()
{
    return ::mount(nullptr, m_ordner.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

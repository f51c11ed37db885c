#include "support/EngerRaum.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

bool schreibeDatei(const char *pfad, const QByteArray &inhalt)
{
    const int fd = ::open(pfad, O_WRONLY);
    if (fd < 0)
        return false;
    const bool gut = ::write(fd, inhalt.constData(), inhalt.size()) == inhalt.size();
    ::close(fd);
    return gut;
}

QString systemfehler(const char *was)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(was), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

QString EngerRaum::eigeneMounts()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        // Not root: a user namespace of our own may give the right to mount.
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return systemfehler("unshare");
        if (!schreibeDatei("/proc/self/setgroups", "deny") ||
            !schreibeDatei("/proc/self/uid_map", QByteArray::number(uid) + ' ' + QByteArray::number(uid) + " 1") ||
            !schreibeDatei("/proc/self/gid_map", QByteArray::number(gid) + ' ' + QByteArray::number(gid) + " 1"))
            return systemfehler("uid_map");
    }
    // Mounts made from here on stay in this process.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return systemfehler("mount --make-rprivate /");
    return QString();
}

EngerRaum::EngerRaum(const QString &ordner, int kib)
    : m_ordner(ordner)
{
    const QByteArray optionen = "size=" + QByteArray::number(kib) + "k,mode=0777";
    if (::mount("tippolo-test", QFile::encodeName(ordner).constData(), "tmpfs", 0, optionen.constData()) != 0)
        m_fehler = systemfehler("mount tmpfs");
    else
        m_eingehaengt = true;
}

EngerRaum::~EngerRaum()
{
    if (m_eingehaengt)
        ::umount2(QFile::encodeName(m_ordner).constData(), MNT_DETACH);
}

bool EngerRaum::fuellen()
{
    const QByteArray pfad = QFile::encodeName(m_ordner + QStringLiteral("/FUELLUNG"));
    const int fd = ::open(pfad.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'x');
    // Whole blocks first, then single bytes, until the disk takes no more.
    while (::write(fd, block.constData(), block.size()) > 0) {
    }
    while (::write(fd, "x", 1) > 0) {
    }
    const bool voll = errno == ENOSPC;
    ::close(fd);
    return voll;
}

bool EngerRaum::nurLesbar()
{
    return ::mount(nullptr, QFile::encodeName(m_ordner).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

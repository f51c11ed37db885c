#pragma once

#include <QString>

/// A small real file system for tests of full and read-only disks: a tmpfs
/// mounted on a folder of the test (usually the Testprogramm's working
/// folder, before anything is written into it) and unmounted again at the end.
///
/// Mounting needs a mount namespace of the test's own, so that nothing shows
/// in the machine's mounts: eigeneMounts() enters one and must run at the very
/// start of main(), while the process has a single thread. It works as root
/// (CI) and, through a user namespace, for other users where the kernel
/// allows it.
class EngerRaum
{
public:
    /// Enters a private mount namespace. Returns why it failed, empty on success.
    static QString eigeneMounts();

    /// Mounts a tmpfs of `kib` KiB on `ordner`.
    EngerRaum(const QString &ordner, int kib = 64);
    ~EngerRaum();
    EngerRaum(const EngerRaum &) = delete;
    EngerRaum &operator=(const EngerRaum &) = delete;

    /// Empty when mounted, else why not.
    QString fehler() const { return m_fehler; }
    /// Fills the file system with a file "FUELLUNG" until not one byte more fits.
    bool fuellen();
    /// Makes the file system read-only.
    bool nurLesbar();

private:
    QString m_ordner;
    QString m_fehler;
    bool m_eingehaengt = false;
};

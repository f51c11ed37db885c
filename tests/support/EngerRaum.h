#pragma once

#include <QString>

/// A small real file system for tests of full and read-only disks: a tmpfs
/// mounted on a folder of the test (before anything is written into it) and
/// unmounted at the end. eigeneMounts() must run first in main(), while the
/// process has one thread: it enters a mount namespace of the test's own
/// (root, as in CI), so nothing shows in the machine's mounts.
class EngerRaum
{
public:
    /// Enters a private mount namespace; returns why not, empty on success.
    static QString eigeneMounts();

    explicit EngerRaum(const QString &ordner, int kib = 64);
    ~EngerRaum();
    EngerRaum(const EngerRaum &) = delete;
    EngerRaum &operator=(const EngerRaum &) = delete;

    bool eingehaengt() const { return m_eingehaengt; }
    /// Fills the disk with a file "FUELLUNG" until not one byte more fits.
    bool fuellen();
    bool nurLesbar();

private:
    QByteArray m_ordner;
    bool m_eingehaengt = false;
};

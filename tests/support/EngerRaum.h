#pragma once

#include <QString>

/// A small tmpfs on a still empty folder of the test, for full and read-only disks. eigeneMounts() runs
/// first in main(), while there is one thread, so the mounts stay in the test's own namespace (root, as in CI).
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

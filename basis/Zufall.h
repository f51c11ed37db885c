#pragma once

#include <QList>
#include <cstdint>
#include <random>

/// The program's one random generator. Every draw of the trainer, the
/// renderings and the games goes through it, so a test that seeds it (or
/// queues exact values) gets a reproducible run.
class Zufall
{
public:
    Zufall();

    /// Seeds from the clock, as the program does at start-up (and the
    /// gallows launch). With a fixed seed set, seeds with that instead.
    void seedFromClock();
    /// Test hook: every later seedFromClock() uses this seed.
    void setFesterSeed(std::uint64_t value);
    void seed(std::uint64_t value);

    /// A value uniform in [0, 1).
    double rnd();
    /// An index from 0 to n - 1: the integer part of rnd() * n. 0 for n < 1.
    int index(int n);

    /// Test hook: the next calls of rnd() return these values in order
    /// before the generator is asked again.
    void vorgeben(const QList<double> &werte);
    int vorgegebenUebrig() const { return static_cast<int>(m_vorgabe.size()); }

private:
    std::mt19937_64 m_gen;
    QList<double> m_vorgabe;
    bool m_fest = false;
    std::uint64_t m_festerSeed = 0;
};

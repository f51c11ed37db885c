#include "basis/Zufall.h"

#include <chrono>

Zufall::Zufall()
{
    seedFromClock();
}

void Zufall::setFesterSeed(std::uint64_t value)
{
    m_fest = true;
    m_festerSeed = value;
    seed(value);
}

void Zufall::seedFromClock()
{
    if (m_fest) {
        seed(m_festerSeed);
        return;
    }
    seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void Zufall::seed(std::uint64_t value)
{
    m_gen.seed(value);
}

double Zufall::rnd()
{
    if (!m_vorgabe.isEmpty())
        return m_vorgabe.takeFirst();
    // 53 random bits give every double of [0, 1) on the 2^-53 grid.
    return static_cast<double>(m_gen() >> 11) * (1.0 / 9007199254740992.0);
}

int Zufall::index(int n)
{
    if (n < 1)
        return 0;
    // rnd() is below 1 by at least 2^-53, so the product rounds to below n.
    return static_cast<int>(rnd() * n);
}

void Zufall::vorgeben(const QList<double> &werte)
{
    m_vorgabe += werte;
}

#include "core/random.h"

#include <optional>
#include <random>

namespace vexo {

namespace {
std::mt19937_64 &generator()
{
    static std::mt19937_64 gen{std::random_device{}()};
    return gen;
}
} // namespace

void seedRandom(quint64 seed)
{
    generator().seed(seed);
}

namespace {
std::optional<quint64> &heldSeed()
{
    static std::optional<quint64> seed;
    return seed;
}
} // namespace

void holdNextSeed(quint64 seed)
{
    heldSeed() = seed;
}

void seedRandomFromEntropy()
{
    if (heldSeed()) {
        generator().seed(*heldSeed());
        heldSeed().reset();
        return;
    }
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device()};
    generator().seed(seq);
}

double randomUnit()
{
    // 53 random bits scaled into [0, 1): never 1.0, unlike some
    // uniform_real_distribution implementations.
    return static_cast<double>(generator()() >> 11) * 0x1.0p-53;
}

int randomBelow(int n)
{
    return static_cast<int>(randomUnit() * n);
}

} // namespace vexo

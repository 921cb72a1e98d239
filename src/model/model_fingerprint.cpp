#include "model_fingerprint.h"

#include <cstring>
#include <string>

namespace orvanta {

namespace {

class Fnv64 {
public:
    void add(std::uint64_t word) {
        hash_ ^= word;
        hash_ *= prime;
    }
    void add(double value) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        add(bits);
    }
    void add(int value) { add(static_cast<std::uint64_t>(static_cast<std::int64_t>(value))); }
    std::uint64_t value() const { return hash_; }

private:
    static constexpr std::uint64_t prime = 0x100000001b3ULL;
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

template <class T> void addValues(Fnv64& hash, const T* values, std::size_t count) {
    hash.add(static_cast<std::uint64_t>(count));
    for (std::size_t i = 0; i < count; ++i)
        hash.add(static_cast<double>(values[i]));
}

template <class T> void addArray(Fnv64& hash, const Array1<T>& a) {
    hash.add(a.lower());
    hash.add(a.upper());
    addValues(hash, a.data(), a.size());
}

template <class T> void addArray(Fnv64& hash, const Array2<T>& a) {
    for (int d = 1; d <= 2; ++d) {
        hash.add(a.lower(d));
        hash.add(a.upper(d));
    }
    addValues(hash, a.data(), a.size());
}

template <class T> void addArray(Fnv64& hash, const Array3<T>& a) {
    for (int d = 1; d <= 3; ++d) {
        hash.add(a.lower(d));
        hash.add(a.upper(d));
    }
    addValues(hash, a.data(), a.size());
}

void addText(Fnv64& hash, const std::string& text) {
    hash.add(static_cast<std::uint64_t>(text.size()));
    for (const char c : text)
        hash.add(static_cast<std::uint64_t>(static_cast<unsigned char>(c)));
}

void addStructure(Fnv64& hash, const Model& m) {
    hash.add(int{m.counts.nX});
    hash.add(int{m.counts.nY});
    hash.add(int{m.counts.nStoreys});
    hash.add(int{m.counts.nExtra});
    hash.add(static_cast<double>(m.planScale));
    hash.add(static_cast<double>(m.elevScale));
    addArray(hash, m.drawMax);
    addArray(hash, m.coordX);
    addArray(hash, m.coordY);
    addArray(hash, m.levelZ);
    addArray(hash, m.members);
    addArray(hash, m.slabs);
    addArray(hash, m.beamLoads);
    addArray(hash, m.massCentre);
    addArray(hash, m.gyrationRadius);
    addArray(hash, m.storeyForce);
}

} // namespace

std::uint64_t structureFingerprint(const Model& m) {
    Fnv64 hash;
    addStructure(hash, m);
    return hash.value();
}

std::uint64_t modelFingerprint(const Model& m) {
    Fnv64 hash;
    addStructure(hash, m);
    for (const auto& [key, value] : m.settings.values()) {
        addText(hash, key);
        addText(hash, value);
    }
    return hash.value();
}

} // namespace orvanta

#include "import/compound_file.h"

#include <algorithm>
#include <cstring>

namespace qw {

const char* const kCompoundFatError = "Error in FAT";
const char* const kCompoundMiniFatError = "Error reading MiniFAT pointers";

namespace {

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFEu;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFFu;
constexpr size_t kSector = 512;
constexpr size_t kMiniSector = 64;
constexpr char kSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

} // namespace

bool CompoundFile::HasSignature(std::string_view file) {
    return file.size() >= 8 && std::memcmp(file.data(), kSignature, 8) == 0;
}

std::uint32_t CompoundFile::u32(size_t at) const {
    if (at > file_.size() || file_.size() - at < 4)
        return kEndOfChain;
    const auto* p = reinterpret_cast<const unsigned char*>(file_.data() + at);
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

bool CompoundFile::sectorInFile(std::uint32_t sector) const {
    return sector < sectorCount_;
}

std::uint32_t CompoundFile::nextSector(std::uint32_t sector) const {
    const size_t index = sector / 128;
    if (index >= fatSectors_.size() || !sectorInFile(fatSectors_[index]))
        return kEndOfChain;
    return u32(kSector * (size_t{fatSectors_[index]} + 1) + 4 * (sector % 128));
}

std::uint32_t CompoundFile::nextMiniSector(std::uint32_t sector) const {
    const size_t index = sector / 128;
    if (index >= miniFatSectors_.size() || !sectorInFile(miniFatSectors_[index]))
        return kEndOfChain;
    return u32(kSector * (size_t{miniFatSectors_[index]} + 1) + 4 * (sector % 128));
}

std::vector<std::uint32_t> CompoundFile::chain(std::uint32_t start, std::uint32_t count,
                                               bool& complete) const {
    std::vector<std::uint32_t> sectors;
    std::vector<bool> seen(sectorCount_, false);
    std::uint32_t sector = start;
    complete = false;
    while (sectors.size() < count) {
        if (!sectorInFile(sector) || seen[sector])
            return sectors;
        seen[sector] = true;
        sectors.push_back(sector);
        sector = nextSector(sector);
    }
    complete = sector == kEndOfChain;
    return sectors;
}

std::optional<CompoundFile> CompoundFile::Open(std::string_view file,
                                               std::vector<std::string>& warnings) {
    if (!HasSignature(file) || file.size() < kSector)
        return std::nullopt;
    CompoundFile cf(file);
    const auto u16 = [&](size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(file[at])) |
               (static_cast<unsigned>(static_cast<unsigned char>(file[at + 1])) << 8);
    };
    if (u16(30) != 9 || u16(32) != 6)
        return std::nullopt;
    // A last sector cut short still counts; reads stop at the end of the file.
    cf.sectorCount_ = (file.size() - kSector + kSector - 1) / kSector;

    const std::uint32_t fatCount = cf.u32(44);
    cf.firstDirectorySector_ = cf.u32(48);
    cf.miniCutoff_ = cf.u32(56);
    const std::uint32_t firstMiniFat = cf.u32(60);
    const std::uint32_t miniFatCount = cf.u32(64);
    std::uint32_t difat = cf.u32(68);
    std::uint32_t difatCount = cf.u32(72);

    // The FAT sector list: 109 entries in the header, then the DIFAT chain.
    bool stopped = false;
    for (size_t k = 0; k < 109 && cf.fatSectors_.size() < fatCount; ++k) {
        const std::uint32_t entry = cf.u32(76 + 4 * k);
        if (entry == kFreeSector) {
            stopped = true;
            break;
        }
        cf.fatSectors_.push_back(entry);
    }
    std::vector<bool> seen(cf.sectorCount_, false);
    while (!stopped && cf.fatSectors_.size() < fatCount && difatCount > 0 &&
           cf.sectorInFile(difat) && !seen[difat]) {
        seen[difat] = true;
        --difatCount;
        const size_t base = kSector * (size_t{difat} + 1);
        for (size_t k = 0; k < 127 && cf.fatSectors_.size() < fatCount; ++k) {
            const std::uint32_t entry = cf.u32(base + 4 * k);
            if (entry == kFreeSector) {
                stopped = true;
                break;
            }
            cf.fatSectors_.push_back(entry);
        }
        difat = cf.u32(base + 508);
    }
    if (cf.fatSectors_.size() < fatCount)
        warnings.push_back(kCompoundFatError);

    bool complete = true;
    if (miniFatCount > 0) {
        cf.miniFatSectors_ = cf.chain(firstMiniFat, miniFatCount, complete);
        if (!complete)
            warnings.push_back(kCompoundMiniFatError);
    }
    // The root entry (the first of the directory) holds the mini stream.
    const size_t root = kSector * (size_t{cf.firstDirectorySector_} + 1);
    if (cf.sectorInFile(cf.firstDirectorySector_)) {
        const std::uint32_t rootStart = cf.u32(root + 116);
        const std::uint32_t rootSize = cf.u32(root + 120);
        if (rootSize > 0 && rootStart != kEndOfChain) {
            cf.miniContainer_ = cf.chain(rootStart, (rootSize - 1) / kSector + 1, complete);
            if (!complete)
                warnings.push_back(kCompoundMiniFatError);
        }
    }
    return cf;
}

CompoundLookup CompoundFile::find(std::string_view asciiName, CompoundStream& stream) const {
    // The name in UTF-16LE with its terminating NUL.
    std::string wanted;
    for (char c : asciiName) {
        wanted.push_back(c);
        wanted.push_back('\0');
    }
    wanted.append(2, '\0');
    std::vector<bool> seen(sectorCount_, false);
    std::uint32_t sector = firstDirectorySector_;
    while (sector != kEndOfChain) {
        if (sector == kFreeSector)
            return CompoundLookup::Broken;
        if (!sectorInFile(sector) || seen[sector])
            return CompoundLookup::NotFound;
        seen[sector] = true;
        const size_t base = kSector * (size_t{sector} + 1);
        for (size_t entry = 0; entry < 4; ++entry) {
            const size_t at = base + 128 * entry;
            if (at + 128 > file_.size())
                break;
            if (file_.compare(at, wanted.size(), wanted) == 0) {
                stream.start = u32(at + 116);
                stream.size = u32(at + 120);
                return CompoundLookup::Found;
            }
        }
        sector = nextSector(sector);
    }
    return CompoundLookup::NotFound;
}

std::string CompoundFile::read(const CompoundStream& stream, std::uint32_t limit) const {
    const size_t wanted = std::min(stream.size, limit);
    std::string out;
    out.reserve(std::min(wanted, file_.size()));
    if (stream.size < miniCutoff_) {
        const size_t miniCount = miniContainer_.size() * (kSector / kMiniSector);
        std::vector<bool> seen(miniCount, false);
        std::uint32_t sector = stream.start;
        while (out.size() < wanted && sector < miniCount && !seen[sector]) {
            seen[sector] = true;
            const size_t at =
                kSector * (size_t{miniContainer_[sector / 8]} + 1) + kMiniSector * (sector % 8);
            if (at >= file_.size())
                break;
            const size_t take = std::min({kMiniSector, wanted - out.size(), file_.size() - at});
            out.append(file_.data() + at, take);
            sector = nextMiniSector(sector);
        }
        return out;
    }
    std::vector<bool> seen(sectorCount_, false);
    std::uint32_t sector = stream.start;
    while (out.size() < wanted && sectorInFile(sector) && !seen[sector]) {
        seen[sector] = true;
        const size_t at = kSector * (size_t{sector} + 1);
        const size_t take = std::min({kSector, wanted - out.size(), file_.size() - at});
        out.append(file_.data() + at, take);
        sector = nextSector(sector);
    }
    return out;
}

} // namespace qw

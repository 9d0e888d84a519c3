#include "settings/book_fingerprint.h"

#include "settings/book_record.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace qw {

namespace {

std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t hash) {
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

} // namespace

std::string FileFingerprint(std::string_view bytes) {
    std::uint64_t hash = Fnv1a(bytes.substr(0, kFingerprintSpan), 14695981039346656037ULL);
    if (bytes.size() > kFingerprintSpan) {
        const std::size_t tail = std::max(kFingerprintSpan, bytes.size() - kFingerprintSpan);
        hash = Fnv1a(bytes.substr(tail), hash);
    }
    char text[48];
    std::snprintf(text, sizeof text, "%llx-%016llx", static_cast<unsigned long long>(bytes.size()),
                  static_cast<unsigned long long>(hash));
    return text;
}

std::string FindMovedRecord(const ConfigFile& config, const std::string& recordName,
                            const std::string& fingerprint, const ReferenceExists& exists) {
    if (fingerprint.empty() || config.SectionExists(recordName))
        return {};
    const std::vector<std::string> owners = config.SectionsWithValue(kFingerprintKey, fingerprint);
    if (owners.size() != 1 || !exists)
        return {};
    if (exists(DecodeSectionName(owners.front())))
        return {};
    return owners.front();
}

void TakeOverRecord(ConfigFile& config, const std::string& oldName, const std::string& newName) {
    for (const std::string& key : config.ReadSection(oldName))
        config.WriteString(newName, key, config.ReadString(oldName, key, ""));
    config.EraseSection(oldName);
    config.UpdateFile();
}

} // namespace qw

#pragma once
// Builds ZIP archives for the tests with libzip, and patches their headers to
// make damaged, lying or encrypted ones.

#include <zip.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qw::test {

struct ZipMember {
    std::string name;
    std::string data;
    bool store = false; // no compression
};

// Writes an archive of the members at path; false when libzip failed.
inline bool WriteZip(const std::string& path, const std::vector<ZipMember>& members) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        return false;
    for (const ZipMember& member : members) {
        zip_source_t* source =
            zip_source_buffer(archive, member.data.data(), member.data.size(), 0);
        const zip_int64_t index =
            zip_file_add(archive, member.name.c_str(), source, ZIP_FL_ENC_GUESS);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
        if (member.store)
            zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    return zip_close(archive) == 0;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline void Put32(std::string& bytes, size_t at, std::uint32_t value) {
    for (int k = 0; k < 4; ++k)
        bytes[at + static_cast<size_t>(k)] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

inline void Or16(std::string& bytes, size_t at, std::uint16_t bits) {
    bytes[at] = static_cast<char>(static_cast<unsigned char>(bytes[at]) | (bits & 0xFF));
    bytes[at + 1] = static_cast<char>(static_cast<unsigned char>(bytes[at + 1]) | (bits >> 8));
}

// Offsets of every local header ("PK\3\4") and central header ("PK\1\2").
inline std::vector<size_t> FindSignatures(const std::string& bytes, const char* signature) {
    std::vector<size_t> found;
    for (size_t at = bytes.find(signature, 0, 4); at != std::string::npos;
         at = bytes.find(signature, at + 1, 4))
        found.push_back(at);
    return found;
}

// Sets the uncompressed size the headers of the first member declare.
inline void DeclareSize(std::string& bytes, std::uint32_t size) {
    Put32(bytes, FindSignatures(bytes, "PK\x03\x04").at(0) + 22, size);
    Put32(bytes, FindSignatures(bytes, "PK\x01\x02").at(0) + 24, size);
}

// Marks the first member as encrypted in both headers.
inline void MarkEncrypted(std::string& bytes) {
    Or16(bytes, FindSignatures(bytes, "PK\x03\x04").at(0) + 6, 1);
    Or16(bytes, FindSignatures(bytes, "PK\x01\x02").at(0) + 8, 1);
}

} // namespace qw::test

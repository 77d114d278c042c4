#include "audio/SoundLimits.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {

constexpr uint64_t maxFileBytes = 64ull * 1024 * 1024;
constexpr uint64_t maxSeconds = 600;

uint32_t U32(const std::vector<char>& b, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(b[at + i]);
    return value;
}

std::vector<char> ReadAt(std::ifstream& file, uint64_t offset, size_t count) {
    std::vector<char> bytes(count);
    file.seekg(static_cast<std::streamoff>(offset));
    file.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    file.clear();
    return bytes;
}

// RIFF chunks after the 12-byte "RIFF....WAVE" header, each an id, a length and that many bytes
// (padded to even).
std::string WavFault(std::ifstream& file, uint64_t fileSize) {
    for (uint64_t at = 12; at + 8 <= fileSize;) {
        const std::vector<char> head = ReadAt(file, at, 8);
        const uint64_t length = U32(head, 4);
        if (length > fileSize - at - 8)
            return "WAV chunk '" + std::string(head.data(), 4) + "' claims " + std::to_string(length) +
                   " bytes, the file holds " + std::to_string(fileSize);
        at += 8 + length + (length & 1);
    }
    return "";
}

// The stream's length is the granule position (samples per channel) of its last page that has one;
// the sample rate is in the identification header near the start.
std::string OggFault(std::ifstream& file, uint64_t fileSize) {
    const std::vector<char> start = ReadAt(file, 0, 4096);
    const std::string head(start.begin(), start.end());
    const size_t id = head.find("\x01vorbis");
    if (id == std::string::npos) return ""; // not Vorbis: the decoder refuses it on its own
    if (id + 16 > start.size() || U32(start, id + 12) == 0) return "Ogg Vorbis header without a sample rate";
    const uint64_t rate = U32(start, id + 12);

    const uint64_t tailStart = fileSize > 65536 ? fileSize - 65536 : 0;
    const std::vector<char> tail = ReadAt(file, tailStart, static_cast<size_t>(fileSize - tailStart));
    const std::string tailText(tail.begin(), tail.end());
    for (size_t page = tailText.rfind("OggS"); page != std::string::npos && page + 14 <= tail.size();
         page = page == 0 ? std::string::npos : tailText.rfind("OggS", page - 1)) {
        const uint64_t granule = U32(tail, page + 6) | static_cast<uint64_t>(U32(tail, page + 10)) << 32;
        if (granule == UINT64_MAX) continue; // no packet ends on this page
        if (granule / rate > maxSeconds)
            return "Ogg Vorbis stream claims " + std::to_string(granule / rate) + " seconds, more than the " +
                   std::to_string(maxSeconds) + " allowed";
        return "";
    }
    return "";
}

} // namespace

std::string SoundSizeFault(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return "cannot open";
    const uint64_t fileSize = static_cast<uint64_t>(std::max<std::streamoff>(file.tellg(), 0));
    if (fileSize > maxFileBytes)
        return "file is " + std::to_string(fileSize) + " bytes, more than the " +
               std::to_string(maxFileBytes) + " allowed";
    const std::vector<char> magic = ReadAt(file, 0, 12);
    if (magic.size() == 12 && std::string(magic.data(), 4) == "RIFF" &&
        std::string(magic.data() + 8, 4) == "WAVE")
        return WavFault(file, fileSize);
    if (magic.size() >= 4 && std::string(magic.data(), 4) == "OggS") return OggFault(file, fileSize);
    return "";
}

#include "session/FileIdentity.h"

#include <cstring>
#include <filesystem>
#include <fstream>

namespace vantor {

namespace {
constexpr char Identification[] = "@\xA5Z@_CCF";
constexpr std::size_t IdentificationAt = 8;
constexpr std::size_t Version2At = 38;
constexpr std::size_t HeaderBytes = Version2At + 2;
} // namespace

FileIdentity IdentifyFile(const std::string& fileName) {
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error)) return FileIdentity::Unreadable;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return FileIdentity::Unreadable;
    char header[HeaderBytes] = {};
    in.read(header, sizeof header);
    if (in.bad()) return FileIdentity::Unreadable;
    if (static_cast<std::size_t>(in.gcount()) < sizeof header) return FileIdentity::Unknown;
    if (std::memcmp(header + IdentificationAt, Identification, sizeof Identification - 1) != 0)
        return FileIdentity::Unknown;
    const int version2 = (static_cast<unsigned char>(header[Version2At]) << 8) |
                         static_cast<unsigned char>(header[Version2At + 1]);
    return version2 == 1 || version2 == 2 ? FileIdentity::Ccf : FileIdentity::Unknown;
}

} // namespace vantor

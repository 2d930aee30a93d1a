#include "outputs/OutputFolder.h"

#include "outputs/OutputFile.h"

#include <filesystem>
#include <system_error>

namespace vantor {

bool MakeFolder(const std::string& dir, std::string& error) {
    std::error_code failure;
    std::filesystem::create_directories(dir, failure);
    if (!failure) return true;
    error = "cannot create " + dir + ": " + failure.message();
    return false;
}

bool MakeFolderOf(const std::string& path, std::string& error) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty() || IsStreamTarget(path)) return true;
    return MakeFolder(folder.string(), error);
}

} // namespace vantor

#include "model/Tags.h"

#include <exception>

namespace vantor {

std::string MakeTag(const std::string& key, const std::string& type, std::int32_t position) {
    // One allocation: a large file's tree makes a tag for every node.
    const std::string number = std::to_string(position);
    std::string tag;
    tag.reserve(key.size() + type.size() + number.size() + 2);
    tag.append(key).append("/").append(type).append("/").append(number);
    return tag;
}

bool ParseTag(const std::string& tag, std::string& key, std::string& type, std::int32_t& position) {
    const auto first = tag.find('/');
    if (first == std::string::npos) return false;
    const auto second = tag.find('/', first + 1);
    key = tag.substr(0, first);
    type =
        tag.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    position = 0;
    if (second == std::string::npos) return true;
    const auto third = tag.find('/', second + 1);
    const std::string number =
        tag.substr(second + 1, third == std::string::npos ? std::string::npos : third - second - 1);
    try {
        position = static_cast<std::int32_t>(std::stol(number));
    } catch (const std::exception&) {
        position = 0;
    }
    return true;
}

} // namespace vantor

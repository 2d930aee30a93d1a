#include "model/basCCF.h"

namespace vantor {

std::string MakeTag(const std::string& key, const std::string& type, std::int32_t position) {
    return key + "/" + type + "/" + std::to_string(position);
}

bool ParseTag(const std::string& tag, std::string& key, std::string& type, std::int32_t& position) {
    const auto first = tag.find('/');
    if (first == std::string::npos) return false;
    const auto second = tag.find('/', first + 1);
    key = tag.substr(0, first);
    type = tag.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
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

// Being built: opening, closing and routing.

basCCF::basCCF(TreeSink& tree, ListSink& list, DisplaySink& display, UserInterface& ui)
    : TreeControl(tree), ListControl(list), DisplayControl(display), Ui(ui), Writer(OutputMode, ui), Canvas(ui) {}

CCFlocal& basCCF::OpenCCF(const std::string&) { return BrowserFiles.Item(1); }
void basCCF::CloseCurrentCCF() {}
std::string basCCF::CurrentFileName() const { return {}; }
CCFlocal* basCCF::CurrentFile() { return nullptr; }
void basCCF::ShowDetailList(const std::string&) {}
void basCCF::ShowDisplay(const std::string&) {}
void basCCF::RefreshDisplay() {}

} // namespace vantor

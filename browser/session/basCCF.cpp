#include "session/basCCF.h"

#include "session/FileViews.h"

namespace vantor {

namespace {
// The open file that a tag names, or nullptr.
CCFlocal* OwnerOf(const CCFlocals& files, const std::string& tag) {
    std::string key, type;
    std::int32_t position = 0;
    if (!ParseTag(tag, key, type, position)) return nullptr;
    return files.Item(key);
}
} // namespace

basCCF::basCCF(TreeSink& tree, ListSink& list, DisplaySink& display, UserInterface& ui)
    : TreeControl(tree), ListControl(list), DisplayControl(display), Ui(ui), Writer(ui), Page(ui),
      Canvas(ui) {}

CCFlocal& basCCF::OpenCCF(const std::string& fileName,
                          std::optional<std::vector<std::uint8_t>> bytes) {
    // A name that is already loaded fails with DuplicateKey before anything
    // is added; the file that is open stays as it was.
    const bool alreadyOpen = LibraryFiles.Contains(fileName);
    kelpie::CCF* loaded = nullptr;
    try {
        loaded = bytes ? &LibraryFiles.AddBytes(fileName, std::move(*bytes))
                       : &LibraryFiles.Add(fileName);
    } catch (...) {
        // The library keeps a partly loaded file; take it out again so that
        // the same name can be opened once more after the error is shown.
        if (!alreadyOpen && LibraryFiles.Contains(fileName)) LibraryFiles.Remove(fileName);
        throw;
    }
    std::shared_ptr<kelpie::CCF> ccf;
    for (std::int32_t i = LibraryFiles.Count(); i >= 1 && !ccf; --i)
        if (&LibraryFiles.Item(i) == loaded) ccf = LibraryFiles.ItemPtr(i);
    try {
        CCFlocal& added = BrowserFiles.Add(ccf);
        Load(*this, added);
        return added;
    } catch (...) {
        // Building the views failed: leave no half-built file behind.
        for (const auto& file : BrowserFiles) {
            if (&file->CCF() != loaded) continue;
            TreeControl.RemoveNode(file->TreeKey());
            BrowserFiles.Remove(std::string(file->Key()));
            break;
        }
        LibraryFiles.Remove(fileName);
        throw;
    }
}

void basCCF::CloseCurrentCCF() {
    CCFlocal* file = CurrentFile();
    if (file == nullptr) return;
    const std::string key = file->Key();
    TreeControl.RemoveNode(file->TreeKey());
    const std::string fileName = file->CCF().CCFfile().FileName();
    if (LibraryFiles.Contains(fileName)) LibraryFiles.Remove(fileName);
    BrowserFiles.Remove(key);
    // The list, the pane and the viewer showed the closed file.
    ListControl.ClearRows();
    ListControl.ClearColumns();
    DisplayControl.ShowDocument(std::string());
    Canvas.ClearPanelPicture();
}

std::string basCCF::CurrentFileName() const {
    const CCFlocal* file = OwnerOf(BrowserFiles, CurrentTag);
    return file ? file->CCF().CCFfile().FileName() : std::string();
}

CCFlocal* basCCF::CurrentFile() {
    return OwnerOf(BrowserFiles, CurrentTag);
}

void basCCF::ShowDetailList(const std::string& tag) {
    if (CCFlocal* file = OwnerOf(BrowserFiles, tag)) LoadListView(*this, *file, tag);
}

void basCCF::ShowDisplay(const std::string& tag) {
    if (CCFlocal* file = OwnerOf(BrowserFiles, tag)) LoadDisplay(*this, *file, tag);
}

void basCCF::RefreshDisplay() {
    if (!CurrentTag.empty()) ShowDisplay(CurrentTag);
}

} // namespace vantor

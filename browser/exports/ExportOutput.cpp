#include "exports/ExportOutput.h"

#include "outputs/OutputFolder.h"
#include "outputs/PictureFile.h"

#include <exception>
#include <ios>
#include <new>

namespace vantor {

bool ExportOutput::Failed(const std::string& error) {
    log_.Error(error);
    return false;
}

bool ExportOutput::MakeFolder(const std::string& dir) {
    std::string error;
    return vantor::MakeFolder(dir, error) || Failed(error);
}

bool ExportOutput::MakeFolderOf(const std::string& path) {
    std::string error;
    return vantor::MakeFolderOf(path, error) || Failed(error);
}

bool ExportOutput::WriteStream(const char* what, const std::string& path,
                               const std::function<void(std::ostream&)>& produce) {
    if (!MakeFolderOf(path)) return false;
    OutputFile out;
    if (!out.Open(path, bounds_)) return Failed(out.Error());
    out.Stream().exceptions(std::ios::badbit); // stop producing once a write failed
    try {
        produce(out.Stream());
    } catch (const std::bad_alloc&) {
        return Failed(std::string("out of memory while writing ") + what);
    } catch (const std::ios_base::failure&) {
        return Failed(out.Error());
    } catch (const std::exception& error) {
        return Failed(std::string("cannot write ") + what + ": " + error.what());
    }
    return out.Commit() || Failed(out.Error());
}

bool ExportOutput::WritePicture(const std::string& path, const QImage& image, const char* format) {
    std::string error;
    return WritePictureFile(path, image, format, bounds_, error) || Failed(error);
}

bool ExportOutput::WriteBytes(const std::string& path, std::string_view bytes) {
    std::string error;
    return WriteWholeFile(path, bytes, bounds_, error) || Failed(error);
}

} // namespace vantor

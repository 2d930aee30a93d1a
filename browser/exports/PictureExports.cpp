#include "exports/PictureExports.h"

#include "exports/ExportOutput.h"
#include "model/CCFlocal.h"
#include "exports/PanelPicture.h"
#include "outputs/PanelCanvas.h"

#include <kelpie/Error.h>

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace vantor {

namespace {

std::string PicturePath(const std::string& folder, const char* prefix, std::int32_t position,
                        PictureFormat format) {
    const char* extension = format == PictureFormat::Png ? ".png" : ".bmp";
    return (std::filesystem::path(folder) / (prefix + std::to_string(position) + extension))
        .string();
}

} // namespace

bool ExportIconPictures(const ExportSource& source, const ExportOptions& options,
                        const std::string& folder, ExportOutput& output) {
    if (!output.MakeFolder(folder)) return false;
    bool ok = true;
    for (const kelpie::Icon& icon : source.File.Icons()) {
        if (icon.IconType() == kelpie::ictUnknown) continue;
        const std::string path = PicturePath(folder, "icon-", icon.Position(), options.Pictures);
        const std::vector<std::uint8_t>* bitmap = nullptr;
        try {
            bitmap = &icon.Picture().Bitmap;
        } catch (const kelpie::Error& error) {
            output.Log().Notice("icon at " + std::to_string(icon.Position()) +
                                " not exported: " + error.what());
            continue;
        }
        if (options.Pictures == PictureFormat::Png) {
            const QImage image = QImage::fromData(
                QByteArray::fromRawData(reinterpret_cast<const char*>(bitmap->data()),
                                        static_cast<qsizetype>(bitmap->size())),
                "BMP");
            ok = output.WritePicture(path, image, "PNG") && ok;
            continue;
        }
        ok = output.WriteBytes(path,
                               {reinterpret_cast<const char*>(bitmap->data()), bitmap->size()}) &&
             ok;
    }
    return ok;
}

bool ExportPanelPictures(const ExportSource& source, const ExportOptions& options,
                         const std::string& folder, ExportOutput& output) {
    if (!source.Ui || !source.Local) {
        output.Log().Error("cannot draw the panels of " + source.File.CCFfile().FileName() +
                           ": the file is not open in the browser");
        return false;
    }
    if (!output.MakeFolder(folder)) return false;
    CCFlocal& local = *source.Local;
    // A canvas of its own, with the viewer's default options: the viewer's
    // picture and options stay as they are.
    PanelCanvas canvas(*source.Ui);
    if (options.ButtonState) canvas.Options.ShowButtonsAs = *options.ButtonState;
    const char* format = options.Pictures == PictureFormat::Png ? "PNG" : "BMP";
    bool ok = true;
    const auto exportPanel = [&](kelpie::Panel& panel) {
        DrawPanelPicture(canvas, *source.Ui, local, panel);
        output.Log().StepEnded();
        ok = output.WritePicture(PicturePath(folder, "panel-", panel.Position(), options.Pictures),
                                 canvas.Image(), format) &&
             ok;
    };
    const kelpie::CCF& ccf = local.CCF();
    for (const kelpie::Devices* group : {&ccf.HomeGroup(), &ccf.DevicesGroup(), &ccf.MacrosGroup()})
        for (kelpie::Device& device : *group)
            if (kelpie::Panels* panels = device.FindPanels())
                for (kelpie::Panel& panel : *panels)
                    exportPanel(panel);
    for (kelpie::Panel& panel : ccf.SpecialPanels())
        exportPanel(panel);
    return ok;
}

} // namespace vantor

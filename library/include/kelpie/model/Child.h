// What frames and buttons have in common as entries of a children list: a
// record position, a name, a placement (X, Y from the child entry that points
// to the record) and the file format their record layout depends on.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/CCFEnums.h>

#include <cstdint>
#include <memory>
#include <string>

namespace kelpie {

class Frame;
class Button;

class KELPIE_API Child : public std::enable_shared_from_this<Child> {
public:
    virtual ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    virtual CCFChildTypes ChildType() const noexcept = 0;
    virtual std::int16_t Size() const = 0;
    virtual std::int16_t Width() const noexcept = 0;
    virtual std::int16_t Height() const noexcept = 0;
    virtual CCFFonts Font() const noexcept = 0;

    // The frame or button behind this entry; nullptr for the other kind.
    virtual kelpie::Frame* AsFrame() noexcept { return nullptr; }
    virtual kelpie::Button* AsButton() noexcept { return nullptr; }
    virtual const kelpie::Frame* AsFrame() const noexcept { return nullptr; }
    virtual const kelpie::Button* AsButton() const noexcept { return nullptr; }

    std::int32_t Position() const noexcept { return position_; }
    const std::string& Name() const noexcept { return name_; }
    std::int16_t X() const noexcept { return x_; }
    std::int16_t Y() const noexcept { return y_; }
    // The format of the file the record was read from.
    CCFFileFormats FileFormat() const noexcept { return format_; }

protected:
    Child() = default;

private:
    // ---- Set while loading, through ModelBuilder ----
    friend class ModelBuilder;
    void SetPosition(std::int32_t position) noexcept { position_ = position; }
    void SetFileFormat(CCFFileFormats format) noexcept { format_ = format; }
    void SetName(std::string name) { name_ = std::move(name); }
    void SetX(std::int16_t x) noexcept { x_ = x; }
    void SetY(std::int16_t y) noexcept { y_ = y; }

    std::int32_t position_ = 0;
    CCFFileFormats format_ = fmtv1;
    std::string name_;
    std::int16_t x_ = 0;
    std::int16_t y_ = 0;
};

} // namespace kelpie

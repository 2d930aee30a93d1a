// An icon record: an 8-byte head (size, width, height, raw type) and packed
// pixel data in one of four encodings, shared by every object that shows it.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/basStructures.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelpie {

template <class T> class SharedRecords;

// Decoded pixels, row 0 at the top. Values are grey levels 0 to 3 for the
// grey encodings and palette indices 0 to 255 for the 8-bit encoding.
struct PixelArray {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint8_t> Pixels; // Height rows of Width bytes

    std::uint8_t At(std::int32_t row, std::int32_t column) const {
        return Pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(Width) +
                      static_cast<std::size_t>(column)];
    }
};

// The icon as a picture: its BMP file image, built in memory.
struct IconPicture {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint8_t> Bitmap;
};

class KELPIE_API Icon : public std::enable_shared_from_this<Icon> {
public:
    Icon();
    ~Icon();
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    const std::vector<std::uint8_t>& IconData() const noexcept { return data_; }
    // Encoding from the raw type word; ictUnknown for unknown words.
    IconTypes IconType() const noexcept;
    std::int32_t Position() const noexcept { return position_; }
    std::int32_t ReferenceCount() const noexcept { return referenceCount_; }
    std::int16_t Size() const noexcept { return record_.Size; }
    // Size - 8, the number of pixel bytes the record claims.
    std::int16_t IconSize() const;
    std::int16_t Width() const noexcept { return record_.Width; }
    std::int16_t Height() const noexcept { return record_.Height; }
    std::int16_t RawIconType() const noexcept { return record_.RawIconType; }

    // The icon's BMP image, built in memory on first use and kept (later
    // changes of the data do not rebuild it). Fails with InvalidArgument for
    // an unknown encoding, otherwise as Unpack does; a failure caches nothing.
    const IconPicture& Picture() const;

    // Writes the icon as a BMP file. An unknown encoding writes nothing and
    // reports nothing; any other failure leaves no file behind (FileError when
    // the file cannot be created or written).
    void SaveBitmap(const std::string& fileName) const;

    // Decodes the pixels; nullopt for an unknown encoding. OutOfRange when the
    // data are too short for the rows (uncompressed forms) or missing;
    // InvalidArgument for a width or height of 0 or less, or beyond the
    // largest icon a record can describe.
    std::optional<PixelArray> Unpack() const;

private:
    // ---- Set while loading, through ModelBuilder and the file's Icons ----
    friend class ModelBuilder;
    template <class T> friend class SharedRecords;
    void SetRecord(const IconRecord& record) { record_ = record; }
    void SetPosition(std::int32_t position) noexcept { position_ = position; }
    void AddReference() noexcept { ++referenceCount_; }
    // Later changes of the data do not rebuild a picture already built.
    void SetIconData(std::vector<std::uint8_t> data) { data_ = std::move(data); }

    IconRecord record_;
    std::int32_t position_ = 0;
    std::int32_t referenceCount_ = 1;
    std::vector<std::uint8_t> data_;
    mutable std::unique_ptr<IconPicture> picture_;
};

} // namespace kelpie

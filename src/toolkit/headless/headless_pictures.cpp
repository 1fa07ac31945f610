// Pictures of the headless backend: real decoding of files (to know a file loads and
// its natural size), and fixed sizes for the program's own pictures.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include <stb/stb_image.h>

#include "toolkit/application.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/jpeg_orientation.h"
#include "toolkit/picture_header.h"

namespace qs::tk::headless {

namespace {

// HIMETRIC of a length in pixels: a pixel is twipsPerPixel / 1440 inch, an inch 2540.
std::int32_t PixelsToHimetric(int pixels, float twipsPerPixel) {
    return static_cast<std::int32_t>(std::lround(pixels * 2540.0 * twipsPerPixel / 1440.0));
}

std::shared_ptr<PictureData> MakeData(PictureType type, std::string source, int widthPx, int heightPx) {
    auto data = std::make_shared<PictureData>();
    data->type = type;
    data->source = std::move(source);
    data->widthPx = widthPx;
    data->heightPx = heightPx;
    data->himetricWidth = PixelsToHimetric(widthPx, Screen::TwipsPerPixelX());
    data->himetricHeight = PixelsToHimetric(heightPx, Screen::TwipsPerPixelY());
    return data;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::uintmax_t limit) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const std::streamoff end = in.tellg();
    if (end <= 0 || static_cast<std::uintmax_t>(end) > limit) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(end));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), end)) return std::nullopt;
    return bytes;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

// Touches nothing of the backend's state: prepared pictures load on other threads.
std::optional<Picture> LoadFile(const std::string& path) {
    const auto bytes = ReadWholeFile(path, HeadlessBackend::kMaxPictureFileBytes);
    if (!bytes) return std::nullopt;
    // The structure and the declared size are checked before any pixel memory is asked for.
    MemoryBytes source(bytes->data(), bytes->size());
    const auto header = ReadPictureHeader(source);
    if (!header) return std::nullopt;
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes->data(), static_cast<int>(bytes->size()), &width, &height, &channels, 0);
    if (!pixels) return std::nullopt;
    stbi_image_free(pixels);

    if (header->format == PictureFormat::Jpeg && OrientationSwapsAxes(JpegOrientation(bytes->data(), bytes->size())))
        std::swap(width, height);
    return Picture(MakeData(PictureType::Bitmap, path, width, height));
}

} // namespace

std::optional<Picture> HeadlessBackend::loadPicture(const std::string& path) {
    pictureLoads_.push_back(path);
    return LoadFile(path);
}

// Nothing is drawn here, so a prepared picture only needs to have loaded.
std::optional<Picture> HeadlessBackend::preparePicture(const std::string& path,
                                                       const std::function<DisplayPlace(const Picture&)>&) {
    return LoadFile(path);
}

std::optional<FileStamp> HeadlessBackend::fileStamp(const std::string& path) {
    std::error_code error;
    const std::filesystem::path file(path);
    if (path.empty() || !std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) return std::nullopt;
    const auto time = std::filesystem::last_write_time(file, error);
    if (error) return std::nullopt;
    return FileStamp{size, static_cast<std::int64_t>(time.time_since_epoch().count())};
}

Picture HeadlessBackend::appIcon() { return Picture(MakeData(PictureType::Icon, "APPICON", 32, 32)); }

Picture HeadlessBackend::resourcePicture(std::string_view name) {
    if (EqualsIgnoringCase(name, "MONITOR")) return Picture(MakeData(PictureType::Bitmap, "MONITOR", 189, 174));
    if (EqualsIgnoringCase(name, "LOGO")) return Picture(MakeData(PictureType::Bitmap, "LOGO", 117, 85));
    return Picture();
}

} // namespace qs::tk::headless

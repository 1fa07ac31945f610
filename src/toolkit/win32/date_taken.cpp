// The date a picture was taken, written for the user: its EXIF DateTimeOriginal, else the
// file's last-write time in local time, as the user's locale writes a long date.
#include "toolkit/win32/wic_pictures.h"

#include "platform/win32/file_stamp.h"
#include "platform/win32/wide_text.h"
#include "toolkit/exif_date.h"

namespace qs::tk::win32 {

namespace {

std::string LongDate(const SYSTEMTIME& time) {
    wchar_t text[128] = {};
    const int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &time, nullptr, text, 128);
    return n > 1 ? platform::Narrow(std::wstring_view(text, static_cast<std::size_t>(n - 1))) : std::string();
}

std::optional<SYSTEMTIME> LastWriteLocalTime(const std::string& path) {
    const std::optional<FileStamp> stamp = platform::FileStampOf(path);
    if (!stamp) return std::nullopt;
    const auto ticks = static_cast<std::uint64_t>(stamp->writeTime);
    const FILETIME utc{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME universal{}, local{};
    if (!FileTimeToSystemTime(&utc, &universal) || !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return std::nullopt;
    return local;
}

} // namespace

std::string DateTakenText(ByteSource& bytes, const std::string& path) {
    if (const std::optional<TakenTime> taken = ExifDateTakenOf(bytes)) {
        // The camera's own clock: local time as it is.
        SYSTEMTIME time{};
        time.wYear = static_cast<WORD>(taken->year);
        time.wMonth = static_cast<WORD>(taken->month);
        time.wDay = static_cast<WORD>(taken->day);
        time.wHour = static_cast<WORD>(taken->hour);
        time.wMinute = static_cast<WORD>(taken->minute);
        time.wSecond = static_cast<WORD>(taken->second);
        const std::string text = LongDate(time);
        if (!text.empty()) return text;
    }
    const std::optional<SYSTEMTIME> written = LastWriteLocalTime(path);
    return written ? LongDate(*written) : std::string();
}

} // namespace qs::tk::win32

// Helpers of the Win32 toolkit tests: the toolkit set up once per process, message
// pumping with a deadline, picture files written by the tests themselves.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qs::test::win {

// Installs the Win32 platform services and the Win32 toolkit backend (once).
void EnsureToolkit();

// Handles messages the way the program's loop does until `done` is true or the
// deadline passes; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Handles whatever is queued now, and what that causes, for about `ms` milliseconds.
void PumpFor(int ms);

// A fresh folder under the temporary folder, unique to this process.
std::string TempFolder();
std::string TempFile(const std::string& name);
bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadBytes(const std::string& path);

using PixelFn = std::function<COLORREF(int x, int y)>;
// A picture encoded by the imaging component's own encoder (JPEG, PNG, GIF, TIFF, BMP).
std::vector<std::uint8_t> EncodeWithWic(const GUID& container, int width, int height, const PixelFn& pixel);
// The JPEG with an APP1 Exif segment holding `orientation` inserted after its SOI.
std::vector<std::uint8_t> WithExifOrientation(const std::vector<std::uint8_t>& jpeg, int orientation);
// A 48 x 32 progressive JPEG: red, green / blue, white quadrants.
const std::vector<std::uint8_t>& ProgressiveJpeg();

// The process's private memory now, in bytes.
std::uint64_t PrivateBytes();

} // namespace qs::test::win

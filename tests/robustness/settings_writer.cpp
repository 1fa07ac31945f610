// Saves a slide list as the settings dialog's OK does, for the test that ends it midway:
//   settings_writer <settings file> <slides> <folder of the pictures>
// Exits with the save's error code (0 when saved).
#include <cstdlib>
#include <string>

#include "platform/win32/profile_win32.h"
#include "settings/settings_file.h"

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    const auto profile = qs::platform::MakeWin32ProfileFile();
    qs::SettingsFile file(*profile, argv[1]);
    qs::Settings settings = file.load();
    std::vector<qs::Slide> slides;
    for (int i = 1, n = std::atoi(argv[2]); i <= n; ++i)
        slides.push_back({std::string(argv[3]) + "\\" + std::to_string(i) + ".jpg", i % 2 == 0, i % 3 == 0, true});
    settings.replaceSlides(std::move(slides));
    return static_cast<int>(file.save(settings, qs::SaveRule::Confirmed).error);
}

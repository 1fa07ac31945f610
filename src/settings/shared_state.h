// The only state the windows share across the process. One user-interface thread reads
// and writes it; nothing is locked. The settings object itself lives in app_settings.h.
#pragma once

namespace qs {

// When the slide on show was drawn: days since 30 December 1899. Shared so that the
// settings dialog and the editor can make the next slide of the show behind them due.
extern double LastSlideTime;

// While true, releasing the settings object writes nothing.
extern bool DiscardSettings;

} // namespace qs

// The caption over a slide's picture: its file name, the date it was taken, or both, as
// the show's options ask. It is drawn in the bottom left corner of the show's surface,
// light with a dark outline so that it reads on any picture, and sized as the rest of a
// slide: a share of the screen's caption as the surface is a share of the screen, never
// smaller than a size that still reads. The text slide has none.
#pragma once

#include <string>

#include "settings/show_options.h"
#include "toolkit/surface.h"

namespace qs {

// The caption's text: the file's name (the path's last part) and the date taken, joined
// by a dash when both are asked for; empty when neither is, or nothing is known.
std::string CaptionText(const ShowOptions& options, const std::string& path, const std::string& dateTaken);

// The caption's font size in points on a surface `surfaceWidth` wide on a screen
// `screenWidth` wide (both twips).
double CaptionPoints(double surfaceWidth, double screenWidth);

// Shows `text` as the surface's caption, above its picture; empty text takes it away.
void ShowCaption(tk::Surface& surface, const std::string& text);

} // namespace qs

// A drawing surface: a whole form or a picture box. Text and drawing stay until clear(),
// a new background colour, or new drawing over them; images lying on the surface are
// drawn above its text.
#pragma once

#include <optional>
#include <string>

#include "toolkit/drift_path.h"
#include "toolkit/types.h"

namespace qs::tk {

class Component;
class Image;
class SurfacePeer;

// One line of text above everything on a surface, its images included: light, with a dark
// outline, so that it reads on any picture. It stays through clear() and new drawing.
struct OverlayText {
    std::string text; // empty: none
    float left = 0, top = 0; // its top-left corner, in twips of the surface
    FontSpec font;
    bool operator==(const OverlayText&) const = default;
};

class Surface {
public:
    virtual ~Surface() = default;

    Color backColor() const { return backColor_; }
    // A new colour clears the surface's text and drawing to it.
    void setBackColor(Color c);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    // The font of drawText, textWidth and textHeight.
    const FontSpec& font() const { return font_; }
    void setFont(const FontSpec& f) { font_ = f; }

    // Outer size in the container's twips, inner size in the surface's own.
    virtual float surfaceWidth() const = 0;
    virtual float surfaceHeight() const = 0;
    virtual float surfaceClientWidth() const = 0;
    virtual float surfaceClientHeight() const = 0;
    // True for a form, false for a picture box.
    virtual bool isForm() const = 0;
    // The width, in twips, the surface's share of the screen is measured against (the size
    // of a fitted picture, of the text slide's fonts): the screen's, unless the surface
    // stands for a monitor of its own, as a show on another monitor does.
    float screenWidth() const;
    void standForMonitor(float width) { monitorWidth_ = width; }

    // Clears text and drawing to the background colour.
    void clear();
    // Draws one line of text with its top-left corner at (x, y), in twips of the surface,
    // in the font and the foreground colour.
    void drawText(float x, float y, const std::string& text);
    float textWidth(const std::string& text) const;
    float textHeight(const std::string& text) const;

    // What the surface shows now stays, and what is drawn on it from now on fades in over
    // that for `lengthMs` milliseconds, a frame at a time; 0 shows the drawing at once,
    // ending a fade under way.
    void crossFade(int lengthMs);
    // `image`, lying on this surface, drifts along `path` for `lengthMs` from now: a slow pan
    // and zoom over its picture, which was prepared for it at DriftPlace. None ends a drift,
    // and the image shows still again.
    void drift(const Image& image, const std::optional<DriftPath>& path, int lengthMs);
    // A held drift stands still, its time not running, until it is let go.
    void holdDrift(bool held);

    const OverlayText& overlay() const { return overlay_; }
    void setOverlay(const OverlayText& overlay);

protected:
    explicit Surface(Color back, Color fore) : backColor_(back), foreColor_(fore) {}
    virtual Component& surfaceComponent() = 0;
    SurfacePeer* surfacePeer();

private:
    Color backColor_;
    Color foreColor_;
    FontSpec font_;
    float monitorWidth_ = 0; // none: the screen's
    OverlayText overlay_;
};

} // namespace qs::tk

// A drawing surface: a whole form or a picture box. Text and drawing stay until Cls,
// a new BackColor, or new drawing over them; image controls lying on the surface are
// drawn above its text.
#pragma once

#include <string>

#include "toolkit/types.h"

namespace qs::tk {

class Component;
class SurfacePeer;

class Surface {
public:
    virtual ~Surface() = default;

    Color BackColor() const { return backColor_; }
    // A new colour clears the surface's text and drawing to it.
    void setBackColor(Color c);
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color c);

    // The font of the next Print and of TextWidth / TextHeight.
    FontSpec Font;
    // The text position, in the surface's own units.
    float CurrentX = 0;
    float CurrentY = 0;

    // Outer size in the container's units, inner size in the surface's own units.
    virtual float surfaceWidth() const = 0;
    virtual float surfaceHeight() const = 0;
    virtual float surfaceScaleWidth() const = 0;
    virtual float surfaceScaleHeight() const = 0;
    // True for a form, false for a picture box.
    virtual bool IsWindow() const = 0;

    // Clears text and drawing to BackColor; the text position goes to 0, 0.
    void Cls();
    // Draws the text at (CurrentX, CurrentY) in ForeColor and Font, then moves
    // CurrentX to 0 and CurrentY down by the line's height.
    void Print(const std::string& text);
    float TextWidth(const std::string& text) const;
    float TextHeight(const std::string& text) const;

protected:
    explicit Surface(Color back, Color fore) : backColor_(back), foreColor_(fore) {}
    virtual Component& surfaceComponent() = 0;
    SurfacePeer* surfacePeer();

private:
    Color backColor_;
    Color foreColor_;
};

} // namespace qs::tk

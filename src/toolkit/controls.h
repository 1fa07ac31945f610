// The controls of the toolkit. Positions are design values in twips, relative to the
// container. Every handler is a std::function named after its event.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/form.h"
#include "toolkit/surface.h"

namespace qs::tk {

// Fires Tick every Interval milliseconds while Enabled and its form is loaded.
// Timers of other forms keep firing while a modal dialog is open.
class Timer : public Component {
public:
    Timer(Form& form, std::string name, int intervalMs, bool enabled = true);
    int Interval() const { return interval_; }
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    std::function<void()> Tick;
    // The backend's notification that the interval has passed.
    void userTick();

private:
    int interval_;
    bool enabled_;
};

// A picture box: a child window that is a drawing surface and a container.
class PictureBox : public Control, public Container, public Surface {
public:
    PictureBox(Container& container, std::string name, float left, float top, float width, float height,
               BorderStyle border = BorderStyle::None, int index = -1);
    BorderStyle borderStyle() const { return border_; }
    // A picture drawn at its natural size at the top-left corner, under the text.
    const tk::Picture& Picture() const { return picture_; }
    void setPicture(const tk::Picture& p);
    platform::WindowHandle hWnd() const;

    // Moves the box into another program's window: at its top left corner, sized to the
    // host's client area (0 by 0 when the host is no window). HostClosing fires when the
    // host asks the box to close; the box is back in its own form by then.
    void moveIntoHost(platform::WindowHandle host);

    std::function<void()> Click;
    std::function<void(int button, int shift, float x, float y)> MouseMove;
    std::function<void()> HostClosing;
    void userClick();
    void userMouseMove(int button, int shift, float x, float y);
    void userHostClosing();

    // Inner size: the outer size less the border.
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    float surfaceWidth() const override { return Width(); }
    float surfaceHeight() const override { return Height(); }
    float surfaceScaleWidth() const override { return ScaleWidth(); }
    float surfaceScaleHeight() const override { return ScaleHeight(); }
    bool IsWindow() const override { return false; }
    Component& asComponent() override { return *this; }

protected:
    Component& surfaceComponent() override { return *this; }

private:
    BorderStyle border_;
    tk::Picture picture_;
};

// A windowless picture holder lying on its container, drawn above the container's
// text and drawing. Mouse moves over it reach its MouseMove, not the container's.
class Image : public Control {
public:
    Image(Container& container, std::string name, float left, float top, float width, float height,
          bool stretch = false, int index = -1);
    const tk::Picture& Picture() const { return picture_; }
    // With Stretch false the image takes the picture's natural size (whole pixels);
    // with Stretch true the picture is scaled to the image's size.
    void setPicture(const tk::Picture& p);
    bool Stretch() const { return stretch_; }
    void setStretch(bool v);

    std::function<void()> Click;
    std::function<void(int button, int shift, float x, float y)> MouseMove;
    void userClick();
    void userMouseMove(int button, int shift, float x, float y);

private:
    tk::Picture picture_;
    bool stretch_;
};

class Label : public Control {
public:
    Label(Container& container, std::string name, const std::string& caption, float left, float top, float width,
          float height, int index = -1);
    // For ControlArray<Label>::Load: a hidden copy of `first` with the new index.
    static std::unique_ptr<Label> CopyOf(const Label& first, int index);

    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& text);
    // When on, Width and Height follow the caption's text size.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool v);
    Color BackColor() const { return backColor_; }
    void setBackColor(Color c);
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color c);
    const FontSpec& Font() const { return font_; }
    void setFont(const FontSpec& f);

    std::function<void()> Click;
    void userClick();
    void accessKeyPressed() override;

private:
    void applyAutoSize();
    std::string caption_;
    bool autoSize_ = false;
    Color backColor_ = kColorButtonFace;
    Color foreColor_ = kColorButtonText;
    FontSpec font_;
};

class CommandButton : public Control {
public:
    CommandButton(Container& container, std::string name, const std::string& caption, float left, float top,
                  float width, float height, int index = -1);
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& c);
    // The button Enter presses / the button Esc presses.
    bool Default() const { return default_; }
    void setDefault(bool v);
    bool Cancel() const { return cancel_; }
    void setCancel(bool v);

    std::function<void()> Click;
    // A click by the user (mouse, Space, Enter or Esc, access key): runs Click when enabled.
    void userClick();
    void accessKeyPressed() override { userClick(); }
    bool canFocus() const override { return true; }

private:
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
};

class CheckBox : public Control {
public:
    CheckBox(Container& container, std::string name, const std::string& caption, float left, float top,
             float width, float height, int index = -1);
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& c);
    // 0 clear, 1 checked.
    int Value() const { return value_; }
    void setValue(int v);

    std::function<void()> Click;
    // The user clicks the box (or presses Space or its access key): toggles it.
    void userClick();
    void accessKeyPressed() override { userClick(); }
    bool canFocus() const override { return true; }

private:
    std::string caption_;
    int value_ = 0;
};

class Frame : public Control, public Container {
public:
    Frame(Container& container, std::string name, const std::string& caption, float left, float top, float width,
          float height, int index = -1);
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& c);
    float ScaleWidth() const override { return Width(); }
    float ScaleHeight() const override { return Height(); }
    Component& asComponent() override { return *this; }
    void accessKeyPressed() override;

private:
    std::string caption_;
};

class TextBox : public Control {
public:
    TextBox(Container& container, std::string name, const std::string& text, float left, float top, float width,
            float height, int index = -1);
    const std::string& Text() const { return text_; }
    void setText(const std::string& t);

    std::function<void()> Change;
    // keyAscii set to 0 by the handler discards the character.
    std::function<void(std::int16_t& keyAscii)> KeyPress;
    // A character typed by the user: KeyPress first, then (unless discarded) the text
    // changes and Change runs. Backspace (8) deletes the last character.
    void userChar(char ch);
    bool canFocus() const override { return true; }

private:
    std::string text_;
};

class VScrollBar : public Control {
public:
    VScrollBar(Container& container, std::string name, float left, float top, float width, float height,
               int min, int max, int value, int index = -1);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void setMin(int v);
    void setMax(int v);
    int SmallChange() const { return smallChange_; }
    int LargeChange() const { return largeChange_; }
    int Value() const { return value_; }
    // Clamped into the range.
    void setValue(int v);

    std::function<void()> Change;
    std::function<void()> Scroll;
    // The top arrow: Value - SmallChange (towards Min); the bottom arrow: + SmallChange.
    void userLineUp();
    void userLineDown();
    void userPageUp();
    void userPageDown();
    void userThumb(int value);
    bool canFocus() const override { return true; }

private:
    void userMove(long long value);
    int min_, max_, value_;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

// A list box, plain or with a check box in each row (CheckStyle).
// Row rules: AddItem(text, index) inserts before the row at index (at the end with -1)
// and keeps the current row on the same item; removing the current row leaves no
// current row; Clear leaves none and TopIndex 0. Setting a row's check state does not
// move the current row. A new current row is scrolled into view, as the native list
// does. None of the setters runs a handler; the user's selection, check, key or scroll
// (userSelect, userKey, userToggleCheck, userScroll) runs Scroll when TopIndex changed,
// before Click.
class ListBox : public Control {
public:
    ListBox(Container& container, std::string name, float left, float top, float width, float height,
            bool checkStyle = false, int index = -1);

    // A new height keeps TopIndex within the rows the list can scroll to.
    void Move(float left, float top, float width, float height) override;

    bool CheckStyle() const { return checkStyle_; }
    int ListCount() const { return static_cast<int>(rows_.size()); }
    const std::string& List(int row) const;
    void AddItem(const std::string& text, int index = -1);
    void RemoveItem(int index);
    void Clear();
    std::int32_t ItemData(int row) const;
    void setItemData(int row, std::int32_t value);
    // Check-style lists: the row's check state. Plain lists: whether it is the current row.
    bool Selected(int row) const;
    void setSelected(int row, bool value);

    // The current row, -1 for none.
    int ListIndex() const { return listIndex_; }
    void setListIndex(int row);
    // The first visible row; clamped so that the list does not scroll past its end.
    int TopIndex() const { return topIndex_; }
    void setTopIndex(int row);
    // How many whole rows the list shows (at least 1): its height less the two-pixel
    // edge on each side, in rows of backend().listRowHeight.
    int visibleRows() const;

    std::function<void()> Click;
    std::function<void()> Scroll;
    // Files and folders dropped on the list from another program, as full paths. A list
    // takes drops only when this is set before its form loads.
    std::function<void(const std::vector<std::string>& paths)> FilesDropped;

    // The user selects a row (mouse or keys): it becomes current; Click runs if it changed.
    void userSelect(int row);
    // The user clicks a row's check box: the check toggles and the row becomes current; one Click.
    void userToggleCheck(int row);
    // The user scrolls the list.
    void userScroll(int topRow);
    // Arrow keys, Page Up/Down, Home/End move the current row; Space toggles a check.
    bool userKey(std::int16_t keyCode);
    // The user drops files on the list.
    void userDropFiles(const std::vector<std::string>& paths);
    bool canFocus() const override { return true; }

private:
    struct Row {
        std::string text;
        std::int32_t itemData = 0;
        bool checked = false;
    };
    bool validRow(int row) const { return row >= 0 && row < ListCount(); }
    int maxTopIndex() const;
    // Moves TopIndex so that `row` is visible; true when it moved.
    bool scrollIntoView(int row);
    bool clampTopIndex();
    void userMoveTo(int row);
    bool checkStyle_;
    std::vector<Row> rows_;
    int listIndex_ = -1;
    int topIndex_ = 0;
};

// A straight line drawn on its container (windowless).
class Line : public Control {
public:
    Line(Container& container, std::string name, float x1, float y1, float x2, float y2, Color color,
         int borderWidth = 1, int index = -1);
    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    Color BorderColor() const { return color_; }
    int BorderWidth() const { return borderWidth_; }

private:
    float x1_, y1_, x2_, y2_;
    Color color_;
    int borderWidth_;
};

// The common colour and file-open dialogs.
class CommonDialog : public Component {
public:
    CommonDialog(Form& form, std::string name);
    bool CancelError = false;
    std::int32_t Flags = 0;
    tk::Color Color = 0;
    std::string DialogTitle;
    std::string Filter;
    int FilterIndex = 0;
    std::string FileName;
    std::string InitDir;

    // 0 on success; cdlCancel when the user cancelled and CancelError is set; another
    // non-zero error for any other failure. A cancel without CancelError gives 0 and
    // leaves Color / FileName unchanged.
    int ShowColor();
    int ShowOpen();
};

} // namespace qs::tk

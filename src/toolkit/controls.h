// The controls of the toolkit, each made from named arguments: first its bounds in twips
// within its container, then what else it needs. Setters change what the control shows and notify
// nobody; the user*() entry points, called by the backend, raise the events.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/form.h"
#include "toolkit/surface.h"

namespace qs::tk {

struct TimerArgs {
    int intervalMs = 0;
    bool enabled = true;
};

// Raises onTick every interval while enabled and its form is loaded. Timers of other
// forms keep firing while a modal dialog is open.
class Timer : public Component {
public:
    Timer(Form& form, const TimerArgs& args);
    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    std::function<void()> onTick;
    // The backend's notification that the interval has passed.
    void userTick();

private:
    int interval_;
    bool enabled_;
};

struct PictureBoxArgs {
    Bounds bounds{};
    bool border = false; // the sunken edge
};

// A picture box: a child window that is a drawing surface and a container.
class PictureBox : public Control, public Container, public Surface {
public:
    PictureBox(Container& container, const PictureBoxArgs& args);
    bool hasBorder() const { return border_; }
    // A picture drawn at its natural size at the top-left corner, under the text.
    const tk::Picture& picture() const { return picture_; }
    void setPicture(const tk::Picture& p);
    platform::WindowHandle handle() const;

    // Moves the box into another program's window: at its top left corner, sized to the
    // host's client area (0 by 0 when the host is no window). onHostClosed runs when the
    // host asks the box to close; the box is back in its own form by then.
    void moveIntoHost(platform::WindowHandle host);
    std::function<void()> onHostClosed;
    void userHostClosed();

    // Inner size: the outer size less the border.
    float clientWidth() const override;
    float clientHeight() const override;
    float surfaceWidth() const override { return width(); }
    float surfaceHeight() const override { return height(); }
    float surfaceClientWidth() const override { return clientWidth(); }
    float surfaceClientHeight() const override { return clientHeight(); }
    bool isForm() const override { return false; }
    Component& asComponent() override { return *this; }

protected:
    Component& surfaceComponent() override { return *this; }

private:
    bool border_;
    tk::Picture picture_;
};

struct ImageArgs {
    Bounds bounds{};
    // Off: the image takes its picture's natural size (whole pixels); on: the picture is
    // scaled to the image's size.
    bool stretch = false;
};

// A windowless picture holder lying on its container, drawn above the container's text
// and drawing. Mouse moves over it reach its onMouseMove, not the container's.
class Image : public Control {
public:
    Image(Container& container, const ImageArgs& args);
    const tk::Picture& picture() const { return picture_; }
    void setPicture(const tk::Picture& p);
    bool stretch() const { return stretch_; }
    void setStretch(bool v);

    // The pointer moved over the image, to (x, y) in twips of the image.
    std::function<void(float x, float y)> onMouseMove;
    void userMouseMove(float x, float y);

private:
    tk::Picture picture_;
    bool stretch_;
};

struct LabelArgs {
    Bounds bounds{};
    std::string caption{};
    // The size follows the caption's text.
    bool autoSize = false;
};

class Label : public Control {
public:
    Label(Container& container, const LabelArgs& args);

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    bool autoSize() const { return autoSize_; }
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    const FontSpec& font() const { return font_; }
    void setFont(const FontSpec& f);

    std::function<void()> onClick;
    void userClick();

private:
    void applyAutoSize();
    std::string caption_;
    bool autoSize_;
    Color foreColor_ = kColorButtonText;
    FontSpec font_;
};

struct ButtonArgs {
    Bounds bounds{};
    std::string caption{};
    bool isDefault = false; // the button Enter presses
    bool isCancel = false;  // the button Esc presses
};

class Button : public Control {
public:
    Button(Container& container, const ButtonArgs& args);
    const std::string& caption() const { return caption_; }
    bool isDefault() const { return default_; }
    bool isCancel() const { return cancel_; }

    std::function<void()> onClick;
    // A click by the user (mouse, Space, Enter or Esc, access key): onClick when enabled.
    void userClick();
    bool canFocus() const override { return true; }

private:
    std::string caption_;
    bool default_;
    bool cancel_;
};

// A check box, a group box: a caption at a place.
struct CaptionArgs {
    Bounds bounds{};
    std::string caption{};
};

class CheckBox : public Control {
public:
    CheckBox(Container& container, const CaptionArgs& args);
    const std::string& caption() const { return caption_; }
    bool checked() const { return checked_; }
    void setChecked(bool on);

    std::function<void()> onClick;
    // The user clicks the box (or presses Space or its access key): it toggles, then onClick.
    void userClick();
    bool canFocus() const override { return true; }

private:
    std::string caption_;
    bool checked_ = false;
};

// A captioned frame around a group of controls.
class GroupBox : public Control, public Container {
public:
    GroupBox(Container& container, const CaptionArgs& args);
    const std::string& caption() const { return caption_; }
    float clientWidth() const override { return width(); }
    float clientHeight() const override { return height(); }
    Component& asComponent() override { return *this; }

private:
    std::string caption_;
};

struct TextBoxArgs {
    Bounds bounds{};
    std::string text{};
};

class TextBox : public Control {
public:
    TextBox(Container& container, const TextBoxArgs& args);
    const std::string& text() const { return text_; }
    void setText(const std::string& t);

    // A character the user typed, in the system's code page; false discards it.
    std::function<bool(char ch)> onKeyPress;
    // The user changed the text.
    std::function<void()> onChange;
    // A character typed by the user: onKeyPress first, then (unless discarded) the text
    // changes and onChange runs. Backspace (8) deletes the last character.
    void userChar(char ch);
    bool canFocus() const override { return true; }

private:
    std::string text_;
};

struct ScrollBarArgs {
    Bounds bounds{};
    int min = 0;
    int max = 0;
    int value = 0;
};

// A vertical scroll bar. Its top arrow moves the value towards min, by one.
class ScrollBar : public Control {
public:
    ScrollBar(Container& container, const ScrollBarArgs& args);
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    // Clamped into the range.
    void setValue(int v);

    // The user moved the value (arrows, page, thumb released).
    std::function<void()> onChange;
    // The user dragged the thumb.
    std::function<void()> onScroll;
    void userLineUp();
    void userLineDown();
    void userPageUp();
    void userPageDown();
    void userThumb(int value);
    bool canFocus() const override { return true; }

private:
    void userMove(long long value);
    int min_, max_, value_;
};

struct ListBoxArgs {
    Bounds bounds{};
    bool checkBoxes = false; // a check box at the left of every row
};

// A list box, plain or with a check box in each row.
// Row rules: inserting a row keeps the current row on the same item; removing the current
// row leaves no current row; clear() leaves none and the top row 0. A new current row is
// scrolled into view, as the native list does. None of the setters raise an event.
// The user's selection, a check clicked, a key or the scroll bar raise onScroll (when the
// top row changed) before onChange.
class ListBox : public Control {
public:
    ListBox(Container& container, const ListBoxArgs& args);

    // A new height keeps the top row within the rows the list can scroll to.
    void move(const Bounds& bounds) override;

    bool hasCheckBoxes() const { return checkBoxes_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const std::string& rowText(int row) const;
    // Inserts before `row`; rowCount() appends.
    void insertRow(int row, const std::string& text);
    void removeRow(int row);
    void clear();
    // Check-box lists: the row's check.
    bool isChecked(int row) const;
    void setChecked(int row, bool on);

    // The current row, -1 for none.
    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row);
    // The first visible row; kept so that the list does not scroll past its end.
    int topRow() const { return topRow_; }
    void setTopRow(int row);
    // How many whole rows the list shows (at least 1): its height less the two-pixel edge
    // on each side, in rows of the backend's listRowHeight.
    int visibleRows() const;

    // The user made another row current or toggled a row's check.
    std::function<void()> onChange;
    // The list's top row moved for the user.
    std::function<void()> onScroll;
    // Files and folders dropped on the list from another program, as full paths, with the
    // shift keys held as they landed. A list takes drops only when this is set before its
    // form loads.
    std::function<void(const std::vector<std::string>& paths, KeyModifiers held)> onFilesDropped;

    // The user selects a row (mouse or keys): it becomes current.
    void userSelect(int row);
    // The user clicks a row's check box (or presses Space on it): the check toggles and the
    // row becomes current.
    void userToggleCheck(int row);
    // The user scrolls the list.
    void userScroll(int topRow);
    // The user drops files on the list.
    void userDropFiles(const std::vector<std::string>& paths, KeyModifiers held);
    bool canFocus() const override { return true; }

private:
    struct Row {
        std::string text;
        bool checked = false;
    };
    bool validRow(int row) const { return row >= 0 && row < rowCount(); }
    int maxTopRow() const;
    // Moves the top row so that `row` is visible; true when it moved.
    bool scrollIntoView(int row);
    void clampTopRow();
    // The user's move to `row`; `changed` says whether anything else changed with it.
    void userMoveTo(int row, bool changed);
    bool checkBoxes_;
    std::vector<Row> rows_;
    int currentRow_ = -1;
    int topRow_ = 0;
};

struct LineArgs {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color color = 0;
    int width = 1; // pixels
};

// A straight line drawn on its container (windowless).
class Line : public Control {
public:
    Line(Container& container, const LineArgs& args);
    float x1() const { return args_.x1; }
    float y1() const { return args_.y1; }
    float x2() const { return args_.x2; }
    float y2() const { return args_.y2; }
    Color color() const { return args_.color; }
    int lineWidth() const { return args_.width; }

private:
    LineArgs args_;
};

} // namespace qs::tk

// SlideListModel: the slide-show editor's working list and everything it decides, with
// no window. It holds the slides in show order with their three options, the selected
// row, the first visible row, the position text, the path on show, the two editor
// options with the values a discarding close puts back, and whether there are changes
// not yet applied. The editor form is a view of it: the model tells the form, through
// SlideListView, what to mirror in its lists, what to draw in the preview and what to
// ask the user, in the order the user sees it happen.
//
// Row rules follow the list boxes the user sees: inserting keeps the first visible row,
// removing keeps it within the rows the list can scroll to, and a row selected from code
// is scrolled into view.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/slide.h"

namespace qs::ui {

// A full path shortened to fit `limit` as `width` measures it: the tail that fits is
// kept, cut back to a whole folder or file name where a backslash allows, behind "(...)".
// The mark is added after measuring, so a shortened name may be slightly wider.
std::string ShortenedName(const std::string& path, double limit, const std::function<double(const std::string&)>& width);

// What the form does for the model. Row numbers count from 0.
class SlideListView {
public:
    virtual ~SlideListView() = default;
    // The lists follow the model's rows.
    virtual void rowsReplaced() = 0;
    virtual void rowInserted(int row) = 0;
    // `count` rows inserted from `first` on at once.
    virtual void rowsInserted(int first, int count) {
        for (int row = first; row < first + count; ++row) rowInserted(row);
    }
    virtual void rowRemoved(int row) = 0;
    virtual void rowMoved(int from, int to) = 0;
    virtual void optionChanged(int row, SlideOption which) = 0;
    // The row's text as the name list shows it.
    virtual std::string rowText(int row) const = 0;
    virtual void focusSlideList() = 0;
    // The preview: its surface shown or hidden; a slide loaded and fitted into it; the
    // loaded picture dropped; the picture hidden and the surface cleared.
    virtual void showPreviewSurface(bool on) = 0;
    virtual void drawPreview(const Slide& slide) = 0;
    virtual void dropPreviewPicture() = 0;
    virtual void blankPreview() = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const std::string& question) = 0;
    // The picture the user picks for Add; nothing when the dialog was cancelled or failed.
    virtual std::optional<std::string> pickPicture() = 0;
    // The folder the user picks for Add Folder; a view without a folder picker gives none.
    virtual std::optional<std::string> pickFolder() { return std::nullopt; }
    // The slides as last applied, which Reset brings back.
    virtual std::vector<Slide> storedSlides() = 0;
};

class SlideListModel {
public:
    explicit SlideListModel(SlideListView& view) : view_(view) {}

    // --- state ---
    const std::vector<Slide>& slides() const { return rows_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // The selected row, -1 for none.
    int selectedRow() const { return selected_; }
    int topRow() const { return top_; }
    // How many rows the list shows at once; the first visible row keeps to it.
    void setVisibleRows(int rows);
    // "(row/count)" where the last command or selection left it; "0/0" after loading.
    const std::string& positionText() const { return position_; }
    // The full path of the slide on show (under the list).
    const std::string& shownPath() const { return shown_; }
    bool preview() const { return preview_; }
    // True while "Do Not Display Warnings" is checked: no question is asked.
    bool hideWarnings() const { return hideWarnings_; }
    // Changes not yet applied; Apply is enabled exactly while this holds.
    bool dirty() const { return dirty_; }

    // --- the dialog as a whole ---
    // Opens on the stored slides and the two options as stored.
    void open(std::vector<Slide> slides, bool preview, bool hideWarnings);
    // The working list becomes the stored one; returns what to store.
    const std::vector<Slide>& apply();
    // Back to the last applied state unless the user declines.
    void reset();
    // Whether a close may go ahead (asking unless silenced); when it may, the two
    // options return to their last applied values.
    bool close();
    void setPreview(bool on);
    void setHideWarnings(bool on);

    // --- selection, options, scrolling ---
    // The user selects a row (or clicks the selected one).
    void select(int row);
    void scrollTo(int top);
    // The user clicked row `row` in an option column, leaving its check `on`.
    void clickOption(SlideOption which, int row, bool on);
    // A key pressed anywhere in the dialog: Alt+T, Alt+H and Alt+V toggle the selected
    // slide's Center, HStretch and VStretch.
    void keyDown(int keyCode, bool shift, bool ctrl, bool alt);

    // --- list commands; each counts as a change even when it then does nothing ---
    void add();
    // A folder entry, as Add adds a picture: its path ends in a backslash, which marks it
    // as a folder in the list without asking the disk.
    void addFolder();
    void remove();
    void moveUp();
    void moveDown();
    void removeAll();
    // Pictures dropped on the list: in one block, in the order given, below the selected
    // row (at the top when none is), each as Add makes it. In a list that had rows the
    // last of them is selected afterwards, as after that many Adds; none are, nothing
    // changes.
    void addSlides(std::vector<std::string> paths);

private:
    void load(std::vector<Slide> slides);
    void markChanged() { dirty_ = true; }
    void updatePosition();
    // Selecting from code: the row comes into view; true when the selection changed.
    bool moveSelection(int row);
    // Shows the selected slide unless it is already on show (or `force`).
    void refresh(bool force);
    void optionClicked(SlideOption which);
    void addPicked(std::optional<std::string> path);
    void insertRow(int row, Slide slide);
    void insertRows(int row, std::vector<Slide> slides);
    Slide removeRow(int row);
    int maxTop() const;
    bool confirm(const std::string& question);

    SlideListView& view_;
    std::vector<Slide> rows_;
    int selected_ = -1;
    int top_ = 0;
    int visibleRows_ = 1;
    // Each option column's own current row: the row last clicked in it.
    std::array<int, kSlideOptionCount> columnRows_{-1, -1, -1};
    std::string position_;
    std::string shown_;
    bool preview_ = false;
    bool hideWarnings_ = false;
    bool savedPreview_ = false;
    bool savedHideWarnings_ = false;
    bool dirty_ = false;
};

} // namespace qs::ui

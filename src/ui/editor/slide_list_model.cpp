#include "ui/editor/slide_list_model.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace qs::ui {
namespace {

constexpr int kKeyT = 0x54;
constexpr int kKeyH = 0x48;
constexpr int kKeyV = 0x56;

int ColumnOf(SlideOption which) { return static_cast<int>(which); }

} // namespace

std::string ShortenedName(const std::string& path, double limit,
                          const std::function<double(const std::string&)>& width) {
    if (!(width(path) > limit)) return path;
    // Characters go from the front until the tail fits. A tail is never wider than a
    // longer one, so the first fitting tail is found by halving instead of by measuring
    // every shorter tail in turn; cutting every character always fits. A character is a
    // whole UTF-8 sequence: a cut never splits one.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (i == 0 || (static_cast<unsigned char>(path[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    starts.push_back(path.size());
    std::size_t cut = 1, last = starts.size() - 1;
    while (cut < last) {
        const std::size_t mid = cut + (last - cut) / 2;
        if (width(path.substr(starts[mid])) > limit) cut = mid + 1;
        else last = mid;
    }
    std::string tail = path.substr(starts[std::min(cut, starts.size() - 1)]);
    const std::size_t backslash = tail.find('\\');
    if (backslash != std::string::npos) tail.erase(0, backslash);
    return "(...)" + tail;
}

void SlideListModel::setVisibleRows(int rows) {
    visibleRows_ = std::max(1, rows);
    top_ = std::clamp(top_, 0, maxTop());
}

int SlideListModel::maxTop() const { return std::max(0, rowCount() - visibleRows_); }

void SlideListModel::open(std::vector<Slide> slides, bool preview, bool hideWarnings) {
    preview_ = savedPreview_ = preview;
    hideWarnings_ = savedHideWarnings_ = hideWarnings;
    load(std::move(slides));
    view_.showPreviewSurface(preview_);
}

// After loading no slide is selected, the option columns stand on row 0, and the path
// under the list is the first slide's.
void SlideListModel::load(std::vector<Slide> slides) {
    rows_ = std::move(slides);
    selected_ = -1;
    top_ = 0;
    columnRows_.fill(rows_.empty() ? -1 : 0);
    view_.rowsReplaced();
    shown_ = rows_.empty() ? std::string() : rows_.front().path;
    dirty_ = false;
    position_ = "0/0";
}

const std::vector<Slide>& SlideListModel::apply() {
    dirty_ = false;
    // Reset and a discarding close go back to the options as they are now.
    savedPreview_ = preview_;
    savedHideWarnings_ = hideWarnings_;
    return rows_;
}

bool SlideListModel::confirm(const std::string& question) {
    return hideWarnings_ || view_.ask(question);
}

void SlideListModel::reset() {
    if (dirty_ && !confirm("Do you want to ignore all changes you made and restore old values?")) return;
    // Each option box acts as its own click would, when its state changes.
    const bool preview = savedPreview_, hideWarnings = savedHideWarnings_;
    if (preview_ != preview) setPreview(preview);
    if (hideWarnings_ != hideWarnings) setHideWarnings(hideWarnings);
    load(view_.storedSlides());
}

bool SlideListModel::close() {
    if (dirty_ && !confirm("Do you want to ignore all changes and exit?")) return false;
    preview_ = savedPreview_;
    hideWarnings_ = savedHideWarnings_;
    return true;
}

void SlideListModel::setPreview(bool on) {
    preview_ = on;
    view_.showPreviewSurface(on);
    // Redraws the selected slide although it is the one already on show.
    refresh(true);
    markChanged();
}

void SlideListModel::setHideWarnings(bool on) {
    hideWarnings_ = on;
    markChanged();
}

void SlideListModel::updatePosition() {
    // Appended piece by piece: GCC 12's -Wrestrict misreads the chained operator+ here.
    std::string text = "(";
    text += std::to_string(selected_ + 1);
    text += '/';
    text += std::to_string(rowCount());
    text += ')';
    position_ = std::move(text);
}

bool SlideListModel::moveSelection(int row) {
    if (row < -1 || row >= rowCount() || row == selected_) return false;
    selected_ = row;
    if (row >= 0) {
        if (row < top_) top_ = row;
        else if (row >= top_ + visibleRows_) top_ = row - visibleRows_ + 1;
        top_ = std::clamp(top_, 0, maxTop());
    }
    return true;
}

// Selecting the slide already on show again does no work, so no picture reloads; the
// comparison is by path, as the user reads it under the list.
void SlideListModel::refresh(bool force) {
    if (selected_ < 0) return;
    const Slide& slide = rows_[static_cast<std::size_t>(selected_)];
    if (!force && shown_ == slide.path) return;
    shown_ = slide.path;
    if (preview_) view_.drawPreview(slide);
    updatePosition();
}

void SlideListModel::select(int row) {
    if (row < -1 || row >= rowCount()) return;
    moveSelection(row);
    refresh(false);
}

void SlideListModel::scrollTo(int top) { top_ = std::clamp(top, 0, maxTop()); }

// Only a change to the selected slide changes what the preview shows, and only once
// every column has a current row of its own.
void SlideListModel::optionClicked(SlideOption which) {
    markChanged();
    const bool columnsHaveRows = std::all_of(columnRows_.begin(), columnRows_.end(), [](int r) { return r >= 0; });
    if (!columnsHaveRows || !preview_ || columnRows_[static_cast<std::size_t>(ColumnOf(which))] != selected_) return;
    Slide shown = rows_[static_cast<std::size_t>(selected_)];
    shown.path = shown_;
    view_.drawPreview(shown);
}

void SlideListModel::clickOption(SlideOption which, int row, bool on) {
    if (row < 0 || row >= rowCount()) return;
    columnRows_[static_cast<std::size_t>(ColumnOf(which))] = row;
    rows_[static_cast<std::size_t>(row)].setOption(which, on);
    optionClicked(which);
}

// The letters are the underlined ones of the column headings: cenTer, Horizontal,
// Vertical. The key goes on to the dialog afterwards; that is the form's affair.
void SlideListModel::keyDown(int keyCode, bool shift, bool ctrl, bool alt) {
    if (!alt || shift || ctrl) return;
    SlideOption which;
    if (keyCode == kKeyT) which = SlideOption::Center;
    else if (keyCode == kKeyH) which = SlideOption::HStretch;
    else if (keyCode == kKeyV) which = SlideOption::VStretch;
    else return;
    if (selected_ < 0) return;
    Slide& slide = rows_[static_cast<std::size_t>(selected_)];
    slide.setOption(which, !slide.option(which));
    view_.optionChanged(selected_, which);
    optionClicked(which);
}

// Each list keeps its current row on the same slide; removing that slide leaves none.
void SlideListModel::insertRow(int row, Slide slide) {
    std::vector<Slide> one;
    one.push_back(std::move(slide));
    insertRows(row, std::move(one));
}

void SlideListModel::insertRows(int row, std::vector<Slide> slides) {
    const int count = static_cast<int>(slides.size());
    rows_.insert(rows_.begin() + row, std::make_move_iterator(slides.begin()), std::make_move_iterator(slides.end()));
    if (selected_ >= row) selected_ += count;
    for (int& r : columnRows_)
        if (r >= row) r += count;
}

Slide SlideListModel::removeRow(int row) {
    Slide slide = std::move(rows_[static_cast<std::size_t>(row)]);
    rows_.erase(rows_.begin() + row);
    const auto follow = [row](int& current) {
        if (current == row) current = -1;
        else if (current > row) --current;
    };
    follow(selected_);
    for (int& r : columnRows_) follow(r);
    top_ = std::clamp(top_, 0, maxTop());
    return slide;
}

// A new slide goes below the selected one (at the top when none is), centred and not
// stretched. The same file may be added any number of times.
void SlideListModel::add() {
    markChanged();
    addPicked(view_.pickPicture());
}

void SlideListModel::addFolder() {
    markChanged();
    std::optional<std::string> folder = view_.pickFolder();
    if (folder && (folder->empty() || folder->back() != '\\')) *folder += '\\';
    addPicked(std::move(folder));
}

void SlideListModel::addPicked(std::optional<std::string> path) {
    const int cur = selected_;
    if (!path) return;
    const bool wasEmpty = rows_.empty();
    const int at = wasEmpty ? 0 : cur + 1;
    insertRow(at, Slide{std::move(*path), true, false, false});
    view_.rowInserted(at);
    if (!wasEmpty) {
        view_.focusSlideList();
        if (moveSelection(at)) refresh(false);
    }
    refresh(false);
    updatePosition();
}

// Into an empty list, as Add, without selecting; the list has the focus only when a row
// is selected in it. The preview shows the last slide alone, however many come.
void SlideListModel::addSlides(std::vector<std::string> paths) {
    if (paths.empty()) return;
    markChanged();
    const bool wasEmpty = rows_.empty();
    const int at = selected_ + 1;
    const int count = static_cast<int>(paths.size());
    std::vector<Slide> slides;
    slides.reserve(paths.size());
    for (std::string& path : paths) slides.push_back(Slide{std::move(path), true, false, false});
    insertRows(at, std::move(slides));
    view_.rowsInserted(at, count);
    if (!wasEmpty) {
        view_.focusSlideList();
        if (moveSelection(at + count - 1)) refresh(false);
    }
    updatePosition();
}

// The first slide is selected afterwards, not the neighbour: the list may be long, and
// the top is where the user starts again.
void SlideListModel::remove() {
    const int cur = selected_;
    markChanged();
    if (cur < 0) return;
    if (confirm("Do you want to delete " + view_.rowText(cur) + "?")) {
        view_.dropPreviewPicture();
        removeRow(cur);
        view_.rowRemoved(cur);
        if (!rows_.empty() && moveSelection(0)) refresh(false);
        refresh(false);
        if (rows_.empty()) shown_.clear();
    }
    updatePosition();
}

void SlideListModel::moveUp() {
    const int cur = selected_;
    markChanged();
    if (cur < 1) return;
    insertRow(cur - 1, removeRow(cur));
    view_.rowMoved(cur, cur - 1);
    if (moveSelection(cur - 1)) refresh(false);
    // A row moved above the first visible one becomes the first visible one.
    if (cur <= top_) scrollTo(cur - 1);
    updatePosition();
}

// The moved slide stays selected without being shown anew: it is the one on show.
void SlideListModel::moveDown() {
    const int cur = selected_;
    markChanged();
    if (cur < 0 || cur >= rowCount() - 1) return;
    insertRow(cur + 1, removeRow(cur));
    view_.rowMoved(cur, cur + 1);
    moveSelection(cur + 1);
    updatePosition();
}

void SlideListModel::removeAll() {
    const int cur = selected_;
    markChanged();
    if (cur < 0) return;
    if (confirm("Do you want to delete all slides?")) {
        rows_.clear();
        selected_ = -1;
        top_ = 0;
        columnRows_.fill(-1);
        view_.rowsReplaced();
        shown_.clear();
        view_.blankPreview();
    }
    updatePosition();
}

} // namespace qs::ui

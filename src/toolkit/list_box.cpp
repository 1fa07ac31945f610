#include <algorithm>
#include <cmath>

#include "toolkit/application.h"
#include "toolkit/change.h"
#include "toolkit/controls.h"
#include "toolkit/handler_call.h"

namespace qs::tk {

namespace {
// The list's sunken edge: two pixels on each side.
constexpr float kBorderPixels = 2;
} // namespace

ListBox::ListBox(Container& container, std::string name, float left, float top, float width, float height,
                 bool checkStyle, int index)
    : Control(Kind::ListBox, container, std::move(name), index, left, top, width, height), checkStyle_(checkStyle) {}

void ListBox::Move(float left, float top, float width, float height) {
    Control::Move(left, top, width, height);
    clampTopIndex();
}

const std::string& ListBox::List(int row) const {
    static const std::string none;
    return validRow(row) ? rows_[static_cast<std::size_t>(row)].text : none;
}

void ListBox::AddItem(const std::string& text, int index) {
    const int count = ListCount();
    if (index == -1) index = count;
    if (index < 0 || index > count) return;
    rows_.insert(rows_.begin() + index, Row{text, 0, false});
    if (listIndex_ >= index) ++listIndex_;
    notify(Prop::RowInserted, index);
}

void ListBox::RemoveItem(int index) {
    if (!validRow(index)) return;
    rows_.erase(rows_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    notify(Prop::RowRemoved, index);
    clampTopIndex();
}

void ListBox::Clear() {
    rows_.clear();
    listIndex_ = -1;
    topIndex_ = 0;
    notify(Prop::RowsCleared);
}

std::int32_t ListBox::ItemData(int row) const {
    return validRow(row) ? rows_[static_cast<std::size_t>(row)].itemData : 0;
}

void ListBox::setItemData(int row, std::int32_t value) {
    if (validRow(row)) rows_[static_cast<std::size_t>(row)].itemData = value;
}

bool ListBox::Selected(int row) const {
    if (!validRow(row)) return false;
    return checkStyle_ ? rows_[static_cast<std::size_t>(row)].checked : row == listIndex_;
}

void ListBox::setSelected(int row, bool value) {
    if (!validRow(row)) return;
    if (!checkStyle_) {
        if (value)
            setListIndex(row);
        else if (row == listIndex_)
            setListIndex(-1);
        return;
    }
    if (detail::Replace(rows_[static_cast<std::size_t>(row)].checked, value)) notify(Prop::RowChecked, row);
}

void ListBox::setListIndex(int row) {
    if (row < -1 || row >= ListCount() || row == listIndex_) return;
    listIndex_ = row;
    notify(Prop::ListIndex);
    scrollIntoView(row);
}

void ListBox::setTopIndex(int row) {
    if (detail::Replace(topIndex_, std::clamp(row, 0, maxTopIndex()))) notify(Prop::TopIndex);
}

int ListBox::visibleRows() const {
    const float rowHeight = backend().listRowHeight(*this);
    const float inner = Height() - 2 * kBorderPixels * Screen::TwipsPerPixelY();
    if (!(rowHeight > 0) || !(inner > 0)) return 1;
    // A row that fits exactly counts as whole despite float rounding.
    const double rows = std::floor(static_cast<double>(inner) / rowHeight + 1e-4);
    return std::max(1, static_cast<int>(std::min(rows, 1e6)));
}

int ListBox::maxTopIndex() const { return std::max(0, ListCount() - visibleRows()); }

bool ListBox::scrollIntoView(int row) {
    if (!validRow(row)) return false;
    const int shown = visibleRows();
    int top = topIndex_;
    if (row < top)
        top = row;
    else if (row >= top + shown)
        top = row - shown + 1;
    top = std::clamp(top, 0, maxTopIndex());
    if (top == topIndex_) return false;
    topIndex_ = top;
    notify(Prop::TopIndex);
    return true;
}

bool ListBox::clampTopIndex() {
    const int top = std::clamp(topIndex_, 0, maxTopIndex());
    if (top == topIndex_) return false;
    topIndex_ = top;
    notify(Prop::TopIndex);
    return true;
}

void ListBox::userMoveTo(int row) {
    const bool changed = row != listIndex_;
    if (changed) {
        listIndex_ = row;
        notify(Prop::ListIndex);
    }
    if (scrollIntoView(row)) detail::fire(Scroll);
    if (changed) detail::fire(Click);
}

void ListBox::userSelect(int row) {
    if (!acceptsInput() || !validRow(row)) return;
    userMoveTo(row);
}

void ListBox::userToggleCheck(int row) {
    if (!acceptsInput() || !checkStyle_ || !validRow(row)) return;
    Row& r = rows_[static_cast<std::size_t>(row)];
    r.checked = !r.checked;
    notify(Prop::RowChecked, row);
    if (row != listIndex_) {
        listIndex_ = row;
        notify(Prop::ListIndex);
    }
    if (scrollIntoView(row)) detail::fire(Scroll);
    detail::fire(Click);
}

void ListBox::userScroll(int topRow) {
    if (!acceptsInput() || !detail::Replace(topIndex_, std::clamp(topRow, 0, maxTopIndex()))) return;
    notify(Prop::TopIndex);
    detail::fire(Scroll);
}

bool ListBox::userKey(std::int16_t keyCode) {
    if (!acceptsInput()) return false;
    const int count = ListCount();
    const int current = listIndex_;
    const int page = std::max(1, visibleRows() - 1);
    int target = 0;
    switch (keyCode) {
    case vbKeyUp: target = current < 0 ? 0 : current - 1; break;
    case vbKeyDown: target = current < 0 ? 0 : current + 1; break;
    case vbKeyPageUp: target = current < 0 ? 0 : current - page; break;
    case vbKeyPageDown: target = current < 0 ? 0 : current + page; break;
    case vbKeyHome: target = 0; break;
    case vbKeyEnd: target = count - 1; break;
    case vbKeySpace:
        if (validRow(current)) userToggleCheck(current);
        return true;
    default: return false;
    }
    if (count > 0) userMoveTo(std::clamp(target, 0, count - 1));
    return true;
}

void ListBox::userDropFiles(const std::vector<std::string>& paths) {
    if (acceptsInput() && !paths.empty()) detail::fire(FilesDropped, paths);
}

} // namespace qs::tk

#include <algorithm>
#include <cmath>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/handler_call.h"
#include "toolkit/replace.h"

namespace qs::tk {

namespace {
// The list's sunken edge: two pixels on each side.
constexpr float kBorderPixels = 2;
} // namespace

ListBox::ListBox(Container& container, const ListBoxArgs& args)
    : Control(Kind::ListBox, container, args.bounds), checkBoxes_(args.checkBoxes) {}

void ListBox::move(const Bounds& bounds) {
    Control::move(bounds);
    clampTopRow();
}

const std::string& ListBox::rowText(int row) const {
    static const std::string none;
    return validRow(row) ? rows_[static_cast<std::size_t>(row)].text : none;
}

void ListBox::insertRow(int row, const std::string& text) {
    if (row < 0 || row > rowCount()) return;
    rows_.insert(rows_.begin() + row, Row{text, false});
    if (currentRow_ >= row) ++currentRow_;
    notify(Prop::RowInserted, row);
}

void ListBox::removeRow(int row) {
    if (!validRow(row)) return;
    rows_.erase(rows_.begin() + row);
    if (currentRow_ == row)
        currentRow_ = -1;
    else if (currentRow_ > row)
        --currentRow_;
    notify(Prop::RowRemoved, row);
    clampTopRow();
}

void ListBox::clear() {
    rows_.clear();
    currentRow_ = -1;
    topRow_ = 0;
    notify(Prop::RowsCleared);
}

bool ListBox::isChecked(int row) const { return validRow(row) && rows_[static_cast<std::size_t>(row)].checked; }

void ListBox::setChecked(int row, bool on) {
    if (validRow(row) && detail::Replace(rows_[static_cast<std::size_t>(row)].checked, on))
        notify(Prop::RowChecked, row);
}

void ListBox::setCurrentRow(int row) {
    if (row < -1 || row >= rowCount() || !detail::Replace(currentRow_, row)) return;
    notify(Prop::CurrentRow);
    scrollIntoView(row);
}

void ListBox::setTopRow(int row) {
    if (detail::Replace(topRow_, std::clamp(row, 0, maxTopRow()))) notify(Prop::TopRow);
}

int ListBox::visibleRows() const {
    const float rowHeight = CurrentBackend().listRowHeight(*this);
    const float inner = height() - 2 * kBorderPixels * TwipsPerPixelY();
    if (!(rowHeight > 0) || !(inner > 0)) return 1;
    // A row that fits exactly counts as whole despite float rounding.
    const double rows = std::floor(static_cast<double>(inner) / rowHeight + 1e-4);
    return std::max(1, static_cast<int>(std::min(rows, 1e6)));
}

int ListBox::maxTopRow() const { return std::max(0, rowCount() - visibleRows()); }

bool ListBox::scrollIntoView(int row) {
    if (!validRow(row)) return false;
    const int shown = visibleRows();
    int top = topRow_;
    if (row < top)
        top = row;
    else if (row >= top + shown)
        top = row - shown + 1;
    top = std::clamp(top, 0, maxTopRow());
    if (!detail::Replace(topRow_, top)) return false;
    notify(Prop::TopRow);
    return true;
}

void ListBox::clampTopRow() {
    if (detail::Replace(topRow_, std::clamp(topRow_, 0, maxTopRow()))) notify(Prop::TopRow);
}

void ListBox::userMoveTo(int row, bool changed) {
    if (detail::Replace(currentRow_, row)) {
        notify(Prop::CurrentRow);
        changed = true;
    }
    if (scrollIntoView(row)) detail::CallHandler(onScroll);
    if (changed) detail::CallHandler(onChange);
}

void ListBox::userSelect(int row) {
    if (acceptsInput() && validRow(row)) userMoveTo(row, false);
}

void ListBox::userToggleCheck(int row) {
    if (!acceptsInput() || !checkBoxes_ || !validRow(row)) return;
    Row& r = rows_[static_cast<std::size_t>(row)];
    r.checked = !r.checked;
    notify(Prop::RowChecked, row);
    userMoveTo(row, true);
}

void ListBox::userScroll(int topRow) {
    if (!acceptsInput() || !detail::Replace(topRow_, std::clamp(topRow, 0, maxTopRow()))) return;
    notify(Prop::TopRow);
    detail::CallHandler(onScroll);
}

void ListBox::userDropFiles(const std::vector<std::string>& paths, KeyModifiers held) {
    if (acceptsInput() && !paths.empty()) detail::CallHandler(onFilesDropped, paths, held);
}

} // namespace qs::tk

// List boxes, plain or with a check box drawn at the left of every row (owner-drawn
// fixed rows). The component owns rows, checks, the current row and the top row; the
// control shows them and reports clicks, keys, scrolling and files dropped on it.
#include "platform/win32/scoped.h"
#include "platform/win32/wide_text.h"
#include "toolkit/controls.h"
#include "toolkit/win32/control_peer.h"
#include "toolkit/win32/list_metrics.h"

#include <shellapi.h>

namespace qs::tk::win32 {

int ListCheckBoxPx() { return MulDiv(13, ScreenDpiY(), 96); }

int ListRowHeightPx(bool checkStyle) {
    int text = 13;
    if (const platform::WindowDc dc(nullptr); dc) {
        const platform::SelectedObject selected(dc.get(), FontFor(DefaultControlFont()));
        TEXTMETRICW tm{};
        if (GetTextMetricsW(dc.get(), &tm)) text = tm.tmHeight;
    }
    return checkStyle ? std::max(text, ListCheckBoxPx()) + 2 : text;
}

namespace {

class ListBoxPeer final : public ControlPeer {
public:
    explicit ListBoxPeer(ListBox& list) : ControlPeer(list), list_(list) {
        DWORD style = WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL;
        if (list.hasCheckBoxes()) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
        if (create(L"LISTBOX", style, WS_EX_CLIENTEDGE, {})) {
            SendMessageW(handle(), LB_SETITEMHEIGHT, 0, ListRowHeightPx(list.hasCheckBoxes()));
            if (list.onFilesDropped) DragAcceptFiles(handle(), TRUE);
        }
    }

    bool onCommand(int code) override {
        if (code != LBN_SELCHANGE) return false;
        const int row = static_cast<int>(SendMessageW(handle(), LB_GETCURSEL, 0, 0));
        auto alive = lifeToken();
        list_.userSelect(row);
        if (*alive) scrolled();
        return true;
    }

    bool onDrawItem(const DRAWITEMSTRUCT& item) override {
        HDC dc = item.hDC;
        RECT row = item.rcItem;
        FillRect(dc, &row, GetSysColorBrush(COLOR_WINDOW));
        if (item.itemID == static_cast<UINT>(-1)) {
            if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
            return true;
        }
        const int index = static_cast<int>(item.itemID);
        const bool known = index < list_.rowCount();
        const int box = ListCheckBoxPx();
        // The margins grow with the scaling, as the box does, so that the text starts where
        // the editor's cover over the name list's boxes ends at every resolution.
        const int pad = MulDiv(1, ScreenDpiY(), 96), gap = MulDiv(2, ScreenDpiY(), 96);
        RECT check{row.left + pad, row.top + (row.bottom - row.top - box) / 2, row.left + pad + box, 0};
        check.bottom = check.top + box;
        DrawFrameControl(dc, &check, DFC_BUTTON,
                         DFCS_BUTTONCHECK | (known && list_.isChecked(index) ? DFCS_CHECKED : 0) |
                             (list_.enabled() ? 0 : DFCS_INACTIVE));
        RECT text{check.right + gap, row.top, row.right, row.bottom};
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        if (selected) FillRect(dc, &text, GetSysColorBrush(COLOR_HIGHLIGHT));
        platform::SelectedObject selectedFont(dc, FontFor(DefaultControlFont()));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(!list_.enabled() ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        if (known) {
            const std::wstring s = platform::Widen(list_.rowText(index));
            RECT t = text;
            t.left += pad;
            DrawTextW(dc, s.c_str(), static_cast<int>(s.size()), &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &text);
        return true;
    }

protected:
    void syncOwn(Prop what, int index) override {
        HWND h = handle();
        if (!h) return;
        const bool rowChange =
            what == Prop::RowInserted || what == Prop::RowRemoved || what == Prop::RowsCleared;
        if (rowChange || what == Prop::RowChecked) {
            holdRedraw();
        }
        if (rowChange && redrawHeld_ && (refillAfterHold_ || ++heldRowChanges_ > kRefillAfter)) {
            refillAfterHold_ = true;
            placeAfterHold_ = true;
            return;
        }
        switch (what) {
        case Prop::Created:
        case Prop::RowsCleared:
            refill();
            break;
        case Prop::RowInserted:
            if (index >= 0 && index < list_.rowCount()) add(index);
            break;
        case Prop::RowRemoved:
            SendMessageW(h, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
            break;
        case Prop::RowChecked:
            invalidateRow(index);
            return;
        case Prop::CurrentRow:
        case Prop::TopRow:
            break;
        default:
            return;
        }
        // Row changes move the current and the top row as the component says; while
        // redrawing is held that waits until it resumes.
        if (redrawHeld_) {
            placeAfterHold_ = true;
            return;
        }
        place();
    }

    void place() {
        SendMessageW(handle(), LB_SETCURSEL, static_cast<WPARAM>(list_.currentRow()), 0);
        SendMessageW(handle(), LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, list_.topRow())), 0);
    }

    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case kReleaseRedraw:
            if (redrawHeld_) {
                redrawHeld_ = false;
                if (refillAfterHold_) refill();
                if (placeAfterHold_) place();
                placeAfterHold_ = refillAfterHold_ = false;
                heldRowChanges_ = 0;
                SendMessageW(handle(), WM_SETREDRAW, TRUE, 0);
                InvalidateRect(handle(), nullptr, TRUE);
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (list_.hasCheckBoxes()) {
                clickCheckRow(lParam);
                return 0;
            }
            return afterNative(msg, wParam, lParam);
        case WM_KEYDOWN:
            if (list_.hasCheckBoxes() && wParam == VK_SPACE) {
                list_.userToggleCheck(list_.currentRow());
                return 0;
            }
            return afterNative(msg, wParam, lParam);
        case WM_VSCROLL:
        case WM_MOUSEWHEEL:
            return afterNative(msg, wParam, lParam);
        case WM_DROPFILES:
            dropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        default:
            return ControlPeer::handleMessage(msg, wParam, lParam);
        }
    }

private:
    // Rows changed while the list cannot be seen (its form not shown yet, or a container
    // hidden while a long list is filled) are not laid out one by one: the list stops
    // redrawing until the program is back in its message loop, and the current and top
    // rows are set once then. Otherwise the system updates the scroll bar for every row.
    // A list hidden itself is left alone: turning redrawing back on could show it.
    void holdRedraw() {
        HWND h = handle();
        if (redrawHeld_ || IsWindowVisible(h) || (GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) == 0) return;
        SendMessageW(h, WM_SETREDRAW, FALSE, 0);
        redrawHeld_ = true;
        PostMessageW(h, kReleaseRedraw, 0, 0);
    }

    static constexpr UINT kReleaseRedraw = WM_APP + 0x51;
    // Past this many row changes while held, the rows are not passed on one by one but
    // the list is filled anew at the release, one list after the other: the system grows
    // a list's storage in small steps, and lists filled row by row side by side make it
    // copy the rows over and over (four lists of 100,000 rows took seconds under Wine).
    static constexpr int kRefillAfter = 256;
    bool redrawHeld_ = false;
    bool placeAfterHold_ = false;
    bool refillAfterHold_ = false;
    int heldRowChanges_ = 0;

    void refill() {
        HWND h = handle();
        SendMessageW(h, LB_RESETCONTENT, 0, 0);
        std::size_t bytes = 0;
        for (int r = 0; r < list_.rowCount(); ++r) bytes += (list_.rowText(r).size() + 1) * sizeof(wchar_t);
        SendMessageW(h, LB_INITSTORAGE, static_cast<WPARAM>(list_.rowCount()), static_cast<LPARAM>(bytes));
        for (int r = 0; r < list_.rowCount(); ++r) add(r);
    }

    void invalidateRow(int index) {
        if (redrawHeld_) return; // every row is drawn anew when redrawing resumes
        RECT r{};
        if (SendMessageW(handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) != LB_ERR)
            InvalidateRect(handle(), &r, FALSE);
    }

    void add(int row) {
        const std::wstring text = platform::Widen(list_.rowText(row));
        SendMessageW(handle(), LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.c_str()));
    }

    // Lets the control act, then reports a changed top row as the user's scrolling.
    LRESULT afterNative(UINT msg, WPARAM wParam, LPARAM lParam) {
        auto alive = lifeToken();
        const LRESULT r = ControlPeer::handleMessage(msg, wParam, lParam);
        if (*alive) scrolled();
        return r;
    }

    void scrolled() {
        if (!handle()) return;
        const int top = static_cast<int>(SendMessageW(handle(), LB_GETTOPINDEX, 0, 0));
        if (top != list_.topRow()) list_.userScroll(top);
    }

    void clickCheckRow(LPARAM lParam) {
        auto alive = lifeToken();
        if (GetFocus() != handle()) SetFocus(handle());
        if (!*alive) return;
        const LRESULT hit = SendMessageW(handle(), LB_ITEMFROMPOINT, 0, lParam);
        if (HIWORD(hit) != 0) return; // below the last row
        const int row = static_cast<int>(LOWORD(hit));
        if (row < 0 || row >= list_.rowCount()) return;
        const int x = static_cast<short>(LOWORD(lParam));
        if (x < 1 + ListCheckBoxPx() + 1) list_.userToggleCheck(row);
        else list_.userSelect(row);
    }

    // The paths come in UTF-16 and go on in UTF-8; the drop is released before the
    // handler runs, as the handler may take long.
    void dropFiles(HDROP drop) {
        std::vector<std::string> paths;
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
            path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
            paths.push_back(platform::Narrow(path));
        }
        DragFinish(drop);
        list_.userDropFiles(paths, CurrentModifiers());
    }

    ListBox& list_;
};

} // namespace

std::unique_ptr<Peer> MakeListBoxPeer(ListBox& list) { return std::make_unique<ListBoxPeer>(list); }

} // namespace qs::tk::win32

#include "framework/colour_button.h"

#include <memory>
#include <type_traits>

namespace {

struct BrushDeleter {
    void operator()(HBRUSH brush) const { DeleteObject(brush); }
};
using unique_brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, BrushDeleter>;

}  // namespace

void ColourButton::Attach(HWND dialog, int id)
{
    Control::Attach(dialog, id);
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    SetWindowLongPtrW(hwnd_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    SetFaceColour(GetSysColor(COLOR_BTNFACE), false);
}

COLORREF ColourButton::FaceColour() const
{
    return static_cast<COLORREF>(GetWindowLongPtrW(hwnd_, GWLP_USERDATA));
}

void ColourButton::SetFaceColour(COLORREF colour, bool redraw) const
{
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
    if (redraw) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void DrawColourButton(const DRAWITEMSTRUCT& item)
{
    const HDC dc = item.hDC;
    const int saved = SaveDC(dc);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    RECT face = item.rcItem;
    const unique_brush brush(CreateSolidBrush(ColourButton(item.hwndItem).FaceColour()));
    FillRect(dc, &face, brush.get());
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);

    // The dialog's font, which the dialog gave every control.
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    if (font) SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    // Black reads best on every face the window uses, the light ones and the red of the highlight.
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0));
    RECT text = face;
    if (pressed) OffsetRect(&text, 1, 1);
    const CString caption = ColourButton(item.hwndItem).Text();
    const UINT prefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | prefix);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
    RestoreDC(dc, saved);
}

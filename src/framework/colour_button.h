#pragma once
// A push button that shows a face colour of its own. We draw it (owner-draw); the colour is kept with
// the button's window, so every wrapper of that window and the drawing see the same face.
#include <windows.h>

#include "framework/controls.h"

class ColourButton : public Control {
public:
    using Control::Control;
    // Takes over the drawing of the template's push button; the face starts in the system's button colour.
    void Attach(HWND dialog, int id);
    COLORREF FaceColour() const;
    void SetFaceColour(COLORREF colour, bool redraw) const;
};

// Answers the dialog's WM_DRAWITEM for a colour button: the face, a raised edge (sunken while pressed),
// the caption centred in the button's font, and the focus rectangle while it has the focus.
void DrawColourButton(const DRAWITEMSTRUCT& item);

#include <gtest/gtest.h>

#include "dialog/colour_buttons.h"
#include "dialog_runner.h"
#include "res/resource_ids.h"
#include "state/globals.h"

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr int kExecuteKey = 5;
constexpr int kTestKey = 10;
// Where the cursor waits: outside every window. The windows of the other tests stand at the top left of
// the screen, ours is moved to the bottom right.
constexpr POINT kParking = {10, 1010};

// CTest runs the tests in parallel processes, but there is one cursor: a test that moves it holds this
// lock for its whole run.
struct CursorLock {
    CursorLock() { WaitForSingleObject(mutex, INFINITE); }
    ~CursorLock()
    {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\TallowmereTestCursor");
};

// Puts the cursor at `p` and waits until Wine reads it there (from the X server, 100 ms after a move).
void PlaceCursor(POINT p)
{
    POINT now = {};
    for (int attempt = 0; attempt < 20; ++attempt) {
        SetCursorPos(p.x + 1, p.y);  // a move to where Wine believes the cursor is would do nothing
        SetCursorPos(p.x, p.y);
        Sleep(150);
        GetCursorPos(&now);
        if (now.x == p.x && now.y == p.y) return;
    }
    FAIL() << "the cursor stays at " << now.x << "," << now.y;
}

// A window that appears under the cursor hears of it, and its program may pass the place on to Wine
// much later, moving the cursor back there for a moment. So the cursor waits where no window appears,
// before our window is made and after it is gone. The highlight belongs to one window: the next
// window of this process starts without one.
struct ParkedCursor {
    ParkedCursor()
    {
        g_HoverIndex = 0;
        PlaceCursor(kParking);
    }
    ~ParkedCursor()
    {
        g_HoverIndex = 0;
        SetCursorPos(kParking.x, kParking.y);
    }
};

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The face beside the caption and the count of dark (caption) pixels, as the button draws itself.
struct Drawn {
    COLORREF face = 0;
    int darkPixels = 0;
};

Drawn Draw(HWND button)
{
    RECT client;
    GetClientRect(button, &client);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    Drawn drawn{GetPixel(dc, 4, 4), 0};
    for (int y = 3; y < client.bottom - 3; ++y)
        for (int x = 3; x < client.right - 3; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            drawn.darkPixels += GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60;
        }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return drawn;
}

class ColourButtons : public testing::Test {
protected:
    // Our window to the bottom right of the screen, away from the windows of the other tests.
    ColourButtons()
    {
        const RECT r = Rect(0);
        const int width = r.right - r.left, height = r.bottom - r.top;
        SetWindowPos(window_.Window(), nullptr, GetSystemMetrics(SM_CXSCREEN) - width,
                     GetSystemMetrics(SM_CYSCREEN) - height, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    // Timer messages come after every input message: at a tick the window has handled what the last
    // cursor move set off, and the next tick is 500 ms away.
    void WaitForTick() const
    {
        Send(WM_NULL);
        const int32_t ticks = g_TimerTicks;
        for (int i = 0; i < 200 && g_TimerTicks == ticks; ++i) {
            Sleep(5);
            Send(WM_NULL);
        }
        ASSERT_NE(g_TimerTicks, ticks);
    }
    void MoveCursor(POINT p) const
    {
        PlaceCursor(p);
        WaitForTick();
    }
    void Send(UINT msg, WPARAM w = 0) const { SendMessageW(window_.Window(), msg, w, 0); }
    // The cursor comes from the dialog's background onto `p`.
    void Enter(POINT p) const
    {
        MoveCursor(p);
        Send(WM_MOUSELEAVE);
    }
    void BackToBackground() const
    {
        // Between Execute and Language, which stand one above the other.
        MoveCursor({Centre(Rect(IDC_EXECUTE)).x, (Rect(IDC_EXECUTE).bottom + Rect(IDC_LANGUAGE).top) / 2});
        Send(WM_MOUSEMOVE);
    }
    RECT Rect(int id) const
    {
        RECT r = {};
        GetWindowRect(id ? window_.Control(id) : window_.Window(), &r);
        return r;
    }
    // The button of `key` (0 = none) is red, every other one shows its normal face.
    void ExpectHighlight(int key) const
    {
        EXPECT_EQ(g_HoverIndex, key);
        for (int k = 1; k <= 13; ++k)
            EXPECT_EQ(HoverButtonFaceColor(k), k == key ? kRed : kNormalColours[k - 1]) << k;
    }

    CursorLock lock_;
    ParkedCursor parked_;
    DialogRunner window_;
};

}  // namespace

TEST_F(ColourButtons, StartInTheirNormalColoursDrawnWithReadableCaptions)
{
    const struct { int id; COLORREF colour; } keys[13] = {
        {IDC_SELECT_SOURCE, 0xD5EFFF}, {IDC_UP, 0xFFFFFF},          {IDC_REFRESH, 0xFFFFFF},
        {IDC_INSERT_SOURCE_PATH, 0xD5EFFF}, {IDC_EXECUTE, 0x00A5FF}, {IDC_SELECT_TARGET, 0xFAE6E6},
        {IDC_HELP_BUTTON, 0xFAE6E6},   {IDC_INSERT_TARGET_PATH, 0xFAE6E6}, {IDC_LANGUAGE, 0x00FFFF},
        {IDC_TEST, 0xFAE6E6},          {IDC_INFO, 0xF0FFF0},        {IDC_CLEAR_SOURCE_PATH, 0xD5EFFF},
        {IDC_CLEAR_TARGET_PATH, 0xFAE6E6},
    };
    for (int key = 1; key <= 13; ++key) {
        const auto& expected = keys[key - 1];
        EXPECT_EQ(g_HoverButtons.at(key).hwnd, window_.Control(expected.id)) << key;
        EXPECT_EQ(HoverButtonFaceColor(key), expected.colour) << key;
        const Drawn drawn = Draw(window_.Control(expected.id));
        EXPECT_EQ(drawn.face, expected.colour) << key;
        EXPECT_GT(drawn.darkPixels, 4) << key;
    }
    EXPECT_EQ(g_HoverIndex, 0);
}

TEST_F(ColourButtons, ButtonUnderTheCursorIsRedUntilTheCursorIsBackOnTheBackground)
{
    const RECT execute = Rect(IDC_EXECUTE);
    Enter(Centre(execute));
    ExpectHighlight(kExecuteKey);
    const Drawn red = Draw(window_.Control(IDC_EXECUTE));
    EXPECT_EQ(red.face, kRed);
    EXPECT_GT(red.darkPixels, 4);
    BackToBackground();
    ExpectHighlight(0);
    EXPECT_EQ(Draw(window_.Control(IDC_EXECUTE)).face, 0x00A5FFu);

    // All four edges belong to the button.
    const struct { LONG x; LONG y; int key; } points[] = {
        {execute.right, execute.bottom, kExecuteKey}, {execute.left, execute.top, kExecuteKey},
        {execute.right + 1, execute.bottom, 0},       {execute.right, execute.bottom + 1, 0},
    };
    for (const auto& p : points) {
        Enter({p.x, p.y});
        EXPECT_EQ(g_HoverIndex, p.key) << p.x << "," << p.y;
        BackToBackground();
    }
}

TEST_F(ColourButtons, HighlightFollowsTheCursorAtTheNextTickOfTheWindowsOwnTimer)
{
    Enter(Centre(Rect(IDC_EXECUTE)));
    WaitForTick();
    const int32_t ticks = g_TimerTicks;
    // Straight onto the neighbour: the dialog itself hears nothing.
    PlaceCursor(Centre(Rect(IDC_TEST)));
    ExpectHighlight(kExecuteKey);
    Send(WM_TIMER, 2);
    EXPECT_EQ(g_TimerTicks, ticks);
    ExpectHighlight(kExecuteKey);
    Send(WM_TIMER, 1);
    EXPECT_EQ(g_TimerTicks, ticks + 1);
    ExpectHighlight(kTestKey);

    // Out of the window across the button's edge.
    WaitForTick();
    PlaceCursor(kParking);
    ExpectHighlight(kTestKey);
    Send(WM_TIMER, 1);
    ExpectHighlight(0);
}

TEST_F(ColourButtons, ClearInfoIsUncheckedOnTheThirdTickAfterItsRelease)
{
    WaitForTick();
    window_.Click(IDC_CLEAR_INFO);  // checks the box and sets its release three ticks ahead
    for (int tick = 1; tick <= 3; ++tick) {
        EXPECT_TRUE(window_.IsChecked(IDC_CLEAR_INFO)) << tick;
        Send(WM_TIMER, 1);
    }
    EXPECT_FALSE(window_.IsChecked(IDC_CLEAR_INFO));
}

TEST_F(ColourButtons, HoverFindsTheRightButtonAfterTheWindowMoved)
{
    // Not far: the old place of Execute stays inside the window.
    const POINT before = Centre(Rect(IDC_EXECUTE));
    const RECT start = Rect(0);
    ASSERT_TRUE(SetWindowPos(window_.Window(), nullptr, start.left - 50, start.top - 40, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER));
    EXPECT_EQ(g_MainWindowRect.left, Rect(0).left);
    EXPECT_EQ(g_MainWindowRect.top, Rect(0).top);
    Enter(before);
    EXPECT_NE(g_HoverIndex, kExecuteKey);
    BackToBackground();
    Enter(Centre(Rect(IDC_EXECUTE)));
    ExpectHighlight(kExecuteKey);
}

#pragma once

// CDialog: the base of every screen, a QDialog that behaves like the phone
// platform's dialog class.
//
// - It covers the device display (see Display.h) at (0, 0); TopMargin() is the
//   height of the task bar, which screens use for their header band.
// - The soft-key bar (SetSoftKeys) is drawn over the bottom SoftKeyHeight()
//   pixels. F1 and F2 press the left and right keys; a key with a pop-up opens
//   it, and arrows/Return/Escape then work in the pop-up. Commands arrive in
//   OnCommand. A tap on the bar presses the key under the pen.
// - Painting: each paint gives OnPaint a Canvas on the off-screen picture of
//   the whole screen, then copies that picture to the window in one step. The
//   draw log of the last paint (drawLog()) lets tests read what is shown.
// - Input arrives in the phone's handlers: OnKeyDown with VK_* codes (the
//   emulator's keys), OnLButtonDown/Up for the pen (the mouse).
// - DoModal runs the screen modally and returns the EndDialog value; Create
//   shows it modeless. OnInitDialog runs once before the screen is shown.
// - Screens find each other by caption or class (WindowRegistry) and exchange
//   the numbered user messages synchronously (OnUserMessage).
// - The minimised kind of size change hides the screen and brings the window
//   behind to the front; without one, "返回失败" is shown. A screen that comes
//   forward while a screen it opened is hidden shows that one again, so a
//   minimised sub-screen never leaves its blocked parent as the only window.
// - Child controls (check boxes, edit fields, time pickers) are ordinary Qt
//   widgets registered under their control id (AddControl/GetDlgItem).

#include <QDialog>
#include <QImage>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "platform/ui/Canvas.h"
#include "platform/ui/Display.h"
#include "platform/ui/DrawLog.h"
#include "platform/ui/SoftKeyBar.h"
#include "platform/ui/SoftKeyMenu.h"
#include "platform/ui/WinDefs.h"

namespace platform::ui {

class CDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDialog)

public:
    // className names the screen class ("CtevaloHelp"); parent is the screen
    // that opens this one (nullptr for the first screen).
    explicit CDialog(std::u16string className, CDialog* parent = nullptr);
    ~CDialog() override;

    // Runs modally: OnInitDialog, show, wait for EndDialog. Returns its value.
    int DoModal();
    // Shows modeless (the start-up cover window): OnInitDialog, then show.
    void Create();
    void EndDialog(int result);
    void DestroyWindow();
    bool IsInitialised() const { return initialised_; }
    bool IsRunningModal() const { return runningModal_; }

    void SetWindowText(std::u16string caption);
    const std::u16string& GetWindowText() const { return caption_; }
    const std::u16string& ClassName() const { return className_; }
    CDialog* ParentDialog() const { return parentDialog_; }

    // Soft keys.
    void SetSoftKeys(SoftKeyMenu menu);
    const SoftKeyBar& softKeyBar() const { return softKeys_; }
    int SoftKeyHeight() const { return softKeys_.empty() ? 0 : display_.softKeyHeight; }
    void PressSoftKey(SoftKeyBar::Key key);
    // Chooses the soft-key command with this caption the way a user does: F1
    // or F2, then Down to it in the pop-up and Return. False when no key or
    // pop-up item has the caption.
    bool PressCommand(std::u16string_view caption);

    // Geometry.
    const DeviceDisplay& Display() const { return display_; }
    int TopMargin() const { return display_.topMargin; }
    Rect GetClientRect() const { return {0, 0, width(), height()}; }
    // Moves to (0, 0) with the whole display and shows the screen again.
    void MakeFullScreen();
    // Raises the window above the others and gives it the focus.
    void BringToFront();

    // Painting.
    void Invalidate() { update(); }
    // Paints into the off-screen picture now (also when hidden) and returns it.
    const QImage& PaintNow();
    const QImage& frame() const { return frame_; }
    const DrawLog& drawLog() const { return log_; }

    // Controls.
    void AddControl(int id, QWidget* control);
    QWidget* GetDlgItem(int id) const;
    template <typename T>
    T* Control(int id) const {
        return qobject_cast<T*>(GetDlgItem(id));
    }

    // Timers (OnTimer receives the id).
    void SetTimer(int id, int milliseconds);
    void KillTimer(int id);

    // Input entry points used by the Qt events and by test drivers.
    void KeyDown(int vk);
    void PenDown(int x, int y);
    void PenUp(int x, int y);
    void Minimize();
    void Activate();
    // Delivers a numbered user message synchronously.
    std::intptr_t SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    // Called once a dialog has been shown (modal or modeless); a test harness
    // uses it to drive nested screens.
    using OpenObserver = std::function<void(CDialog&)>;
    static void SetOpenObserver(OpenObserver observer);

protected:
    virtual bool OnInitDialog() { return true; }
    virtual void OnPaint(Canvas& canvas);
    virtual void OnKeyDown(int vk) { (void)vk; }
    virtual void OnLButtonDown(int x, int y) { (void)x, (void)y; }
    virtual void OnLButtonUp(int x, int y) { (void)x, (void)y; }
    virtual void OnCommand(int id) { (void)id; }
    virtual std::intptr_t OnUserMessage(unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam);
    virtual void OnActivate(int state) { (void)state; }
    // SIZE_MINIMIZED is handled by OnMinimized; other kinds carry the new size.
    virtual void OnSize(int kind, int cx, int cy);
    virtual void OnMinimized();
    virtual void OnTimer(int id) { (void)id; }
    virtual void OnDestroy() {}

    // Brings the window behind this one to the front; false when there is none.
    virtual bool BringWindowBehindToFront();
    // Background of the area OnPaint does not cover (default white).
    virtual Color BackgroundColor() const { return kWhite; }

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void initialiseOnce();
    void renderFrame();
    void runCommand(int id);

    std::u16string className_;
    std::u16string caption_;
    CDialog* parentDialog_;
    CDialog* modalChild_ = nullptr;  // the screen this one runs modally now
    DeviceDisplay display_;
    SoftKeyBar softKeys_;
    QImage frame_;
    DrawLog log_;
    std::map<int, QWidget*> controls_;
    std::map<int, int> timers_;  // screen id -> Qt timer id
    bool initialised_ = false;
    bool runningModal_ = false;
    bool ended_ = false;
    int result_ = IDCANCEL;
    bool penOnBar_ = false;
};

}  // namespace platform::ui

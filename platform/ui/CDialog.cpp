#include "platform/ui/CDialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <optional>
#include <vector>

#include "platform/msgbox/MessageBox.h"
#include "platform/ui/WindowRegistry.h"

namespace platform::ui {
namespace {

CDialog::OpenObserver& openObserver() {
    static CDialog::OpenObserver o;
    return o;
}

int virtualKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Select:
            return VK_RETURN;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Backspace:
        case Qt::Key_Back:
            return VK_BACK;
        case Qt::Key_F1:
        case Qt::Key_Context1:
            return VK_F1;
        case Qt::Key_F2:
        case Qt::Key_Context2:
            return VK_F2;
        default:
            return 0;
    }
}

// The loop of a running DoModal, a child of its screen.
const QString kModalLoop = QStringLiteral("tevalo-modal-loop");

void focusFirstControl(QWidget& screen) {
    for (QWidget* w = screen.nextInFocusChain(); w && w != &screen; w = w->nextInFocusChain()) {
        if (screen.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(&screen)) {
            w->setFocus();
            return;
        }
    }
    screen.setFocus();
}

// Without a window manager nobody hands the keyboard on when a window closes.
void takeKeyboard(QWidget& window) {
    if (window.isVisible() && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        window.activateWindow();
    }
}

}  // namespace

CDialog::CDialog(std::u16string className, CDialog* parent)
    : QDialog(parent, Qt::Window),
      className_(std::move(className)),
      parentDialog_(parent),
      display_(deviceDisplay()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(display_.width, display_.height);
    setModal(false);
    // The screen class as the X window role, so that tools on the display (and the
    // real-display tests) tell the screens apart, captioned or not.
    setWindowRole(QString::fromStdU16String(className_));
    WindowRegistry::Add(this);
}

CDialog::~CDialog() {
    for (const auto& [id, qtId] : timers_) killTimer(qtId);
    WindowRegistry::Remove(this);
}

void CDialog::initialiseOnce() {
    if (initialised_) return;
    initialised_ = true;
    move(0, 0);
    // The platform's rule: true lets the framework put the focus on the first control
    // that takes it (or the screen itself); false means the screen has set the focus
    // itself and it stays there.
    if (OnInitDialog()) focusFirstControl(*this);
}

int CDialog::DoModal() {
    ended_ = false;
    result_ = IDCANCEL;
    initialiseOnce();
    if (ended_) {
        OnDestroy();
        initialised_ = false;
        return result_;
    }
    runningModal_ = true;
    if (parentDialog_) parentDialog_->modalChild_ = this;
    setWindowModality(Qt::ApplicationModal);
    // The observer runs inside the modal loop, once the screen is shown.
    QTimer::singleShot(0, this, [this] {
        if (runningModal_ && openObserver()) openObserver()(*this);
    });
    if (!ended_) {
        // A loop of its own rather than QDialog::exec, whose loop ends as soon as the
        // window hides: a minimised screen stays open until EndDialog.
        QEventLoop loop(this);
        loop.setObjectName(kModalLoop);
        show();
        BringToFront();
        if (!ended_) loop.exec(QEventLoop::DialogExec);
    }
    runningModal_ = false;
    if (parentDialog_ && parentDialog_->modalChild_ == this) parentDialog_->modalChild_ = nullptr;
    OnDestroy();
    initialised_ = false;
    hide();
    if (parentDialog_ && parentDialog_->initialised_) {
        parentDialog_->Activate();
        takeKeyboard(*parentDialog_);
    }
    return result_;
}

void CDialog::Create() {
    ended_ = false;
    initialiseOnce();
    if (ended_) return;
    show();
    BringToFront();
    if (openObserver()) openObserver()(*this);
}

void CDialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    if (runningModal_) {
        QDialog::done(result);
        if (auto* loop = findChild<QEventLoop*>(kModalLoop, Qt::FindDirectChildrenOnly)) {
            loop->exit(result);
        }
    } else if (isVisible()) {
        hide();
    }
}

void CDialog::DestroyWindow() {
    if (runningModal_) {
        EndDialog(IDCANCEL);
        return;
    }
    if (initialised_) OnDestroy();
    initialised_ = false;
    hide();
}

void CDialog::SetWindowText(std::u16string caption) {
    caption_ = std::move(caption);
    setWindowTitle(QString::fromStdU16String(caption_));
}

void CDialog::SetSoftKeys(SoftKeyMenu menu) {
    softKeys_.setMenu(std::move(menu));
    update();
}

void CDialog::PressSoftKey(SoftKeyBar::Key key) {
    if (auto id = softKeys_.press(key)) runCommand(*id);
    update();
}

namespace {

// The key presses that reach the command with this caption in a pop-up: Down
// to its entry and Return, first into the entry's own pop-up when it is there.
std::optional<std::vector<int>> pathTo(const std::vector<MenuItem>& popup,
                                       std::u16string_view caption) {
    for (std::size_t i = 0; i < popup.size(); ++i) {
        std::vector<int> keys(i, VK_DOWN);
        const MenuItem& entry = popup[i];
        if (entry.popup.empty()) {
            if (entry.text != caption) continue;
            keys.push_back(VK_RETURN);
            return keys;
        }
        if (auto inner = pathTo(entry.popup, caption)) {
            keys.push_back(VK_RETURN);
            keys.insert(keys.end(), inner->begin(), inner->end());
            return keys;
        }
    }
    return std::nullopt;
}

}  // namespace

bool CDialog::PressCommand(std::u16string_view caption) {
    using Key = SoftKeyBar::Key;
    const auto& menu = softKeys_.menu();
    for (Key key : {Key::Left, Key::Right}) {
        const auto& item = key == Key::Left ? menu.left : menu.right;
        const int softKey = key == Key::Left ? VK_F1 : VK_F2;
        if (item.popup.empty()) {
            if (item.text != caption) continue;
            KeyDown(softKey);
            return true;
        }
        if (auto keys = pathTo(item.popup, caption)) {
            KeyDown(softKey);
            for (int vk : *keys) KeyDown(vk);
            return true;
        }
    }
    return false;
}

void CDialog::runCommand(int id) {
    update();
    OnCommand(id);
}

void CDialog::MakeFullScreen() {
    display_ = deviceDisplay();
    setFixedSize(display_.width, display_.height);
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    move(0, 0);
    if (!isVisible()) show();
    update();
}

// The screens this one runs modally stay above it (a hidden one is shown again) and
// the topmost of them gets the focus, so no caller can cover an open screen.
void CDialog::BringToFront() {
    if (!isVisible()) show();
    // This window, then the chain of screens it runs modally, each above the last.
    std::vector<CDialog*> chain{this};
    for (CDialog* child = modalChild_; child && child->runningModal_; child = child->modalChild_) {
        if (!child->isVisible()) child->MakeFullScreen();
        chain.push_back(child);
    }
    for (CDialog* window : chain) WindowRegistry::Raise(window);
    // The offscreen platform has no stacking; asking it only prints warnings.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
    for (CDialog* window : chain) window->raise();
    chain.back()->activateWindow();
}

void CDialog::renderFrame() {
    // The frame has the window's device pixels; the screens paint in logical ones.
    const qreal ratio = devicePixelRatio();
    const QSize pixels = size() * ratio;
    if (frame_.size() != pixels) frame_ = QImage(pixels, QImage::Format_RGB32);
    frame_.setDevicePixelRatio(ratio);
    log_.clear();
    Canvas canvas(frame_, &log_);
    canvas.fillRect(GetClientRect(), BackgroundColor());
    OnPaint(canvas);
    softKeys_.paint(canvas, SoftKeyHeight());
}

const QImage& CDialog::PaintNow() {
    renderFrame();
    return frame_;
}

void CDialog::OnPaint(Canvas& canvas) {
    (void)canvas;
}

void CDialog::paintEvent(QPaintEvent*) {
    renderFrame();
    QPainter window(this);
    window.drawImage(0, 0, frame_);
}

void CDialog::AddControl(int id, QWidget* control) {
    controls_[id] = control;
    control->setProperty("controlId", id);
}

QWidget* CDialog::GetDlgItem(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

void CDialog::SetTimer(int id, int milliseconds) {
    KillTimer(id);
    timers_[id] = startTimer(milliseconds);
}

void CDialog::KillTimer(int id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    killTimer(it->second);
    timers_.erase(it);
}

void CDialog::timerEvent(QTimerEvent* event) {
    for (const auto& [id, qtId] : timers_) {
        if (qtId == event->timerId()) {
            OnTimer(id);
            return;
        }
    }
    QDialog::timerEvent(event);
}

void CDialog::KeyDown(int vk) {
    if (softKeys_.popupOpen()) {
        if (vk == VK_F1 || vk == VK_F2) {
            PressSoftKey(vk == VK_F1 ? SoftKeyBar::Key::Left : SoftKeyBar::Key::Right);
            return;
        }
        auto id = softKeys_.popupKey(vk);
        update();
        if (id) runCommand(*id);
        return;
    }
    if (vk == VK_F1) {
        PressSoftKey(SoftKeyBar::Key::Left);
    } else if (vk == VK_F2) {
        PressSoftKey(SoftKeyBar::Key::Right);
    } else {
        OnKeyDown(vk);
    }
}

void CDialog::PenDown(int x, int y) {
    penOnBar_ = false;
    if (softKeys_.popupOpen()) {
        // Resolved at pen-up, like a menu.
        penOnBar_ = true;
        return;
    }
    if (softKeys_.keyAt(x, y, width(), height(), SoftKeyHeight())) {
        penOnBar_ = true;
        return;
    }
    OnLButtonDown(x, y);
}

void CDialog::PenUp(int x, int y) {
    if (penOnBar_) {
        penOnBar_ = false;
        if (softKeys_.popupOpen()) {
            auto key = softKeys_.keyAt(x, y, width(), height(), SoftKeyHeight());
            if (key) {
                PressSoftKey(*key);
                return;
            }
            auto id = softKeys_.popupTap(x, y);
            update();
            if (id) runCommand(*id);
            return;
        }
        if (auto key = softKeys_.keyAt(x, y, width(), height(), SoftKeyHeight()))
            PressSoftKey(*key);
        return;
    }
    OnLButtonUp(x, y);
}

void CDialog::Minimize() {
    OnSize(SIZE_MINIMIZED, 0, 0);
}

void CDialog::Activate() {
    // A late activation of a window hidden meanwhile (a window manager hands the focus
    // on while the application is minimising) must not bring anything back.
    if (!initialised_ || !isVisible()) return;
    if (modalChild_ && modalChild_->runningModal_ && !modalChild_->isVisible()) {
        modalChild_->MakeFullScreen();
        modalChild_->BringToFront();
        modalChild_->Activate();
        return;
    }
    OnActivate(WA_ACTIVE);
}

std::intptr_t CDialog::SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return OnUserMessage(message, wParam, lParam);
}

std::intptr_t CDialog::OnUserMessage(unsigned message, std::uintptr_t, std::intptr_t) {
    if (message == DM_REPOSITION) MakeFullScreen();
    return 0;
}

void CDialog::OnSize(int kind, int, int) {
    if (kind == SIZE_MINIMIZED) OnMinimized();
}

void CDialog::OnMinimized() {
    hide();
    // The screen that runs this one is blocked while it runs: brought forward alone it
    // would take no input. So the application goes down with it, and showing that
    // screen again brings this one back (BringToFront).
    if (parentDialog_ && runningModal_ && parentDialog_->modalChild_ == this &&
        parentDialog_->initialised_) {
        parentDialog_->Minimize();
        return;
    }
    if (!BringWindowBehindToFront()) platform::messageBox(this, u"返回失败");
}

bool CDialog::BringWindowBehindToFront() {
    CDialog* behind = WindowRegistry::WindowBehind(this);
    if (!behind) return false;
    behind->BringToFront();
    return true;
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    const int vk = virtualKey(event->key());
    if (vk == 0) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    KeyDown(vk);
}

void CDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    PenDown(p.x(), p.y());
}

void CDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    PenUp(p.x(), p.y());
}

void CDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (initialised_) OnSize(SIZE_RESTORED, width(), height());
}

void CDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && initialised_) {
        // The window manager minimised us; the screen decides what that means.
        setWindowState(windowState() & ~Qt::WindowMinimized);
        Minimize();
    }
}

bool CDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Activate();
    return QDialog::event(event);
}

void CDialog::closeEvent(QCloseEvent* event) {
    // The window's close button acts like minimising: screens end only through
    // their own commands.
    event->ignore();
    if (initialised_) Minimize();
}

void CDialog::reject() {
    // Escape reaches screens as VK_ESCAPE through keyPressEvent; QDialog's own
    // rejection must not end a screen behind its back.
}

void CDialog::SetOpenObserver(OpenObserver observer) {
    openObserver() = std::move(observer);
}

}  // namespace platform::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/input/PadNavigator.h"
#include "platform/window/DesignScale.h"
#include "platform/window/ScreenMemory.h"

#include <QPointer>
#include <QWidget>

class QEventLoop;
class QLabel;
class QLineEdit;

namespace platform {

class FocusRing;
class Form;
struct Services;

// Which of the game's windows is the active one: the program's own notion, kept in one
// object that every window reaches through the services.
class Activation {
public:
    Form* active() const { return active_; }

private:
    friend class Form;
    // Makes `form` the active window, deactivating the one before.
    void activate(Form* form);
    void deactivateActive();

    Form* active_ = nullptr;
};

// A top-level game window with the life the game's windows expect. Its name and its events
// (load, activate, deactivate, query close) mirror the window toolkit of the desktop the game
// was made for; Qt's own events of those names behave differently. Load on first use,
// show, modal show, hide and unload, and the program's own notion of which of its windows
// is active. Exactly one game window is active at a time; message boxes and other
// programs do not count.
//
// - show(): activateEvent runs once the handler that showed the window has returned (a
//   queued call), and not at all if the window was hidden meanwhile. The window that was
//   active until then is deactivated first.
// - hide(): the active window is deactivated at once.
// - showModal(): the active window is deactivated at once, then the modal window is
//   activated as the first thing of its own event loop. When it hides, its owner is
//   activated again at once, before showModal() returns.
// - A close from the window frame asks queryClose, which may cancel it; a close that
//   is not cancelled hides the window, or unloads it if it was made to be unloaded.
//
// Qt's own activation events are unreliable without a window manager, so activation is
// tracked here; Qt is asked to activate a window only to give it the keyboard focus.
//
// A window is designed at a fixed size, and its content scales with the window (DesignScale);
// a window that paints pictures of its own makes them again in rescaleEvent. It follows the
// players' choice of full screen and takes the size they gave it in the last run
// (ScreenMemory).
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(Services& services);
    ~Form() override;

    // Runs loadEvent unless it has run already; show() and showModal() load first.
    void load();
    void show();
    void showModal();
    void hide();
    // Hides the window and deletes it once control is back in the event loop.
    void unload();

    bool isActive() const;
    // Full screen on or off for this window and every game window shown after it. F11
    // toggles it, and Escape leaves it where the window does not say otherwise (setEscape).
    // Enter presses the button that has the keyboard's focus.
    void setFullScreen(bool on);
    bool isShownFullScreen() const { return screen_.isFullScreen(); }

    // The design-to-window transform: a design length times scale(), a design point times
    // scale() plus designOrigin().
    qreal scale() const { return scale_.scale(); }
    QPoint designOrigin() const { return scale_.origin(); }
    QRect toWindow(const QRect& design) const { return scale_.toWindow(design); }

    // What the pads may do here, asked at every tick of their poll.
    struct PadUse {
        bool read = true;  // false: the pads are left unread, as in a round of keyboard players
        bool readByWindow = false;  // the window's own poll has just read the devices
        int scene = 0;  // a change makes every press held so far count for nothing
        bool anyDevice = true;  // false: only the presses of onlyDevice act (of none, when it is none)
        ControllerButton onlyDevice;  // its kind and copy
        std::vector<ControllerButton> buzzerButtons;  // buttons that only buzz here
    };
    virtual PadUse padUse() const { return {}; }
    // A press of a pad, or an arrow, Enter or Escape of the keyboard: the arrows move the
    // focus to the nearest control that way, Choose presses the focused button, and Back
    // closes a window with a way back. A pad passes over the text boxes: names are typed.
    virtual void navigate(Navigation navigation, bool fromPad);
    // The places, in window coordinates, a message box over this window should hide the least
    // of; none: the box stands over the window's middle.
    virtual QList<QRect> placesToKeepInView() const { return {}; }

signals:
    void unloaded();

protected:
    virtual void loadEvent() {}
    virtual void activateEvent() {}
    virtual void deactivateEvent() {}
    // Set `cancel` to keep the window open.
    virtual void queryClose(bool& cancel) { (void)cancel; }
    // The design-to-window transform has changed.
    virtual void rescaleEvent() {}

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The window as designed: its caption, its client size (the smallest it may be) and a
    // background colour.
    void design(const QString& caption, QSize size, const QColor& background);
    // A heading: a label centred across `place`.
    QLabel* heading(const QString& text, const QRect& place, const QFont& font);
    // The design at the window's left, the width a wider window has all on its right.
    void designAtLeft() { scale_.setAtLeft(true); }
    // A child's font of the design, changed after it was made.
    void setDesignFont(QWidget& child, const QFont& font) { scale_.setDesignFont(child, font); }
    // A close from the frame unloads this window (the next use makes it afresh).
    void unloadWhenClosed() { unloadWhenClosed_ = true; }
    // What Escape does here: leave full screen (the default, on the windows of the game's
    // way), close the window as its frame would (a window with a way back), or nothing (a
    // window whose only way on is its own buttons).
    enum class Escape { LeavesFullScreen, Closes, DoesNothing };
    void setEscape(Escape action) { escapeAction_ = action; }
    // The control that has the focus when the window first shows.
    void setFirstFocus(QWidget& control) { firstFocus_ = &control; }
    // A number box that a pad can set: left and right lower and raise its number within
    // [lowest, highest] (a box holding no number starts from `lowest`). The keyboard types in it.
    void letPadStep(QLineEdit& box, int lowest, int highest) { steppedBoxes_.push_back({&box, lowest, highest}); }
    // The ring that marks the focus, on the focused control unless the window rings a place
    // of its own (showFocusRing).
    FocusRing& focusRing() { return *focusRing_; }
    virtual void showFocusRing();

    Services& services;

private:
    friend class Activation;
    Activation& activation();

    bool loaded_ = false;
    bool unloadWhenClosed_ = false;
    Escape escapeAction_ = Escape::LeavesFullScreen;
    bool activationPending_ = false;
    QEventLoop* modalLoop_ = nullptr;
    QPointer<Form> modalOwner_;
    DesignScale scale_{*this};
    WindowScreen screen_;
    FocusRing* focusRing_ = nullptr;
    QPointer<QWidget> firstFocus_;
    struct SteppedBox {
        QLineEdit* box;
        int lowest;
        int highest;
    };
    std::vector<SteppedBox> steppedBoxes_;
};

}  // namespace platform

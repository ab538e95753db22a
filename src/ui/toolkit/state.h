#pragma once
// What the toolkit keeps about each window, whether or not it exists at the
// moment. Private to the toolkit.

#include "ui/toolkit/toolkit_qt.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QTimer;
class QWidget;

namespace tessaline::ui::detail {

class FormWindow;
class BoardWidget;

// How a beep reaches the player.
enum class BellWay {
    Qt,         // QApplication::beep(): the X bell, or the compositor's where Qt rings it
    Compositor, // the compositor's bell, rung on Qt's connection by the bell itself
    SoundTheme, // the theme's bell through the sound server
};

// The way for a platform plugin ("xcb", "wayland"...), whether the Wayland
// compositor offers a bell of its own, and the version of Qt in use.
BellWay ChooseBell(const QString& platform, bool compositorBell, const char* qt);

// The system's alert sound. On X11 it is the X bell, which the desktop turns
// into its own sound or a flash. On Wayland it is the compositor's bell where
// the compositor has one, which the desktop sounds, flashes or keeps quiet as
// the user chose. Elsewhere the desktop's bell is played from its sound theme
// through the user's sound server, on a thread of its own so that a beep never
// holds up play; with no sound server it is silently nothing. Which one is
// looked up once, when the bell is made at the first beep.
class Bell {
  public:
    Bell();
    ~Bell();
    Bell(const Bell&) = delete;
    Bell& operator=(const Bell&) = delete;

    void Ring();

  private:
    struct Desktop;
    struct Sound;
    BellWay way_ = BellWay::Qt;
    std::unique_ptr<Desktop> desktop_; // set for BellWay::Compositor
    std::unique_ptr<Sound> sound_;     // set for BellWay::SoundTheme
};

// One control of a live window, at its handle's place.
struct ControlSlot {
    const ControlDef* def = nullptr; // none for a square of the board
    QWidget* widget = nullptr;       // the control's widget, or the board that paints it
    BoardWidget* grid = nullptr;     // set for a square of the board
    int cell = -1;
    QTimer* timer = nullptr;
    bool timerEnabled = false;
    std::optional<Colour> back; // the last back colour set on a widget
};

struct ToolkitState;

struct FormState {
    FormState(ToolkitState& owner, const FormDef& def);

    // The window, created hidden (load handler included) if it does not exist;
    // nullptr once the program has ended.
    FormWindow* Live();
    // The player closed the window through its title bar.
    void Closed();
    // Where a control's handle lies in `controls`; std::invalid_argument if
    // the definition has no such control.
    std::size_t Position(std::string_view name, int index) const;
    Control& Handle(std::string_view name, int index) { return *controls[Position(name, index)]; }

    ToolkitState& toolkit;
    FormDef def; // its texts are the caller's
    std::function<void()> load;
    Form handle;
    FormWindow* window = nullptr;
    // One per control of the definition, in its order, then one per square of the board.
    std::vector<std::unique_ptr<Control>> controls;
    std::map<std::string, Command, std::less<>> commands;
};

struct ToolkitState {
    ~ToolkitState();

    FormState& Find(std::string_view name);
    // Close the live window of a form at once; no handler runs.
    void Destroy(FormState& form);
    void EndProgram();

    std::map<std::string, std::unique_ptr<FormState>, std::less<>> forms;
    std::string mainForm;
    int beeps = 0;
    std::unique_ptr<Bell> bell; // made at the first beep
    bool ended = false;
    PicturePainter picturePainter;
    PictureDescriber pictureDescriber;
    QIcon programIcon;
    std::vector<QPointer<QWidget>> closing; // closed windows waiting to be deleted
    QObject context;                        // what the toolkit posts for later dies with it
};

// A control as error messages name it: "Square(12)", or "btnOK".
// Appended piece by piece: GCC 12 at -O3 warns, wrongly, of an overlapping
// copy in "(" + std::to_string(index).
inline std::string Describe(std::string_view name, int index) {
    std::string text(name);
    if (index >= 0) {
        text += '(';
        text += std::to_string(index);
        text += ')';
    }
    return text;
}

} // namespace tessaline::ui::detail

#include "ui/toolkit/form_window.h"

#include "ui/toolkit/board_widget.h"
#include "ui/toolkit/placement.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/units.h"
#include "ui/toolkit/widgets.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaline::ui::detail {

namespace {

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
           kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

Qt::WindowFlags FlagsFor(const FormDef& def) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (def.minimizeButton) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (def.maximizeButton && def.border == BorderKind::Sizable) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

// The handler bound to `name`, or nullptr.
template <class Handler>
const std::function<Handler>* Bound(const Bindings<Handler>& bindings, std::string_view name) {
    const auto found = bindings.find(name);
    return found == bindings.end() ? nullptr : &found->second;
}

} // namespace

FormWindow::FormWindow(FormState& form)
    : QDialog(nullptr, FlagsFor(form.Def())), form_(&form), toolkit_(form.toolkit),
      fixedSize_(form.Def().border == BorderKind::FixedSingle) {
    const FormDef& def = form.Def();
    setWindowTitle(ToQString(def.caption));
    setObjectName(ToQString(def.name));
    if (def.programIcon) {
        ApplyProgramIcon(toolkit_.programIcon);
    }
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    // Windows stand on the button face, as every kind of control does.
    client_->setBackgroundRole(QPalette::Button);
    client_->setAutoFillBackground(true);
    client_->setFont(DialogFont(FontDef{}));
    // The menu bar on top, the client area below it, both as wide as the window.
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSizeConstraint(QLayout::SetNoConstraint);
    frame->addWidget(client_);
    if (!def.menus.empty()) {
        menuBar_ = new QMenuBar(this);
        // Inside the window on every desktop, so that the client area lies below it.
        menuBar_->setNativeMenuBar(false);
        AddMenus(menuBar_, def.menus);
        frame->setMenuBar(menuBar_);
    }
    BuildControls(def.controls);
    if (def.board) {
        BuildBoard(*def.board);
    }
    SetTabOrder(def.controls);
    SetClientSize(QSize(TwipsToPixels(def.clientWidth), TwipsToPixels(def.clientHeight)));
    if (def.placement) {
        Place(*def.placement);
    }
}

FormWindow::~FormWindow() = default;

ControlSlot* FormWindow::Find(std::string_view name, int index) {
    if (board_ != nullptr && name == board_->Name()) {
        return index >= 0 && index < board_->CellCount() ? &squares_[std::size_t(index)] : nullptr;
    }
    const auto found = slotIndex_.find(std::pair{name, index});
    return found == slotIndex_.end() ? nullptr : &slots_[found->second];
}

// QMenuBar and QMenu share these calls but no base class that has them.
template <class Menu> void FormWindow::AddMenus(Menu* menu, const std::vector<MenuDef>& items) {
    for (const MenuDef& item : items) {
        if (item.items.empty()) {
            QAction* action = menu->addAction(ToQString(item.caption));
            action->setObjectName(ToQString(item.name));
            connect(action, &QAction::triggered, this, [this, &item] { RaiseMenu(item.name); });
        } else {
            QMenu* sub = menu->addMenu(ToQString(item.caption));
            sub->setObjectName(ToQString(item.name));
            AddMenus(sub, item.items);
        }
    }
}

void FormWindow::BuildControls(const std::vector<ControlDef>& controls) {
    // Each radio button array is one group: selecting one clears the others.
    std::map<std::string_view, QButtonGroup*> groups;
    slots_.resize(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDef& def = controls[i];
        ControlSlot& slot = slots_[i];
        slot.def = &def;
        slotIndex_.emplace(std::pair{std::string(def.name), def.index}, i);
        slot.widget = BuildWidget(def, slot);
        if (def.kind == ControlKind::RadioButton) {
            QButtonGroup*& group = groups[def.name];
            if (group == nullptr) {
                group = new QButtonGroup(this);
            }
            group->addButton(static_cast<QAbstractButton*>(slot.widget));
        }
    }
    // A label names the text box it declares as its buddy, for assistive
    // technology; a text box without one is known by its control name.
    std::vector<const QWidget*> named;
    for (const ControlSlot& label : slots_) {
        if (const ControlSlot* box =
                label.def->buddy.empty() ? nullptr : Find(label.def->buddy, label.def->index)) {
            static_cast<QLabel*>(label.widget)->setBuddy(box->widget);
            named.push_back(box->widget);
        }
    }
    for (const ControlSlot& box : slots_) {
        if (box.def->kind == ControlKind::TextBox &&
            std::find(named.begin(), named.end(), box.widget) == named.end()) {
            box.widget->setAccessibleName(ToQString(box.def->name));
        }
    }
}

void FormWindow::BuildBoard(const BoardDef& def) {
    board_ = new BoardWidget(client_, def);
    squares_.resize(static_cast<std::size_t>(board_->CellCount()));
    for (std::size_t i = 0; i < squares_.size(); ++i) {
        squares_[i].widget = board_;
        squares_[i].grid = board_;
        squares_[i].cell = static_cast<int>(i);
    }
    connect(board_, &BoardWidget::Mouse, this,
            [this](bool down, int index, int button, int shift, float x, float y) {
                RaiseMouse(down, board_->Name(), index, button, shift, x, y);
            });
}

QWidget* FormWindow::BuildWidget(const ControlDef& def, ControlSlot& slot) {
    const QString caption = ToQString(def.caption);
    QWidget* widget = nullptr;
    switch (def.kind) {
    case ControlKind::Label: {
        auto* label = new LabelWidget(client_);
        connect(label, &LabelWidget::mouse, this,
                [this, &def](bool down, int button, int shift, QPointF at) {
                    RaiseMouse(down, def, button, shift, static_cast<float>(at.x()),
                               static_cast<float>(at.y()));
                });
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment((def.align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                            Qt::AlignTop);
        if (def.border) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
        }
        label->setText(caption);
        widget = label;
        break;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(caption, client_);
        box->setCursorPosition(0);
        widget = box;
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, client_);
        button->setDefault(def.isDefault);
        if (def.isCancel) {
            cancelButton_ = button;
        }
        connect(button, &QPushButton::clicked, this, [this, &def] { RaiseClick(def); });
        widget = button;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new CheckWidget(caption, client_);
        box->setChecked(def.value);
        connect(box, &QCheckBox::clicked, this, [this, &def] { RaiseClick(def); });
        widget = box;
        break;
    }
    case ControlKind::RadioButton: {
        auto* radio = new RadioWidget(caption, client_);
        radio->setChecked(def.value);
        connect(radio, &QRadioButton::clicked, this, [this, &def] { RaiseClick(def); });
        widget = radio;
        break;
    }
    case ControlKind::PictureBox: {
        auto* picture = new PictureWidget(client_, toolkit_, def);
        connect(picture, &PictureWidget::clicked, this, [this, &def] { RaiseClick(def); });
        widget = picture;
        break;
    }
    case ControlKind::Timer: {
        slot.timer = new QTimer(this);
        slot.timer->setTimerType(Qt::PreciseTimer);
        slot.timer->setInterval(def.interval);
        slot.timerEnabled = def.enabled;
        if (def.enabled && def.interval > 0) {
            slot.timer->start();
        }
        connect(slot.timer, &QTimer::timeout, this, [this, &def] {
            if (const auto* handler =
                    Attached() ? Bound(form_->handlers.timer, def.name) : nullptr) {
                (*handler)();
            }
        });
        return nullptr;
    }
    }
    widget->setObjectName(ToQString(def.name));
    widget->setGeometry(TwipsToPixels(def.left, def.top, def.width, def.height));
    if (def.kind == ControlKind::CheckBox || def.kind == ControlKind::RadioButton) {
        KeepIndicatorWhole(*widget, def.kind == ControlKind::RadioButton);
    }
    widget->setFont(DialogFont(def.font));
    widget->setEnabled(def.enabled);
    if (def.backColour) {
        SetWidgetBackColour(*widget, *def.backColour);
    }
    if (def.foreColour) {
        SetWidgetForeColour(*widget, *def.foreColour);
    }
    if (!def.visible) {
        widget->hide();
    }
    return widget;
}

void FormWindow::SetTabOrder(const std::vector<ControlDef>& controls) {
    std::vector<std::pair<int, QWidget*>> order;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (TakesFocus(controls[i].kind) && slots_[i].widget != nullptr) {
            order.emplace_back(controls[i].tab, slots_[i].widget);
        } else if (slots_[i].widget != nullptr) {
            // Labels and pictures have a place in the order but never the focus.
            slots_[i].widget->setFocusPolicy(Qt::NoFocus);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    }
    firstFocus_ = order.empty() ? nullptr : order.front().second;
}

int FormWindow::MenuHeight(int width) const {
    if (menuBar_ == nullptr) {
        return 0;
    }
    const int height = menuBar_->heightForWidth(width);
    return height > 0 ? height : menuBar_->sizeHint().height();
}

void FormWindow::SetClientSize(QSize size) {
    const QSize outer(size.width(), size.height() + MenuHeight(size.width()));
    if (fixedSize_) {
        setFixedSize(outer);
    } else {
        resize(outer);
    }
    // A hidden window gets no resize event until it is shown; lay out now so
    // that sizes read back at once.
    layout()->invalidate();
    layout()->activate();
}

QSize FormWindow::ClientSize() const {
    return client_->size();
}

void FormWindow::Place(const Placement& placement) {
    // The client area's corner goes where the layout says; the menu bar sits
    // above it. Keep the menu bar on the screen's usable area.
    QRect frame(TwipsToPixels(placement.x), TwipsToPixels(placement.y) - MenuHeight(width()),
                width(), height());
    if (const QScreen* where = screen(); where != nullptr) {
        const QRect usable = where->availableGeometry();
        frame.moveLeft(std::max(frame.left(), usable.left()));
        frame.moveTop(std::max(frame.top(), usable.top()));
    }
    setGeometry(frame);
}

void FormWindow::ApplyProgramIcon(const QIcon& icon) {
    if (!icon.isNull()) {
        setWindowIcon(icon);
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (form_ != nullptr) {
        form_->Closed();
    }
}

void FormWindow::reject() {
    if (cancelButton_ != nullptr && cancelButton_->isVisibleTo(this) &&
        cancelButton_->isEnabled()) {
        cancelButton_->click();
    }
}

void FormWindow::showEvent(QShowEvent* event) {
    // Not QDialog's, which would centre a window that has no place of its own:
    // the window system places those.
    QWidget::showEvent(event);
    if (focusWidget() == nullptr && firstFocus_ != nullptr) {
        firstFocus_->setFocus(Qt::OtherFocusReason);
    }
    if (!framed_ && form_ != nullptr && form_->Def().placement) {
        framed_ = true;
        KeepClearOnceFramed(*this, [this] { return OtherPlacedFrames(); });
    }
}

std::vector<QRect> FormWindow::OtherPlacedFrames() const {
    std::vector<QRect> frames;
    for (const auto& [name, form] : toolkit_.forms) {
        const FormWindow* other = form->window;
        if (other != nullptr && other != this && other->isVisible() && form->Def().placement) {
            frames.push_back(other->frameGeometry());
        }
    }
    return frames;
}

void FormWindow::Detach() {
    form_ = nullptr;
    for (ControlSlot& slot : slots_) {
        if (slot.timer != nullptr) {
            slot.timer->stop();
        }
    }
}

bool FormWindow::Attached() const {
    return form_ != nullptr && !toolkit_.ended;
}

void FormWindow::RaiseClick(const ControlDef& def) {
    if (const auto* handler = Attached() ? Bound(form_->handlers.click, def.name) : nullptr) {
        (*handler)(def.index);
    }
}

void FormWindow::RaiseMouse(bool down, const ControlDef& def, int button, int shift, float x,
                            float y) {
    RaiseMouse(down, def.name, def.index, button, shift, x, y);
}

void FormWindow::RaiseMouse(bool down, std::string_view name, int index, int button, int shift,
                            float x, float y) {
    if (!Attached()) {
        return;
    }
    const auto& bindings = down ? form_->handlers.mouseDown : form_->handlers.mouseUp;
    if (const auto* handler = Bound(bindings, name)) {
        (*handler)(index, button, shift, x, y);
    }
}

void FormWindow::RaiseMenu(std::string_view item) {
    if (const auto* handler = Attached() ? Bound(form_->handlers.menu, item) : nullptr) {
        (*handler)();
    }
}

} // namespace tessaline::ui::detail

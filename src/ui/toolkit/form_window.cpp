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

} // namespace

FormWindow::FormWindow(FormState& form)
    : QDialog(nullptr, FlagsFor(form.def)), form_(&form), toolkit_(form.toolkit),
      fixedSize_(form.def.border == BorderKind::FixedSingle) {
    const FormDef& def = form.def;
    setWindowTitle(ToQString(def.caption));
    setObjectName(ToQString(def.name));
    if (def.programIcon) {
        setWindowIcon(toolkit_.programIcon);
    }
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    // Windows stand on the button face, as every kind of control does.
    client_->setBackgroundRole(QPalette::Button);
    client_->setAutoFillBackground(true);
    client_->setFont(DialogFont(FontDef{}));
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSizeConstraint(QLayout::SetNoConstraint);
    frame->addWidget(client_);
    if (!def.menus.empty()) {
        auto* bar = new QMenuBar(this);
        // Inside the window on every desktop, so that the client area lies below it.
        bar->setNativeMenuBar(false);
        AddMenus(bar, def.menus);
        frame->setMenuBar(bar);
    }
    BuildControls(def.controls);
    if (def.board) {
        BuildBoard(*def.board);
    }
    SetTabOrder();
    SetClientSize(QSize(TwipsToPixels(def.clientWidth), TwipsToPixels(def.clientHeight)));
    if (def.placement) {
        Place(*def.placement);
    }
}

template <class... Args>
void FormWindow::Raise(const std::function<void(Args...)>& handler,
                       std::type_identity_t<Args>... args) const {
    if (form_ != nullptr && !toolkit_.ended && handler) {
        handler(args...);
    }
}

// QMenuBar and QMenu share these calls but no base class that has them.
template <class Menu> void FormWindow::AddMenus(Menu* menu, const std::vector<MenuDef>& items) {
    for (const MenuDef& item : items) {
        if (item.items.empty()) {
            QAction* action = menu->addAction(ToQString(item.caption));
            action->setObjectName(ToQString(item.name));
            connect(action, &QAction::triggered, this,
                    [this, command = &form_->handle.Menu(item.name)] { Raise(command->click_); });
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
    slots_.resize(form_->controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDef& def = controls[i];
        ControlSlot& slot = slots_[i];
        slot.def = &def;
        slot.widget = BuildWidget(slot, form_->controls[i].get());
        if (def.kind == ControlKind::RadioButton) {
            QButtonGroup*& group = groups[def.name];
            if (group == nullptr) {
                group = new QButtonGroup(this);
            }
            group->addButton(static_cast<QAbstractButton*>(slot.widget));
        }
    }
    // A text box is named by the label that declares it its buddy, or else by
    // its control name.
    for (const ControlDef& label : controls) {
        if (!label.buddy.empty()) {
            QWidget* box = Slot(form_->Position(label.buddy, label.index)).widget;
            static_cast<QLabel*>(Slot(form_->Position(label.name, label.index)).widget)
                ->setBuddy(box);
            box->setAccessibleName(QString());
        }
    }
}

void FormWindow::BuildBoard(const BoardDef& def) {
    auto* board = new BoardWidget(client_, def);
    const std::size_t first = form_->def.controls.size();
    for (int cell = 0; cell < board->CellCount(); ++cell) {
        ControlSlot& square = slots_[first + std::size_t(cell)];
        square.widget = square.grid = board;
        square.cell = cell;
    }
    // The handles are the form's, which outlives the window; Raise drops the
    // event once the window is no longer the form's.
    connect(board, &BoardWidget::Mouse, this,
            [this, square = form_->controls.data() + first](bool down, int index, int button,
                                                            int shift, float x, float y) {
                Raise(square[index]->mouse_, down, button, shift, x, y);
            });
}

QWidget* FormWindow::BuildWidget(ControlSlot& slot, Control* handle) {
    const ControlDef& def = *slot.def;
    const QString caption = ToQString(def.caption);
    const auto click = [this, handle] { Raise(handle->click_); };
    QWidget* widget = nullptr;
    switch (def.kind) {
    case ControlKind::Label: {
        auto* label = new LabelWidget(client_);
        connect(label, &LabelWidget::mouse, this,
                [this, handle](bool down, int button, int shift, QPointF at) {
                    Raise(handle->mouse_, down, button, shift, static_cast<float>(at.x()),
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
        box->setAccessibleName(ToQString(def.name)); // until a label names it
        widget = box;
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, client_);
        button->setDefault(def.isDefault);
        if (def.isCancel) {
            cancelButton_ = button;
        }
        connect(button, &QPushButton::clicked, this, click);
        widget = button;
        break;
    }
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
        QAbstractButton* box =
            def.kind == ControlKind::CheckBox
                ? static_cast<QAbstractButton*>(new CheckWidget(caption, client_))
                : new RadioWidget(caption, client_);
        box->setChecked(def.value);
        connect(box, &QAbstractButton::clicked, this, click);
        widget = box;
        break;
    }
    case ControlKind::PictureBox: {
        auto* picture = new PictureWidget(client_, toolkit_, def);
        connect(picture, &QAbstractButton::clicked, this, click);
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
        connect(slot.timer, &QTimer::timeout, this, click);
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
        SetWidgetColour(*widget, *def.backColour, QPalette::Window);
    }
    if (def.foreColour) {
        SetWidgetColour(*widget, *def.foreColour, QPalette::WindowText);
    }
    if (!def.visible) {
        widget->hide();
    }
    return widget;
}

void FormWindow::EnableWidget(QWidget& widget, bool enabled) {
    const bool focused = focusWidget() == &widget;
    widget.setEnabled(enabled);
    if (!enabled && focused) {
        // Handed the focus and disabled in turn, a control passes it on for
        // the one that had it first.
        if (focusOwner_ == nullptr || focusHandedTo_ != &widget) {
            focusOwner_ = &widget;
        }
        focusHandedTo_ = focusWidget();
    } else if (enabled && focusOwner_ == &widget) {
        if (focusWidget() == focusHandedTo_) {
            widget.setFocus(Qt::OtherFocusReason);
        }
        focusOwner_ = nullptr;
    }
}

void FormWindow::SetTabOrder() {
    // Labels and pictures have a place in the order but never take the focus.
    std::vector<std::pair<int, QWidget*>> order;
    for (const ControlSlot& slot : slots_) {
        if (slot.def != nullptr && slot.widget != nullptr &&
            slot.widget->focusPolicy() != Qt::NoFocus) {
            order.emplace_back(slot.def->tab, slot.widget);
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
    const QWidget* bar = layout()->menuBar();
    if (bar == nullptr) {
        return 0;
    }
    const int height = bar->heightForWidth(width);
    return height > 0 ? height : bar->sizeHint().height();
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

void FormWindow::Place(const Placement& placement) {
    // The client area's corner goes where the layout says, the menu bar above
    // it, and that within the screen's usable area.
    QRect frame(TwipsToPixels(placement.x), TwipsToPixels(placement.y) - MenuHeight(width()),
                width(), height());
    if (const QScreen* where = screen(); where != nullptr) {
        const QRect usable = where->availableGeometry();
        frame.moveLeft(std::max(frame.left(), usable.left()));
        frame.moveTop(std::max(frame.top(), usable.top()));
    }
    setGeometry(frame);
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
    if (framed_ || form_ == nullptr || !form_->def.placement) {
        return;
    }
    framed_ = true;
    // Clear of the program's other placed windows on show.
    KeepClear(*this, [this] {
        std::vector<const QWidget*> windows;
        for (const auto& [name, form] : toolkit_.forms) {
            const FormWindow* other = form->window;
            if (other != nullptr && other != this && other->isVisible() && form->def.placement) {
                windows.push_back(other);
            }
        }
        return windows;
    });
}

void FormWindow::Detach() {
    form_ = nullptr;
    for (ControlSlot& slot : slots_) {
        if (slot.timer != nullptr) {
            slot.timer->stop();
        }
    }
}

} // namespace tessaline::ui::detail

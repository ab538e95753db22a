#include "ui/toolkit/toolkit.h"

#include "ui/toolkit/form_window.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/units.h"
#include "ui/toolkit/widgets.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <stdexcept>

namespace tessaline::ui {

namespace detail {

namespace {

bool HasMenuCommand(const std::vector<MenuDef>& menus, std::string_view name) {
    return std::any_of(menus.begin(), menus.end(), [&](const MenuDef& menu) {
        return menu.items.empty() ? menu.name == name : HasMenuCommand(menu.items, name);
    });
}

} // namespace

FormState::FormState(ToolkitState& owner, const FormDef& definition)
    : toolkit(owner), def(definition), handle(*this) {
    for (const ControlDef& control : def.controls) {
        if (Position(control.name, control.index) != controls.size()) {
            throw std::invalid_argument("window " + std::string(def.name) +
                                        " defines the control " +
                                        Describe(control.name, control.index) + " twice");
        }
        controls.emplace_back(
            new Control(*this, controls.size(), control.name, control.index, control.kind));
    }
    // The board's squares are labels.
    for (int cell = 0; def.board && cell < def.board->columns * def.board->rows; ++cell) {
        controls.emplace_back(
            new Control(*this, controls.size(), def.board->name, cell, ControlKind::Label));
    }
}

FormWindow* FormState::Live() {
    if (toolkit.ended) {
        return nullptr;
    }
    if (window == nullptr) {
        window = new FormWindow(*this);
        if (load) {
            load();
        }
    }
    return window;
}

void FormState::Closed() {
    if (def.name == toolkit.mainForm) {
        toolkit.EndProgram();
    } else {
        toolkit.Destroy(*this);
    }
}

std::size_t FormState::Position(std::string_view name, int index) const {
    const std::size_t count = def.controls.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (def.controls[i].name == name && def.controls[i].index == index) {
            return i;
        }
    }
    if (def.board && def.board->name == name && index >= 0 &&
        count + std::size_t(index) < controls.size()) {
        return count + std::size_t(index);
    }
    throw std::invalid_argument("window " + std::string(def.name) + " has no control " +
                                Describe(name, index));
}

ToolkitState::~ToolkitState() {
    for (auto& [name, form] : forms) {
        delete form->window;
        form->window = nullptr;
    }
    for (const QPointer<QWidget>& window : closing) {
        delete window.data();
    }
}

FormState& ToolkitState::Find(std::string_view name) {
    const auto found = forms.find(name);
    if (found == forms.end()) {
        throw std::invalid_argument("no window is defined as " + std::string(name));
    }
    return *found->second;
}

void ToolkitState::Destroy(FormState& form) {
    FormWindow* window = form.window;
    if (window == nullptr) {
        return;
    }
    form.window = nullptr;
    window->Detach();
    window->hide();
    // The window may be in the middle of one of its own events.
    window->deleteLater();
    std::erase_if(closing, [](const QPointer<QWidget>& gone) { return gone.isNull(); });
    closing.emplace_back(window);
}

void ToolkitState::EndProgram() {
    if (ended) {
        return;
    }
    ended = true;
    for (auto& [name, form] : forms) {
        Destroy(*form);
    }
    // Ends the event loop that runs now, and one that has yet to start.
    QCoreApplication::exit(0);
    QTimer::singleShot(0, &context, [] { QCoreApplication::exit(0); });
}

} // namespace detail

std::string_view Form::Name() const {
    return state_.def.name;
}

bool Form::Exists() const {
    return state_.window != nullptr;
}

void Form::Load() {
    state_.Live();
}

void Form::Show() {
    detail::FormWindow* window = state_.Live();
    if (window == nullptr) {
        return;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void Form::Hide() {
    if (detail::FormWindow* window = state_.Live(); window != nullptr) {
        window->hide();
        // A hidden window gives its surface back on Wayland, as a closed one
        // does: a compositor may hand the keyboard to the next window only when
        // the surface that held it is gone (weston does), and Qt from 6.11 keeps
        // a hidden window's surface. The window is made again when shown.
        if (QWindow* native = window->windowHandle();
            native != nullptr && QGuiApplication::platformName().startsWith(u"wayland")) {
            native->destroy();
        }
    }
}

bool Form::IsShown() {
    detail::FormWindow* window = state_.Live();
    return window != nullptr && window->isVisible();
}

void Form::SetClientSize(int width, int height) {
    if (detail::FormWindow* window = state_.Live(); window != nullptr) {
        window->SetClientSize(QSize(detail::TwipsToPixels(width), detail::TwipsToPixels(height)));
    }
}

int Form::ClientWidth() {
    const detail::FormWindow* window = state_.Live();
    return window == nullptr ? 0 : detail::PixelsToTwips(window->Client()->size().width());
}

int Form::ClientHeight() {
    const detail::FormWindow* window = state_.Live();
    return window == nullptr ? 0 : detail::PixelsToTwips(window->Client()->size().height());
}

Control& Form::operator()(std::string_view name, int index) {
    return state_.Handle(name, index);
}

Command& Form::Menu(std::string_view name) {
    if (!detail::HasMenuCommand(state_.def.menus, name)) {
        throw std::invalid_argument("window " + std::string(Name()) + " has no menu command " +
                                    std::string(name));
    }
    return state_.commands.try_emplace(std::string(name)).first->second;
}

void Form::OnLoad(std::function<void()> handler) {
    state_.load = std::move(handler);
}

ControlArray::ControlArray(Form& form, std::string_view name) {
    for (const auto& control : form.State().controls) {
        if (control->Name() == name && control->Index() >= 0) {
            const auto at = static_cast<std::size_t>(control->Index());
            items_.resize(std::max(items_.size(), at + 1));
            items_[at] = control.get();
        }
    }
    if (items_.empty()) {
        throw std::invalid_argument("window " + std::string(form.Name()) +
                                    " has no control array " + std::string(name));
    }
}

Control& ControlArray::operator[](int index) const {
    const auto at = static_cast<std::size_t>(index);
    if (index < 0 || at >= items_.size() || items_[at] == nullptr) {
        throw std::out_of_range("no item " + std::to_string(index) + " in a control array");
    }
    return *items_[at];
}

// Toolkit

Toolkit::Toolkit() : state_(std::make_unique<detail::ToolkitState>()) {
    // The program ends when its main window closes, and only then.
    QApplication::setQuitOnLastWindowClosed(false);
    detail::InstallAccessibility();
}

Toolkit::~Toolkit() = default;

void Toolkit::Define(const FormDef& def) {
    if (state_->forms.find(def.name) != state_->forms.end()) {
        throw std::invalid_argument("the window " + std::string(def.name) + " is defined twice");
    }
    auto form = std::make_unique<detail::FormState>(*state_, def);
    const std::string name(form->def.name);
    state_->forms.emplace(name, std::move(form));
    if (state_->mainForm.empty()) {
        state_->mainForm = name;
    }
}

void Toolkit::SetMainForm(std::string_view name) {
    state_->mainForm = std::string(state_->Find(name).def.name);
}

Form& Toolkit::operator[](std::string_view name) {
    return state_->Find(name).handle;
}

Form& Toolkit::Touch(std::string_view name) {
    Form& form = (*this)[name];
    form.Load();
    return form;
}

bool Toolkit::Exists(std::string_view name) const {
    const auto found = state_->forms.find(name);
    return found != state_->forms.end() && found->second->window != nullptr;
}

void Toolkit::Beep() {
    ++state_->beeps;
    if (!state_->bell) {
        state_->bell = std::make_unique<detail::Bell>();
    }
    state_->bell->Ring();
}

int Toolkit::BeepCount() const {
    return state_->beeps;
}

void Toolkit::EndProgram() {
    state_->EndProgram();
}

bool Toolkit::Ended() const {
    return state_->ended;
}

} // namespace tessaline::ui

#include "ui/toolkit/accessibility.h"

#include "ui/toolkit/state.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QRegion>
#include <QWindow>

#include <cstdlib>
#include <optional>
#include <utility>

namespace tessaline::ui::detail {

namespace {

// A picture box: a graphic named by what it shows, which a press clicks.
class PictureInterface final : public QAccessibleWidget {
  public:
    explicit PictureInterface(PictureWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) {
            return QAccessibleWidget::text(kind);
        }
        const auto* picture = static_cast<const PictureWidget*>(widget());
        if (!picture->accessibleName().isEmpty()) {
            return picture->accessibleName();
        }
        return picture->Description();
    }

    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction()) {
            static_cast<PictureWidget*>(widget())->Click();
        }
    }
};

// Check boxes and radio buttons take a click anywhere in their rectangle (see
// CheckWidget), which is where assistive technology is told they are; the
// stock interface gives only the tick box or dot and the caption. The Guess
// buttons also keep their group exclusive themselves (see RadioWidget), which
// makes the stock interface take them for check boxes.
class BoxInterface final : public QAccessibleWidget {
  public:
    BoxInterface(QAbstractButton* box, QAccessible::Role role) : QAccessibleWidget(box, role) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(kind);
        }
        return WithoutMnemonic(Button()->text());
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        return state;
    }

    // A radio button is pressed to select it, a check box toggled.
    QStringList actionNames() const override {
        return QStringList{Action()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == Action()) {
            if (Button()->isEnabled()) {
                Button()->click(); // raises the click the player's would
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
    QString Action() const {
        return role() == QAccessible::RadioButton ? QAccessibleActionInterface::pressAction()
                                                  : QAccessibleActionInterface::toggleAction();
    }

    // "&Yellow" is read "Yellow"; "&&" stands for one "&".
    static QString WithoutMnemonic(const QString& text) {
        QString plain;
        plain.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
                ++i;
            }
            plain += text[i];
        }
        return plain;
    }
};

AccessibilityListener listener = nullptr;

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* picture = qobject_cast<PictureWidget*>(object)) {
        return new PictureInterface(picture);
    }
    if (auto* radio = qobject_cast<RadioWidget*>(object)) {
        return new BoxInterface(radio, QAccessible::RadioButton);
    }
    if (auto* box = qobject_cast<CheckWidget*>(object)) {
        return new BoxInterface(box, QAccessible::CheckBox);
    }
    return nullptr;
}

// Twips of room between a label and the text box it names.
constexpr int NearGap = 360;
constexpr int Slack = 60; // labels may overlap their box by a pixel or so

// How far `label` stands from `box` if it names it: on the box's row and
// ending just left of it, or just above it and starting at its left edge.
std::optional<int> Gap(const ControlDef& label, const ControlDef& box) {
    const int labelRight = label.left + label.width;
    const int labelBottom = label.top + label.height;
    const int labelMiddle = label.top + label.height / 2;
    if (labelMiddle >= box.top && labelMiddle <= box.top + box.height &&
        labelRight >= box.left - NearGap && labelRight <= box.left + Slack &&
        label.left < box.left) {
        return std::abs(box.left - labelRight);
    }
    if (labelBottom >= box.top - NearGap && labelBottom <= box.top + Slack &&
        label.left >= box.left - Slack && label.left < box.left + box.width) {
        return std::abs(box.top - labelBottom);
    }
    return std::nullopt;
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

bool Listening() {
    return listener != nullptr || QAccessible::isActive();
}

void Announce(QAccessibleEvent& event) {
    if (listener != nullptr) {
        listener(&event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

void NameTextBoxes(std::vector<ControlSlot>& controls) {
    for (ControlSlot& box : controls) {
        if (box.def->kind != ControlKind::TextBox || box.widget == nullptr) {
            continue;
        }
        QLabel* nearest = nullptr;
        int nearestGap = 0;
        for (const ControlSlot& label : controls) {
            if (label.def->kind != ControlKind::Label || label.widget == nullptr) {
                continue;
            }
            const std::optional<int> gap = Gap(*label.def, *box.def);
            if (gap && (nearest == nullptr || *gap < nearestGap)) {
                nearest = static_cast<QLabel*>(label.widget);
                nearestGap = *gap;
            }
        }
        if (nearest != nullptr) {
            // A buddy names the box with the label's caption as it is now, and
            // tells assistive technology which label belongs to which box.
            nearest->setBuddy(box.widget);
        } else {
            box.widget->setAccessibleName(ToQString(box.def->name));
        }
    }
}

} // namespace tessaline::ui::detail

namespace tessaline::ui {

AccessibilityListener SetAccessibilityListener(AccessibilityListener listener) {
    return std::exchange(detail::listener, listener);
}

} // namespace tessaline::ui

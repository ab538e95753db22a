#include "ui/toolkit/accessibility.h"

#include "ui/toolkit/state.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QPointer>
#include <QRegion>
#include <QWindow>

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
            emit static_cast<PictureWidget*>(widget())->clicked();
        }
    }
};

// Check boxes and radio buttons take a click anywhere in their rectangle (see
// CheckWidget), which is where assistive technology is told they are; the
// stock interface gives only the tick box or dot and the caption. A press
// clicks at once, as the player's click does, where the stock one animates.
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
    // The windows are dialogs to Qt only for Enter and Escape; to assistive
    // technology they stay plain windows, whatever their kind.
    if (auto* window = qobject_cast<QDialog*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Client);
    }
    return nullptr;
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

} // namespace tessaline::ui::detail

namespace tessaline::ui {

AccessibilityListener SetAccessibilityListener(AccessibilityListener listener) {
    return std::exchange(detail::listener, listener);
}

} // namespace tessaline::ui

// Creates the application and the main window; the main window's load step
// does the rest.

#include "model/random.h"
#include "ui/app/app.h"
#include "ui/app/pictures_glue.h"
#include "ui/toolkit/toolkit.h"

#include <QApplication>
#include <QByteArray>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const char* Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// A desktop game needs a display; say so plainly instead of letting the
// platform plugin abort.
bool HaveDisplay() {
    return Env("DISPLAY") != nullptr || Env("WAYLAND_DISPLAY") != nullptr ||
           Env("QT_QPA_PLATFORM") != nullptr;
}

// What Qt says while it opens the display. A display that cannot be opened
// ends in a fatal message, which would abort the program and leave a core
// dump for the desktop's crash reporter: instead the program says which
// display it could not open, in one line, and ends with status 1. Anything
// else said on a start that succeeds is passed on afterwards.
class StartWatch {
  public:
    StartWatch() {
        watch_ = this;
        previous_ = qInstallMessageHandler(&StartWatch::Handle);
    }
    StartWatch(const StartWatch&) = delete;
    StartWatch& operator=(const StartWatch&) = delete;
    ~StartWatch() {
        qInstallMessageHandler(previous_);
        watch_ = nullptr;
        for (const Said& said : said_) {
            const QMessageLogContext context(nullptr, 0, nullptr, said.category.constData());
            previous_(said.type, context, said.message);
        }
    }

  private:
    struct Said {
        QtMsgType type;
        QByteArray category;
        QString message;
    };

    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        StartWatch& watch = *watch_;
        // Qt names each platform it could not start before it gives up.
        static const QRegularExpression platform(
            QStringLiteral("Could not (?:load|find) the Qt platform plugin \"([^\"]*)\""));
        if (const QRegularExpressionMatch named = platform.match(message); named.hasMatch()) {
            watch.failed_.append(named.captured(1));
        }
        if (type == QtFatalMsg && !watch.failed_.isEmpty()) {
            const QByteArray line = Unreachable(watch.failed_).toLocal8Bit();
            std::fprintf(stderr, "tessaline: %s; start it from a desktop session.\n",
                         line.constData());
            std::fflush(stderr);
            std::_Exit(1);
        }
        if (type == QtFatalMsg) {
            watch.previous_(type, context, message);
            return;
        }
        watch.said_.push_back({type, QByteArray(context.category), message});
    }

    // "cannot open the X display \":77\"", and the like for each platform tried.
    static QString Unreachable(const QStringList& platforms) {
        QStringList displays;
        for (const QString& name : platforms) {
            if (name == QLatin1String("xcb")) {
                const char* display = Env("DISPLAY");
                displays.append(display != nullptr
                                    ? QStringLiteral("the X display \"%1\"")
                                          .arg(QString::fromLocal8Bit(display))
                                    : QStringLiteral("an X display (DISPLAY is not set)"));
            } else if (name.startsWith(QLatin1String("wayland"))) {
                // The socket's name, found in the runtime directory unless it
                // is a path of its own.
                const char* socket = Env("WAYLAND_DISPLAY");
                displays.append(QStringLiteral("the Wayland display \"%1\"")
                                    .arg(socket != nullptr ? QString::fromLocal8Bit(socket)
                                                           : QStringLiteral("wayland-0")));
            } else {
                displays.append(QStringLiteral("a display of the platform \"%1\"").arg(name));
            }
        }
        displays.removeDuplicates();
        return QStringLiteral("cannot open ") + displays.join(QStringLiteral(" or "));
    }

    static inline StartWatch* watch_ = nullptr;
    QtMessageHandler previous_ = nullptr;
    QStringList failed_;
    std::vector<Said> said_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (!HaveDisplay()) {
        std::fprintf(stderr, "tessaline: no display found (neither DISPLAY nor WAYLAND_DISPLAY "
                             "is set); start it from a desktop session.\n");
        return 1;
    }
    // Qt 6.11's accessibility bridge warns each time a reader asks it for a
    // bus address of its own, a call it does not implement and readers do
    // without. Only that category's warnings are left out, from before Qt
    // starts; QT_LOGGING_RULES and QT_LOGGING_CONF still override the rule.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.accessibility.atspi.warning=false"));
    auto watch = std::make_unique<StartWatch>();
    QApplication application(argc, argv);
    watch.reset();
    QApplication::setApplicationName("tessaline");
    QGuiApplication::setDesktopFileName("org.example.Tessaline");

    tessaline::ClockRandom random;
    tessaline::ui::Toolkit toolkit;
    tessaline::ui::InstallPictures(toolkit);
    tessaline::ui::App app(toolkit, random);
    app.Start();
    return QApplication::exec();
}

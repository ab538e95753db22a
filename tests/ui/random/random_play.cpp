// Random play through the real windows, offscreen, with every invariant
// checked after every event. TESSALINE_SEED and TESSALINE_EVENTS choose the
// run (both printed first, so that any run can be replayed);
// TESSALINE_TRACE=1 prints every event as it starts.

#include "driver.h"

#include <QApplication>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// The event under way, kept where a crash handler can still write it out.
char current[512] = "no event yet";

void WriteCurrent() {
    const char* lead = "\nthe program died during: ";
    [[maybe_unused]] auto written = write(STDERR_FILENO, lead, std::strlen(lead));
    written = write(STDERR_FILENO, current, std::strlen(current));
    written = write(STDERR_FILENO, "\n", 1);
}

[[maybe_unused]] void OnFatalSignal(int signal) {
    WriteCurrent();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

long Number(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 0) {
        std::cerr << name << " must be a whole number, not \"" << text << "\"\n";
        std::exit(2);
    }
    return value;
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    const auto seed = static_cast<std::uint64_t>(Number("TESSALINE_SEED", 20240601));
    const long events = Number("TESSALINE_EVENTS", 10'000);
    const bool trace = Number("TESSALINE_TRACE", 0) != 0;
    std::cout << "random_play: TESSALINE_SEED=" << seed << " TESSALINE_EVENTS=" << events
              << std::endl;

#if defined(__SANITIZE_ADDRESS__)
    // The sanitizers report first, then name the event.
    __sanitizer_set_death_callback(WriteCurrent);
#else
    std::signal(SIGSEGV, OnFatalSignal);
    std::signal(SIGABRT, OnFatalSignal);
    std::signal(SIGFPE, OnFatalSignal);
#endif

    tessaline::ui::random::Driver driver(seed);
    driver.onEvent = [trace, seed](long n, const std::string& description) {
        std::snprintf(current, sizeof current, "event %ld: %s (TESSALINE_SEED=%llu)", n,
                      description.c_str(), static_cast<unsigned long long>(seed));
        if (trace) {
            std::cout << "#" << n << " " << description << std::endl;
        }
    };
    const auto start = std::chrono::steady_clock::now();
    const tessaline::ui::random::RunResult result = driver.Run(events);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!result.failures.empty()) {
        std::cout << tessaline::ui::random::Report(seed, events, result) << std::flush;
        return 1;
    }
    std::cout << "random_play: " << result.events << " events in " << result.episodes
              << " programs, every check held, " << seconds << " s, digest " << std::hex
              << result.digest << std::dec << std::endl;
    for (const auto& [what, count] : result.tally) {
        std::cout << "  " << what << ": " << count << "\n";
    }
    return 0;
}

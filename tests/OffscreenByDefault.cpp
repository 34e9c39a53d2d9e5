// Linked into every test program: run by hand without a platform chosen, a test runs offscreen.
#include <QByteArray>
#include <QtGlobal>

namespace {

// Set before main builds the application; a platform given by the environment or -platform wins.
[[maybe_unused]] const bool platformChosen = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}();

} // namespace

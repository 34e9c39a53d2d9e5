// Small helpers shared by the test programs. Those for a library's types are there when the test
// reaches its headers, those for windows when it links Qt Widgets.
#pragma once

#include "OrvError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>
#include <csignal>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/mount.h>
#include <sys/resource.h>

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray toQByteArray(std::string_view s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}

inline std::string toStd(const QByteArray &b)
{
    return std::string(b.constData(), std::size_t(b.size()));
}

// The text of the error a call raises, or a null string when it completes.
inline QString errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const OrvError &e) {
        return e.text();
    }
    return QString();
}

// What a folder holds, hidden files, FIFOs and devices included, in name order.
inline QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

// One resource limit's soft value, for the time this lives. Past the file-size limit a write
// fails instead of the signal ending the test.
class ResourceLimit
{
public:
    ResourceLimit(int resource, rlim_t value) : m_resource(resource)
    {
        if (resource == RLIMIT_FSIZE)
            m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(resource, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = value;
        m_ok = setrlimit(resource, &lowered) == 0;
    }
    ~ResourceLimit()
    {
        setrlimit(m_resource, &m_saved);
        if (m_resource == RLIMIT_FSIZE)
            std::signal(SIGXFSZ, m_oldHandler);
    }
    ResourceLimit(const ResourceLimit &) = delete;
    ResourceLimit &operator=(const ResourceLimit &) = delete;

    bool ok() const { return m_ok; }

private:
    int m_resource;
    rlimit m_saved{};
    bool m_ok = false;
    void (*m_oldHandler)(int) = SIG_DFL;
};

// A tmpfs of its own on a new folder, for a user allowed to mount; unmounted when this goes,
// whatever the test's outcome.
class SmallFileSystem
{
public:
    SmallFileSystem(const QString &folder, const char *options) : m_folder(QFile::encodeName(folder))
    {
        m_mounted = QDir().mkpath(folder) && mount("tmpfs", m_folder.constData(), "tmpfs", 0, options) == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool mounted() const { return m_mounted; }
    bool resize(const char *options)
    {
        return mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT, options) == 0;
    }
    // Nothing can be created or written there any more, not even by the superuser.
    bool makeReadOnly() { return mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }
    // Takes every free block with a file named "filler"; true once the file system is full.
    bool fill() const
    {
        QFile filler(QFile::decodeName(m_folder) + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        return filler.write("x", 1) != 1;
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

// A report sink (ErrorReport::setSinkForTests, MessageBox::setSinkForTests) for the time this
// lives: the texts go to a list, or fail the running test. The real box is back when it goes,
// whatever the test's outcome, so no sink outlives what it captures.
class ReportSink
{
public:
    using Install = void (*)(std::function<void(const QString &)>);

    ReportSink(Install install, QStringList &texts) : m_install(install)
    {
        install([&texts](const QString &text) { texts << text; });
    }
    explicit ReportSink(Install install) : m_install(install)
    {
        install([](const QString &text) { QFAIL(qPrintable(QStringLiteral("reported: ") + text)); });
    }
    ~ReportSink() { m_install({}); }
    ReportSink(const ReportSink &) = delete;
    ReportSink &operator=(const ReportSink &) = delete;

private:
    Install m_install;
};

#if __has_include("WordList.h")
#include "Scramble.h"
#include "WordList.h"

using PlainWords = std::vector<std::string>;

// The bytes of a word file holding these words, scrambled, each ended by CR LF.
inline QByteArray wordFile(const PlainWords &words)
{
    QByteArray bytes;
    for (const auto &w : words)
        bytes += toQByteArray(Crypte(w)) + "\r\n";
    return bytes;
}

// A list of these words, in this order, as just loaded: not dirty.
inline WordList listOf(const PlainWords &words)
{
    WordList list;
    for (const auto &w : words)
        list.append(Crypte(w));
    list.setWordListDirty(false);
    return list;
}

inline PlainWords plainOf(const WordList &list)
{
    PlainWords out;
    for (const auto &e : list.entries())
        out.push_back(Decrypte(e));
    return out;
}
#endif

#if __has_include("RandomSource.h")
#include "RandomSource.h"

#include <deque>

// Answers Random(n) from a script, then 0 (never a vitamin), and records every n asked and every seed.
class ScriptedRandom : public RandomSource
{
public:
    qint32 Random(qint32 n) override
    {
        asked.append(n);
        if (script.empty())
            return 0;
        const qint32 value = script.front();
        script.pop_front();
        return value;
    }
    void seed(quint32 value) override { seeds.append(value); }

    std::deque<qint32> script;
    QList<qint32> asked;
    QList<quint32> seeds;
};
#endif

#if __has_include("Session.h")
#include "Session.h"

// A closing's guard as the error box is, but collecting the texts.
inline Session::Guard collectingGuard(QStringList &errors)
{
    return [&errors](const std::function<void()> &step) {
        const QString error = errorOf(step);
        if (!error.isNull())
            errors << error;
        return error.isNull();
    };
}
#endif

#ifdef QT_WIDGETS_LIB
#include <QApplication>
#include <QTimer>
#include <QWidget>

// Makes a shown window the active one and waits for it: activation reaches the window as an event.
inline bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Runs open, which shows a modal window and waits for it, and runs answer on that window once it
// is up. A window still open after answer, whatever answer did or failed, is closed and fails the
// test: a failed check never leaves a dialog waiting for CTest's time-out.
// Returns whether a modal window came up.
inline bool answerModal(const std::function<void()> &open, const std::function<void(QWidget *)> &answer)
{
    bool shown = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll.stop();
        shown = true;
        answer(modal);
        for (int left = 0; left < 10 && (modal = QApplication::activeModalWidget()); ++left) {
            if (!QTest::currentTestFailed())
                QTest::qFail(qPrintable(modal->objectName() + QStringLiteral(" still open after its answer")),
                             __FILE__, __LINE__);
            modal->hide();
        }
    });
    poll.start();
    open();
    poll.stop();
    return shown;
}
#endif

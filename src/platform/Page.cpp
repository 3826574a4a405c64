#include "Page.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTimer>
#include <QWidget>
#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <map>
#include <memory>

// Fetches `url` beside the page and hands the bytes, or null when it failed
// or took longer than `limitMs`, to Module.tarnelFileCame(`id`, ...).
// clang-format off
EM_JS(void, fetchBesidePage, (const char* url, int id, int limitMs), {
    const controller = new AbortController();
    const timer = setTimeout(() => controller.abort(), limitMs);
    fetch(UTF8ToString(url), { signal: controller.signal })
        .then((response) => {
            if (!response.ok) throw new Error(response.status);
            return response.arrayBuffer();
        })
        .then((buffer) => new Uint8Array(buffer), () => null)
        .then((data) => {
            clearTimeout(timer);
            Module.tarnelFileCame(id, data);
        });
});
// clang-format on

namespace tarnel::platform {

namespace {
using emscripten::val;

// How long a file beside the page may take to come whole: long enough for
// the largest (60 kB) on a slow line, short enough that a stalled request
// does not hold the start.
constexpr int kFetchLimitMs = 20'000;

// The files asked for and not yet come, by number.
struct Fetch
{
    std::function<void(const QByteArray&)> keep;
    std::function<void(bool)> done; // told whether the file came
};
std::map<int, Fetch>& pending()
{
    static std::map<int, Fetch> fetches;
    return fetches;
}

void fileCame(int id, val data)
{
    auto found = pending().find(id);
    if (found == pending().end()) {
        return;
    }
    const Fetch fetch = std::move(found->second);
    pending().erase(found);
    const bool came = !data.isNull();
    if (came) {
        const int size = data["length"].as<int>();
        QByteArray bytes(size, Qt::Uninitialized);
        val(emscripten::typed_memory_view(static_cast<std::size_t>(size),
                                          reinterpret_cast<unsigned char*>(bytes.data())))
            .call<void>("set", data);
        fetch.keep(bytes);
    }
    fetch.done(came);
}

EMSCRIPTEN_BINDINGS(tarnel_page)
{
    emscripten::function("tarnelFileCame", &fileCame);
}

// The files a player of `language` fetches beside the page, as the build
// listed them: Qt's catalogue, and the faces of a script the program's own
// Latin faces lack.
QStringList filesFor(const QString& language)
{
    QFile list(QStringLiteral(":/page/fetched"));
    if (!language.isEmpty() && list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!list.atEnd()) {
            QStringList words =
                QString::fromUtf8(list.readLine()).simplified().split(QLatin1Char(' '));
            if (words.size() > 1 && words.takeFirst() == language) {
                return words;
            }
        }
    }
    return {};
}
} // namespace

void handKeyboardBack(QWidget* mainWindow)
{
    // Qt's page platform activates no window when the active one closes.
    QTimer::singleShot(0, mainWindow, [mainWindow] {
        if (mainWindow->isVisible() && QApplication::activeModalWidget() == nullptr) {
            mainWindow->activateWindow();
        }
    });
}

QStringList browserLanguages()
{
    QStringList languages;
    const val list = val::global("navigator")["languages"];
    if (!list.isUndefined()) {
        const int count = list["length"].as<int>();
        for (int i = 0; i < count; ++i) {
            languages << QString::fromStdString(list[i].as<std::string>());
        }
    }
    if (languages.isEmpty()) {
        languages << QString::fromStdString(val::global("navigator")["language"].as<std::string>());
    }
    return languages;
}

void loadLanguageFiles(const QString& language,
                       std::function<void(const QStringList& missing)> then)
{
    QDirIterator faces(QStringLiteral(":/fonts"));
    while (faces.hasNext()) {
        QFontDatabase::addApplicationFont(faces.next());
    }
    // Qt's page platform brings no face of its own here: every window, Qt's
    // message boxes too, writes in the game's.
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Liberation Sans")});
    QApplication::setFont(font);

    const QStringList files = filesFor(language);
    if (files.isEmpty()) {
        then({});
        return;
    }
    // `then` runs once, after the last file has come or failed, with those
    // that failed.
    auto remaining = std::make_shared<int>(static_cast<int>(files.size()));
    auto missing = std::make_shared<QStringList>();
    for (const QString& file : files) {
        Fetch fetch;
        if (file.startsWith(QLatin1String("i18n/"))) {
            // Qt looks for its catalogue where it was installed: the file
            // goes there, in the page's own file system.
            const QString catalogues = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            const QString name = file.mid(file.indexOf(QLatin1Char('/')) + 1);
            fetch.keep = [catalogues, name](const QByteArray& data) {
                QDir().mkpath(catalogues);
                QFile out(catalogues + QLatin1Char('/') + name);
                if (out.open(QIODevice::WriteOnly)) {
                    out.write(data);
                }
            };
        } else {
            // A face added later under a family already known takes its
            // place: the faces of a language's script replace the Latin cut.
            fetch.keep = [](const QByteArray& data) {
                QFontDatabase::addApplicationFontFromData(data);
            };
        }
        fetch.done = [remaining, missing, file, then](bool came) {
            if (!came) {
                *missing << file;
            }
            if (--*remaining == 0) {
                then(*missing);
            }
        };
        static int lastId = 0;
        pending().emplace(++lastId, std::move(fetch));
        fetchBesidePage(file.toUtf8().constData(), lastId, kFetchLimitMs);
    }
}

void markInPage(const char* name)
{
    val::global("performance").call<void>("mark", std::string(name));
}

void noticeInPage(const QString& message)
{
    const val notice = val::global("tarnelNotice");
    if (notice.typeOf().as<std::string>() == "function") {
        const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
        notice(message.toStdString(), std::string(rightToLeft ? "rtl" : "ltr"));
    }
}

void endInPage(const QString& message, const QString& again)
{
    const val ended = val::global("tarnelEnded");
    if (ended.typeOf().as<std::string>() == "function") {
        const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
        ended(message.toStdString(), again.toStdString(), std::string(rightToLeft ? "rtl" : "ltr"));
    }
}

} // namespace tarnel::platform

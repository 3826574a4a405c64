#include "Page.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <emscripten.h>
#include <emscripten/val.h>
#include <memory>

namespace tarnel::platform {

namespace {
using emscripten::val;

// One file fetched beside the page, handed to `keep` when it comes.
struct Fetch
{
    std::function<void(const QByteArray&)> keep;
    std::shared_ptr<std::function<void()>> done; // called by the last fetch
};

void fetched(void* argument, void* data, int size)
{
    std::unique_ptr<Fetch> fetch(static_cast<Fetch*>(argument));
    fetch->keep(QByteArray(static_cast<const char*>(data), size));
    (*fetch->done)();
}

// Han faces of the languages that write Han characters, beside the page.
bool writesHan(const QString& language)
{
    return language == QLatin1String("ja") || language == QLatin1String("ko") ||
           language.startsWith(QLatin1String("zh_"));
}
} // namespace

void fitToViewport(QSize designSize, QSize frame)
{
    const val window = val::global("window");
    const double width = window["innerWidth"].as<double>() - frame.width();
    const double height = window["innerHeight"].as<double>() - frame.height();
    // Rounded down, so that the scaled window never passes the edge.
    const double scale = std::floor(1000 * std::min({1.0, width / designSize.width(),
                                                     height / designSize.height()})) /
                         1000;
    if (scale < 1.0) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'f', 3));
    }
}

void manageMainWindowInPage(QWidget* mainWindow)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    QObject::connect(screen, &QScreen::availableGeometryChanged, mainWindow,
                     [mainWindow](const QRect& available) {
                         const QRect frame = mainWindow->frameGeometry();
                         QRect centred = frame;
                         centred.moveCenter(available.center());
                         const QPoint shift = centred.topLeft() - frame.topLeft();
                         for (QWidget* window : QApplication::topLevelWidgets()) {
                             if (window->isVisible()) {
                                 window->move(window->pos() + shift);
                             }
                         }
                     });
}

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

void loadLanguageFiles(const QString& language, std::function<void()> then)
{
    QDirIterator faces(QStringLiteral(":/fonts"));
    while (faces.hasNext()) {
        QFontDatabase::addApplicationFont(faces.next());
    }
    if (language.isEmpty()) {
        then();
        return;
    }
    // Qt looks for its catalogue where it was installed: the file goes
    // there, in the page's own file system.
    const QString catalogues = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString catalogue = QStringLiteral("qtbase_") + language + QStringLiteral(".qm");
    std::vector<std::pair<QString, std::function<void(const QByteArray&)>>> files;
    files.emplace_back(QStringLiteral("i18n/") + catalogue,
                       [catalogues, catalogue](const QByteArray& data) {
                           QDir().mkpath(catalogues);
                           QFile file(catalogues + QLatin1Char('/') + catalogue);
                           if (file.open(QIODevice::WriteOnly)) {
                               file.write(data);
                           }
                       });
    if (writesHan(language)) {
        for (const char* weight : {"regular", "bold"}) {
            files.emplace_back(
                QStringLiteral("fonts/han-%1-%2.otf").arg(language, QLatin1String(weight)),
                [](const QByteArray& data) { QFontDatabase::addApplicationFontFromData(data); });
        }
    }
    // `then` runs once, after the last file has come or failed.
    auto remaining = std::make_shared<int>(static_cast<int>(files.size()));
    auto done = std::make_shared<std::function<void()>>([remaining, then = std::move(then)] {
        if (--*remaining == 0) {
            then();
        }
    });
    for (auto& [url, keep] : files) {
        auto* fetch = new Fetch{std::move(keep), done};
        // A file that fails to come leaves the game in its language with
        // Qt's English buttons, or with the fallback faces: it starts all
        // the same.
        emscripten_async_wget_data(url.toUtf8().constData(), fetch, fetched, [](void* argument) {
            std::unique_ptr<Fetch> failedFetch(static_cast<Fetch*>(argument));
            (*failedFetch->done)();
        });
    }
}

void markInPage(const char* name)
{
    val::global("performance").call<void>("mark", std::string(name));
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

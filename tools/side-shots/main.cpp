// Shows the side windows of the main menu in a language and saves a picture of each.
//
//   vesrin-side-shots --language eng|jap|... --out FOLDER

#include "app/SupportWindows.h"
#include "resources/BuiltInResources.h"
#include "words/Language.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Shot(QDialog& window, const QString& path) {
    window.show();
    Wait(400);
    if (!window.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
    window.hide();
}

} // namespace

int main(int argc, char** argv) {
    using namespace vesrin;
    QApplication application(argc, argv);
    RegisterBuiltInResources();
    Settings settings;
    QString out = QStringLiteral(".");
    QString name = QStringLiteral("eng");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0) out = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--language") == 0) name = QString::fromLocal8Bit(argv[++i]);
    }
    for (int k = 0; k < LanguageCount; ++k)
        if (QString::fromLatin1(LanguageColumnName(*LanguageFromIndex(k)).data()) == name) settings.Language = k;
    QDir().mkpath(out);
    OtherGamesWindow other(settings, nullptr);
    Shot(other, QDir(out).filePath(QStringLiteral("side-other-games-%1.png").arg(name)));
    SupportFacts facts{QDir::currentPath().toStdString(), (QDir::currentPath() + "/Vesrin.ini").toStdString(), {}};
    SupportWindow support(settings, facts, nullptr);
    Shot(support, QDir(out).filePath(QStringLiteral("side-support-%1.png").arg(name)));
    return 0;
}

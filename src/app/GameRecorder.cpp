#include "app/GameRecorder.h"

#include "table/ResourceLibrary.h"
#include "table/WordText.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <filesystem>
#include <utility>

namespace vesrin {

namespace {

constexpr int FrameIntervalMs = 100;
constexpr int LastFrameMs = 5000;

// The notice over the middle of the window while the file is written.
class RecordingNotice : public QWidget {
public:
    RecordingNotice(QWidget* parent, QString text, QFont font)
        : QWidget(parent), text_(std::move(text)), font_(std::move(font)) {
        setObjectName(QStringLiteral("GifNotice"));
        QImage bar;
        if (LoadPngFromLibrary(QStringLiteral("AdvBar3"), QString(), bar, LibraryPlaces{}) && !bar.isNull())
            bar_ = bar.scaled(175, 40, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        resize(175, 40);
    }
    const QString& Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (bar_.isNull())
            p.fillRect(rect(), QColor(255, 255, 225));
        else
            p.drawImage(0, 0, bar_);
        p.setFont(font_);
        p.setPen(Qt::red);
        p.drawText(QRect(0, 10, width(), height() - 10), Qt::AlignHCenter | Qt::AlignTop, text_);
    }

private:
    QString text_;
    QFont font_;
    QImage bar_;
};

} // namespace

GameRecorder::GameRecorder(QWidget& window, ProgramContext& context) : window_(window), context_(context) {
    TimerGIF.setInterval(FrameIntervalMs);
    connect(&TimerGIF, &QTimer::timeout, this, &GameRecorder::TakeFrame);
}

void GameRecorder::UseRecordingBackground() {
    QImage plain;
    if (!LoadPngFromLibrary(QStringLiteral("GIFBackGr"), QString(), plain, LibraryPlaces{}) || plain.isNull()) return;
    QImage& background = context_.Stores.TableBackground;
    if (!backgroundShown_) ownBackground_ = background;
    background = plain.convertToFormat(QImage::Format_RGB32)
                     .scaled(context_.Scale.TableWidth, context_.Scale.TableHeight, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    backgroundShown_ = true;
    window_.update();
}

void GameRecorder::RestoreBackground() {
    if (!backgroundShown_) return;
    context_.Stores.TableBackground = std::exchange(ownBackground_, QImage());
    backgroundShown_ = false;
    window_.update();
}

void GameRecorder::Start() {
    window_.repaint();
    gif_.Clear();
    running_ = true;
    TimerGIF.start();
    TakeFrame();
}

QImage GameRecorder::Grab() const {
    if (context_.Options.SaveGifArea == 2) {
        // The window with its frame as the screen shows it.
        if (QScreen* screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen()) {
            const QRect frame = window_.frameGeometry();
            const QPixmap shot = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
            if (!shot.isNull()) return shot.toImage().convertToFormat(QImage::Format_RGB32);
        }
    }
    return window_.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void GameRecorder::TakeFrame() {
    if (gif_.FrameCount() >= GifRecording::MaxFrames) return;
    const QImage frame = Grab();
    if (frame.isNull()) return;
    gif_.Append(GifFrameView{reinterpret_cast<const std::uint32_t*>(frame.constBits()), frame.width(), frame.height(),
                             int(frame.bytesPerLine() / 4)},
                context_.Options.SaveGifDelay);
}

void GameRecorder::ShowNotice(bool shown) {
    if (!shown) {
        delete notice_;
        notice_ = nullptr;
        return;
    }
    const Language language = LanguageFromIndex(context_.Options.Language).value_or(Language::English);
    const QFont font = context_.Fonts.Font(TextKind::Serif, context_.Fonts.ScaleFontSize(20, TextKind::Serif));
    auto* notice = new RecordingNotice(&window_, WordText(Word::OptCreatingGif, language), font);
    notice->move((window_.width() - notice->width()) / 2, (window_.height() - notice->height()) / 2);
    notice->show();
    notice->raise();
    notice->repaint();
    notice_ = notice;
}

QString GameRecorder::Save(bool takeLastFrame) {
    if (takeLastFrame) TakeFrame();
    TimerGIF.stop();
    running_ = false;
    ShowNotice(true);
    QString written;
    const std::vector<std::uint8_t> bytes = gif_.Finish(LastFrameMs);
    std::filesystem::path program = context_.Files.Program;
    if (program.empty()) program = std::filesystem::current_path();
    const QDir folder(QString::fromStdString((program / "GIFGame").string()));
    if (!bytes.empty() && (folder.exists() || QDir().mkpath(folder.path()))) {
        const QString name = folder.filePath(Now().toString(QStringLiteral("yyyy.MM.dd-HH.mm.ss")) + ".gif");
        QFile file(name);
        // A failed write leaves no half file behind.
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
            file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) == qint64(bytes.size()) &&
            file.flush()) {
            file.close();
            written = name;
        } else {
            file.close();
            file.remove();
        }
    }
    ShowNotice(false);
    return written;
}

} // namespace vesrin

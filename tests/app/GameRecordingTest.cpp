#include "../table/GifDecode.h"
#include "TableWindowFixture.h"
#include "app/GameRecorder.h"
#include "table/ResourceLibrary.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace vesrin::test {
namespace {

class GameRecordingTest : public TableWindowTest {
protected:
    void MakeRecordingWindow() {
        MakeWindow(1, false);
        context->Options.SaveGif = true;
        context->Options.SaveGifArea = 1;
        context->Options.SaveGifDelay = 700;
        context->Files.Program = folder.path().toStdString();
        form->Recorder().Now = [] { return QDateTime(QDate(2026, 3, 14), QTime(20, 5, 9)); };
    }
    // The timer's frames come in the test's own rhythm: one after each move.
    void TakeFramesByHand() { form->Recorder().TimerGIF.stop(); }
    QString SavedFile() const { return folder.filePath(QStringLiteral("GIFGame/2026.03.14-20.05.09.gif")); }

    // ImageMagick's reading of the file: the frame count and each frame's display time in
    // hundredths of a second; empty when ImageMagick is not installed.
    static QStringList IdentifyDelays(const QString& file) {
        const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
        if (identify.isEmpty()) return {};
        QProcess process;
        process.start(identify, {QStringLiteral("-format"), QStringLiteral("%T\\n"), file});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) return {QStringLiteral("failed")};
        return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

TEST_F(GameRecordingTest, AHandPlayedWithRecordingOnIsSavedAsAnAnimatedGif) {
    MakeRecordingWindow();
    QImage plain;
    ASSERT_TRUE(LoadPngFromLibrary(QStringLiteral("GIFBackGr"), QString(), plain, LibraryPlaces{}));
    const QImage ownBackground = context->Stores.TableBackground;
    StartGame(3);
    EXPECT_TRUE(form->Recorder().Running()) << "the recording starts once the hand is on show";
    EXPECT_EQ(form->Recorder().TimerGIF.interval(), 100);
    EXPECT_EQ(context->Stores.TableBackground, plain.convertToFormat(QImage::Format_RGB32))
        << "the table is plain while a hand is recorded";
    TakeFramesByHand();
    EXPECT_EQ(form->Recorder().FrameCount(), 1);
    form->Recorder().TakeFrame();
    EXPECT_EQ(form->Recorder().FrameCount(), 1) << "a picture equal to the last frame is dropped";

    int moves = 0;
    ASSERT_TRUE(PlayUntil([&] {
        if (State().Phase == PhaseOf::HandAccounted) return true;
        if (moves++ > 0) form->Recorder().TakeFrame();
        return false;
    }));
    EXPECT_FALSE(form->Recorder().Running());
    ASSERT_TRUE(QFile::exists(SavedFile()));

    const DecodedGif gif = DecodeGifFile(SavedFile().toStdString());
    ASSERT_TRUE(gif.Ok);
    EXPECT_EQ(gif.Version, "GIF89a");
    EXPECT_EQ(gif.Width, 760);
    EXPECT_EQ(gif.Height, 500);
    // Every card played changes the table: a frame for each of the 52 at least; at most the
    // first frame, one per move and the last.
    EXPECT_GT(gif.Frames.size(), 52u);
    EXPECT_LE(int(gif.Frames.size()), moves + 1);
    EXPECT_EQ(gif.Frames.front().DelayMs, 700);
    EXPECT_EQ(gif.Frames[gif.Frames.size() - 2].DelayMs, 700);
    EXPECT_EQ(gif.Frames.back().DelayMs, 5000);
    // The last frame shows the table at the end of the hand.
    const QImage end = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int different = 0;
    const auto& last = gif.Frames.back().Screen;
    for (int y = 0; y < 500; y += 4)
        for (int x = 0; x < 760; x += 4) {
            const QRgb a = end.pixel(x, y);
            const std::uint32_t b = last[std::size_t(y) * 760 + std::size_t(x)];
            if (std::abs(qRed(a) - int(b >> 16 & 0xFF)) + std::abs(qGreen(a) - int(b >> 8 & 0xFF)) +
                    std::abs(qBlue(a) - int(b & 0xFF)) > 48)
                ++different;
        }
    EXPECT_LT(different, 760 * 500 / 16 / 100) << "more than 1% of the sampled pixels differ";

    // Leaving the table brings the table's own background back.
    form->CloseGame();
    EXPECT_EQ(context->Stores.TableBackground, ownBackground);

    const QStringList delays = IdentifyDelays(SavedFile());
    if (delays.isEmpty()) GTEST_SKIP() << "ImageMagick's identify is not installed";
    ASSERT_EQ(delays.size(), qsizetype(gif.Frames.size()));
    EXPECT_EQ(delays.front(), QStringLiteral("70"));
    EXPECT_EQ(delays.back(), QStringLiteral("500"));

}

TEST_F(GameRecordingTest, LeavingTheTableSavesTheRecordingCutAtTwoHundredFiftyFrames) {
    MakeRecordingWindow();
    StartGame(5);
    TakeFramesByHand();
    PictureElement& centre = *form->ImageStol;
    for (int i = 0; i < 300; ++i) {
        centre.Picture.setPixel(i % centre.Picture.width(), 0, qRgb(i % 256, 255 - i % 256, 0));
        form->Recorder().TakeFrame();
    }
    EXPECT_EQ(form->Recorder().FrameCount(), 250);
    form->QuitClick();
    ASSERT_FALSE(form->Recorder().Running());
    const DecodedGif gif = DecodeGifFile(SavedFile().toStdString());
    ASSERT_TRUE(gif.Ok);
    ASSERT_EQ(gif.Frames.size(), 250u);
    EXPECT_EQ(gif.Frames.front().DelayMs, 700);
    EXPECT_EQ(gif.Frames.back().DelayMs, 5000);
    EXPECT_TRUE(gif.RepeatsForever);
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("GIFGame"))).entryList(QDir::Files).size(), 1);
}

TEST_F(GameRecordingTest, ClosingTheWindowDuringAHandSavesTheRecording) {
    MakeRecordingWindow();
    StartGame(5);
    TakeFramesByHand();
    ASSERT_TRUE(form->FormCloseQuery());
    EXPECT_FALSE(form->Recorder().Running());
    const DecodedGif gif = DecodeGifFile(SavedFile().toStdString());
    ASSERT_TRUE(gif.Ok);
    ASSERT_EQ(gif.Frames.size(), 1u);
    EXPECT_EQ(gif.Frames.front().DelayMs, 5000) << "the only frame is the last one";
}

TEST_F(GameRecordingTest, WithoutTheOptionNothingIsRecorded) {
    MakeRecordingWindow();
    context->Options.SaveGif = false;
    StartGame(3);
    EXPECT_FALSE(form->Recorder().Running());
    ASSERT_TRUE(PlayUntil([&] { return State().Phase == PhaseOf::HandAccounted; }));
    EXPECT_FALSE(QDir(folder.filePath(QStringLiteral("GIFGame"))).exists());
}

} // namespace
} // namespace vesrin::test

#include "settings/SpeedDialog.h"

#include "settings/DialogHeader.h"
#include "settings/DialogTexts.h"
#include "table/ResourceNames.h"

#include <QApplication>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include <cmath>
#include <memory>
#include <numbers>

namespace vesrin {

namespace {

constexpr int kIconSize = 48;
constexpr QPoint kIconAt(55, 138);
const QColor kGold(200, 175, 50);

} // namespace

QImage PaintSpeedDial(int speed) {
    QImage dial(128, 128, QImage::Format_ARGB32_Premultiplied);
    dial.fill(Qt::transparent);
    QPainter painter(&dial);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(64, 70);
    QRadialGradient face(centre, 60);
    face.setColorAt(0, QColor(90, 90, 100));
    face.setColorAt(1, QColor(30, 30, 36));
    painter.setPen(QPen(QColor(160, 160, 170), 3));
    painter.setBrush(face);
    painter.drawEllipse(centre, 58, 58);
    // Marks from the lower left (speed 1) over the top to the lower right (speed 6).
    auto angleOf = [](double value) { return (225.0 - (value - 1) * 54.0) * std::numbers::pi / 180.0; };
    for (int mark = 1; mark <= 6; ++mark) {
        const double a = angleOf(mark);
        const QPointF outer(centre.x() + 50 * std::cos(a), centre.y() - 50 * std::sin(a));
        const QPointF inner(centre.x() + 40 * std::cos(a), centre.y() - 40 * std::sin(a));
        painter.setPen(QPen(mark >= 5 ? QColor(255, 80, 60) : QColor(240, 240, 240), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(inner, outer);
    }
    const double a = angleOf(std::clamp(speed, 1, 6));
    painter.setPen(QPen(QColor(255, 0, 0), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, QPointF(centre.x() + 44 * std::cos(a), centre.y() - 44 * std::sin(a)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 220, 220));
    painter.drawEllipse(centre, 6, 6);
    return dial;
}

TFormSpeed::TFormSpeed(Settings& settings, OptionsHost& host, LibraryPlaces places, QWidget* parent)
    : QDialog(parent), settings_(settings), host_(host), places_(std::move(places)) {
    setModal(true);
    if (settings_.AuxDesignPurple &&
        !LoadJpegFromLibrary(QStringLiteral("GFormSpeed"), QString::fromLatin1(GraphicsLibrary), background_, places_)) {
        settings_.AuxDesignPurple = false;
        settings_.AuxDesign = 2;
    }
    look_ = AuxLookOf(settings_);
    const bool purple = look_ == AuxLook::Purple;
    const SpeedLayout layout = SpeedLayoutFor(look_);
    setFixedSize(layout.ClientWidth, layout.ClientHeight);

    QPalette window = palette();
    window.setColor(QPalette::Window, purple ? QColor(0, 0, 0) : QApplication::palette().color(QPalette::Button));
    const QColor textColour = purple ? kGold : QColor(0, 0, 0);
    window.setColor(QPalette::WindowText, textColour);
    setPalette(window);
    setAutoFillBackground(!purple);

    if (!purple) {
        ImHeader = new QLabel(this);
        ImHeader->setGeometry(5, 0, 300, layout.HeaderHeight);
        auto* bar = new QFrame(this);
        bar->setAutoFillBackground(true);
        QPalette red = bar->palette();
        red.setColor(QPalette::Window, QColor(255, 0, 0));
        bar->setPalette(red);
        bar->setGeometry(5, layout.RedBarTop, 300, 6);
        ImPicture = new QLabel(this);
        ImPicture->setGeometry(10, layout.PictureTop, 128, 128);
    }
    LabelPrompt = new QLabel(this);
    LabelPrompt->setGeometry(layout.PromptLeft, layout.PromptTop, layout.PromptWidth, layout.PromptHeight);
    LabelPrompt->setWordWrap(true);
    LabelPrompt->setAlignment(purple ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);

    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setRange(1, 6);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    TrackBar1->setGeometry(layout.SliderLeft, layout.SliderTop, layout.SliderWidth, layout.SliderHeight);
    TrackBar1->setValue(std::clamp(settings_.Speed, 1, 6));
    TrackBar1->setCursor(Qt::PointingHandCursor);

    const QFont digits = KindFont(settings_, FontKind::Decor, ScaleFontSize(settings_, 20, FontKind::Serif), true);
    for (int i = 0; i < 6; ++i) {
        auto* digit = new QLabel(QString::number(i + 1), this);
        digit->setFont(digits);
        digit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        digit->setGeometry(layout.DigitLeft[i], layout.DigitsTop, QFontMetrics(digits).horizontalAdvance(digit->text()),
                           QFontMetrics(digits).height());
        LabelDigits[std::size_t(i)] = digit;
    }
    AlignSliderToDigits();

    ButtonOk = MakeDialogButton(this, QStringLiteral("Ok"));
    ButtonOk->setGeometry(layout.ButtonLeft, layout.ButtonTop, layout.ButtonWidth, SpeedButtonHeight);
    ButtonOk->setFont(KindFont(settings_, FontKind::Decor, ScaleFontSize(settings_, 20, FontKind::Decor), true));
    ButtonOk->setDefault(true);
    SetButtonLook(*ButtonOk, purple ? ButtonLook{ButtonScheme::DCards, kGold, {}, 0, settings_.NewButtons}
                                    : ButtonLook{ButtonScheme::DRed, QColor(255, 255, 255), QColor(255, 255, 0), 0,
                                                 settings_.NewButtons});

    if (purple) {
        LoadPngFromLibrary(LetteredPictureName(QStringLiteral("GFormSpeed"), settings_),
                           QString::fromLatin1(GraphicsLibrary), header_, places_);
        LoadPngFromLibrary(QStringLiteral("GIcon48Speed"), QString::fromLatin1(GraphicsLibrary), iconStrip_, places_);
        connect(&iconTimer_, &QTimer::timeout, this, &TFormSpeed::TickIcon);
        if (!iconStrip_.isNull()) {
            iconFrame_ = 1;
            iconTimer_.start(SpeedIconInterval(settings_.Speed));
        }
    }

    connect(TrackBar1, &QSlider::valueChanged, this, &TFormSpeed::TrackBar1Change);
    connect(ButtonOk, &QPushButton::clicked, this, [this] {
        if (settings_.ClickEffectButtons) host_.ShowClickEffect(QCursor::pos());
        accept();
    });
    SetTexts();
    PaintDial();
}

int SliderMarkCentre(const QSlider& slider, int value) {
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = value;
    option.sliderValue = value;
    option.tickPosition = slider.tickPosition();
    option.tickInterval = slider.tickInterval();
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    const QRect handle = slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
    return slider.x() + handle.center().x();
}

// The digits stand where the design puts them; the slider is stretched and moved so
// that the handle's centre at 1 and at 6 lies over the middle of those digits, whatever
// the width of the style's handle.
void TFormSpeed::AlignSliderToDigits() {
    auto centreOf = [this](int i) {
        const QLabel* digit = LabelDigits[std::size_t(i)];
        return digit->x() + digit->width() / 2;
    };
    const int first = SliderMarkCentre(*TrackBar1, 1);
    const int last = SliderMarkCentre(*TrackBar1, 6);
    const int width = TrackBar1->width() + (centreOf(5) - centreOf(0)) - (last - first);
    TrackBar1->setGeometry(TrackBar1->x() + centreOf(0) - first, TrackBar1->y(), width, TrackBar1->height());
}

int TFormSpeed::IconInterval() const { return iconTimer_.isActive() ? iconTimer_.interval() : 0; }

void TFormSpeed::SetTexts() {
    setWindowTitle(DialogText(Word::OptChoiceOfSpeed, settings_));
    const QString prompt = DialogText(Word::OptSelectFlightSpeed, settings_);
    const QFont nominal = KindFont(settings_, FontKind::Decor, ScaleFontSize(settings_, 20, FontKind::Serif), true);
    LabelPrompt->setFont(FitFont(nominal, prompt, LabelPrompt->size(), true));
    LabelPrompt->setText(prompt);
    if (ImHeader) {
        ImHeader->setPixmap(QPixmap::fromImage(
            PaintSecondaryHeader(SpeedHeader(), look_, settings_, places_, palette().color(QPalette::Window))));
    }
}

void TFormSpeed::TrackBar1Change(int value) {
    settings_.Speed = value;
    if (iconTimer_.isActive()) iconTimer_.setInterval(SpeedIconInterval(value));
    PaintDial();
}

void TFormSpeed::PaintDial() {
    if (ImPicture) ImPicture->setPixmap(QPixmap::fromImage(PaintSpeedDial(settings_.Speed)));
}

void TFormSpeed::TickIcon() {
    iconFrame_ = iconFrame_ % 10 + 1;
    update(QRect(kIconAt, QSize(kIconSize, kIconSize)));
}

void TFormSpeed::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (look_ != AuxLook::Purple) return;
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
    painter.drawImage(0, 0, header_);
    if (!iconStrip_.isNull() && iconFrame_ > 0)
        painter.drawImage(kIconAt, iconStrip_.copy((iconFrame_ - 1) * kIconSize, 0, kIconSize, kIconSize));
}

void ShowSpeedDialog(Settings& settings, OptionsHost& host, const LibraryPlaces& places, QWidget* parent) {
    auto dialog = std::make_unique<TFormSpeed>(settings, host, places, parent);
    CentreDialog(*dialog, host.MainWindow() ? host.MainWindow() : parent);
    dialog->exec();
}

} // namespace vesrin
